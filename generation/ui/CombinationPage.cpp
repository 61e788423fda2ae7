#include "generation/ui/CombinationPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

CombinationPage::CombinationPage(QWidget* parent)
    : QWidget(parent),
      m_characters(Named(new QLineEdit, "编辑框_组合的字")),
      m_generate(Named(new QPushButton(QStringLiteral("生成")), "按钮_组合起名")),
      m_list(new widgets::ResultListView("超级列表框_组合列表", widgets::NameListColumnsWithSense(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())) {
    // The characters the page offers until the user types others.
    m_characters->setText(QStringLiteral("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇"));
    auto* row = new QHBoxLayout;
    widgets::AddCaptioned(row, QStringLiteral("请输入要组合的字:"), m_characters);
    row->setStretchFactor(m_characters, 1);
    row->addWidget(m_generate);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
}

void CombinationPage::RestoreSettings(const SavedSettings& settings) {
    m_characters->setText(widgets::FromGbk(settings.combinationCharacters));
}

void CombinationPage::StoreSettings(SavedSettings& settings) const {
    settings.combinationCharacters = widgets::ToGbk(m_characters->text());
}

}  // namespace generation_ui
