#include "generation/ui/CanonPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "generation/CanonPassages.h"
#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

namespace {

QStringList CanonListColumns() {
    return widgets::NameListColumnsWithSense() +
           QStringList{QStringLiteral("出处"), QStringLiteral("作者"), QStringLiteral("原句")};
}

}  // namespace

CanonPage::CanonPage(QWidget* parent)
    : QWidget(parent),
      m_commonOnly(Named(new QCheckBox(QStringLiteral("只用常用字")), "选择框_典籍常用字")),
      m_generate(Named(new QPushButton(QStringLiteral("生成")), "按钮_典籍起名")),
      m_export(Named(new QPushButton(QStringLiteral("导出列表")), "按钮_典籍导出")),
      m_list(new widgets::ResultListView("超级列表框_典籍列表", CanonListColumns(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())) {
    auto* sources = new QGroupBox(QStringLiteral("名字取自"));
    sources->setAccessibleName(QStringLiteral("名字取自哪些典籍"));
    auto* boxes = new QHBoxLayout(sources);
    const std::vector<std::string>& defaults = canon::DefaultCollections();
    for (const std::string& collection : canon::Collections()) {
        const QString caption = widgets::FromGbk(collection);
        auto* box = Named(new QCheckBox(caption), QStringLiteral("选择框_典籍_") + caption);
        box->setChecked(std::find(defaults.begin(), defaults.end(), collection) != defaults.end());
        m_collections << box;
        boxes->addWidget(box);
    }
    boxes->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addWidget(sources, 1);
    row->addWidget(m_commonOnly);
    row->addWidget(m_generate);
    row->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
    // The list shows each name with its elements, score, meaning and line; the strokes, grids
    // and 三才 stay in the rows (and the export), where the report of the name shows them.
    for (int column : {2, 3, 5, 6}) m_list->setColumnHidden(column, true);
    connect(m_export, &QPushButton::clicked, this, &CanonPage::exportRequested);
}

void CanonPage::AddInputs(GenerationInputs& inputs) const {
    inputs.canonCollections.clear();
    for (QCheckBox* box : m_collections)
        if (box->isChecked()) inputs.canonCollections.push_back(widgets::ToGbk(box->text()));
    inputs.commonOnly = m_commonOnly->isChecked();
}

QString CanonPage::MissingInput() const {
    for (QCheckBox* box : m_collections)
        if (box->isChecked()) return {};
    return QStringLiteral("请至少选择一部典籍");
}

void CanonPage::SetRunState(const RunState& state) {
    const bool ownRun = state.IsActiveRunOf(GenerationMode::Canon);
    m_generate->setEnabled(!ownRun);
    m_export->setEnabled(!ownRun);
}

}  // namespace generation_ui
