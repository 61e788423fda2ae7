#include "generation/ui/PoemNamingPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QVBoxLayout>

#include "namedb/SqliteDatabase.h"
#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::Named;

PoemNamingPage::PoemNamingPage(QWidget* parent)
    : QWidget(parent),
      m_innerTabs(Named(new QTabWidget, "高级选择夹2")),
      m_choosePage(new QWidget),
      m_charactersPage(new QWidget),
      m_resultsPage(new QWidget),
      m_poets(new widgets::ResultListView("超级列表框_诗人列表",
                                          {QStringLiteral("编号"), QStringLiteral("诗人")}, {0},
                                          QStringLiteral("诗人"))),
      m_poems(new widgets::ResultListView("超级列表框_诗词残",
                                          {QStringLiteral("编号"), QStringLiteral("诗词标题")}, {0},
                                          QStringLiteral("诗词"))),
      m_poemView(Named(new widgets::PageView, "网页浏览框1")),
      m_usePoem(Named(new QPushButton(QStringLiteral("使用此诗词")), "按钮2")),
      m_characterGroup(Named(new QGroupBox(QStringLiteral("诗词中的字")), "分组框_诗词字符")),
      m_selectAll(Named(new QPushButton(QStringLiteral("全选")), "按钮3")),
      m_clearAll(Named(new QPushButton(QStringLiteral("全清")), "按钮4")),
      m_invert(Named(new QPushButton(QStringLiteral("反选")), "按钮6")),
      m_generate(Named(new QPushButton(QStringLiteral("生成")), "按钮_诗词起名")),
      m_list(new widgets::ResultListView("超级列表框_诗名列表", widgets::NameListColumnsWithSense(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())),
      m_characterArea(Named(new QScrollArea, "滚动区_诗词字符")),
      m_poetFilter(Named(new QLineEdit, "编辑框_查找诗人")) {
    m_poemView->setAccessibleName(QStringLiteral("诗词内容"));
    auto* chooseLayout = new QGridLayout(m_choosePage);
    chooseLayout->addWidget(new QLabel(QStringLiteral("① 选择诗人")), 0, 0);
    chooseLayout->addWidget(new QLabel(QStringLiteral("② 选择诗词")), 0, 1);
    chooseLayout->addWidget(new QLabel(QStringLiteral("③ 使用本诗词,点击按钮")), 0, 2);
    chooseLayout->addWidget(m_poets->frame(), 1, 0);
    chooseLayout->addWidget(m_poems->frame(), 1, 1);
    chooseLayout->addWidget(m_poemView, 1, 2);
    m_poetFilter->setPlaceholderText(QStringLiteral("查找诗人"));
    m_poetFilter->setAccessibleName(QStringLiteral("查找诗人"));
    m_poetFilter->setClearButtonEnabled(true);
    chooseLayout->addWidget(m_poetFilter, 2, 0);
    chooseLayout->addWidget(m_usePoem, 2, 2);
    chooseLayout->setColumnStretch(2, 2);

    auto* pickLayout = new QVBoxLayout(m_charactersPage);
    m_characterGroup->setMinimumHeight(220);
    m_characterArea->setWidgetResizable(true);
    m_characterArea->setFrameShape(QFrame::NoFrame);
    m_characterArea->setAccessibleName(QStringLiteral("诗词中的字"));
    (new QVBoxLayout(m_characterGroup))->addWidget(m_characterArea);
    RemovePoemCharacters();
    pickLayout->addWidget(m_characterGroup, 1);
    auto* pickButtons = new QHBoxLayout;
    pickButtons->addWidget(m_selectAll);
    pickButtons->addWidget(m_clearAll);
    pickButtons->addWidget(m_invert);
    pickButtons->addStretch();
    pickButtons->addWidget(m_generate);
    pickLayout->addLayout(pickButtons);

    (new QVBoxLayout(m_resultsPage))->addWidget(m_list->frame());

    m_innerTabs->addTab(m_choosePage, QStringLiteral("选取诗词"));
    m_innerTabs->addTab(m_charactersPage, QStringLiteral("诗词取名"));
    m_innerTabs->addTab(m_resultsPage, QStringLiteral("生成名字"));
    (new QVBoxLayout(this))->addWidget(m_innerTabs);

    connect(m_selectAll, &QPushButton::clicked, this, &PoemNamingPage::SelectAllBoxes);
    connect(m_clearAll, &QPushButton::clicked, this, &PoemNamingPage::ClearAllBoxes);
    connect(m_invert, &QPushButton::clicked, this, &PoemNamingPage::InvertBoxes);
    connect(m_poets->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PoemNamingPage::ListPoems);
    connect(m_usePoem, &QPushButton::clicked, this, &PoemNamingPage::UsePoem);
    connect(m_poetFilter, &QLineEdit::textChanged, this, &PoemNamingPage::FilterPoets);
    connect(m_generate, &QPushButton::clicked, this, &PoemNamingPage::startRequested);
}

void PoemNamingPage::RemovePoemCharacters() {
    m_boxes.clear();
    m_boxHolder = new QWidget;
    auto* grid = new QGridLayout(m_boxHolder);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_characterArea->setWidget(m_boxHolder);  // deletes the previous holder and its boxes
}

void PoemNamingPage::SetPoemCharacters(const std::vector<std::pair<QString, bool>>& characters) {
    RemovePoemCharacters();
    auto* grid = static_cast<QGridLayout*>(m_boxHolder->layout());
    int index = 0;
    for (const auto& [character, ticked] : characters) {
        auto* box = new QCheckBox(character);
        box->setChecked(ticked);
        box->setAccessibleName(QStringLiteral("诗词中的字 ") + character);
        grid->addWidget(box, index / kBoxesPerRow, index % kBoxesPerRow);
        m_boxes << box;
        ++index;
    }
}

QStringList PoemNamingPage::TickedCharacters() const {
    QStringList ticked;
    for (QCheckBox* box : m_boxes)
        if (box->isChecked()) ticked << box->text();
    return ticked;
}

void PoemNamingPage::SelectAllBoxes() {
    for (QCheckBox* box : m_boxes) box->setChecked(true);
}

void PoemNamingPage::ClearAllBoxes() {
    for (QCheckBox* box : m_boxes) box->setChecked(false);
}

void PoemNamingPage::InvertBoxes() {
    for (QCheckBox* box : m_boxes) box->setChecked(!box->isChecked());
}

void PoemNamingPage::SetDatabaseSource(std::function<SqliteDatabase*()> database) {
    m_database = std::move(database);
}

void PoemNamingPage::SetChildSexSource(std::function<quality::ChildSex()> sex) {
    m_childSex = std::move(sex);
}

SqliteDatabase* PoemNamingPage::Database() const { return m_database ? m_database() : nullptr; }

void PoemNamingPage::Tip(const QString& text, bool error) {
    widgets::MessageBoxes::Show(
        window(), text, QStringLiteral("提示"),
        error ? widgets::MessageBoxes::Icon::Error : widgets::MessageBoxes::Icon::None);
}

void PoemNamingPage::ListPoets() {
    SqliteDatabase* database = Database();
    if (!database) return;
    std::vector<QStringList> rows;
    try {
        const std::vector<std::string> poets = poem_catalog::ListPoets(*database);
        rows.reserve(poets.size());
        for (size_t k = 0; k < poets.size(); ++k)
            rows.push_back({QString::number(k + 1), widgets::FromGbk(poets[k])});
    } catch (const DatabaseError& error) {
        Tip(QStringLiteral("读取诗人列表失败：") + widgets::FromGbk(error.what()), true);
    }
    m_allPoets = std::move(rows);
    m_innerTabs->setCurrentWidget(m_choosePage);
    FilterPoets();
}

void PoemNamingPage::FilterPoets() {
    const QString wanted = m_poetFilter->text().trimmed();
    std::vector<QStringList> rows;
    for (const QStringList& row : m_allPoets)
        if (wanted.isEmpty() || row.value(1).contains(wanted)) rows.push_back(row);
    m_poets->model()->SetRows(std::move(rows));
    if (m_poets->model()->rowCount() > 0)
        m_poets->selectRow(0);  // lists the first poet's poems
    else
        ListPoems();
}

void PoemNamingPage::ListPoems() {
    m_poemTitles.clear();
    m_poemsPoet.clear();
    std::vector<QStringList> rows;
    const int poetRow = m_poets->SelectedRow();
    SqliteDatabase* database = poetRow >= 0 ? Database() : nullptr;
    if (database) {
        m_poemsPoet = m_poets->model()->Row(poetRow).value(1);
        try {
            m_poemTitles = poem_catalog::ListPoems(*database, widgets::ToGbk(m_poemsPoet));
        } catch (const DatabaseError& error) {
            Tip(QStringLiteral("读取诗词列表失败：") + widgets::FromGbk(error.what()), true);
        }
        rows.reserve(m_poemTitles.size());
        for (size_t k = 0; k < m_poemTitles.size(); ++k)
            rows.push_back({QString::number(k + 1), widgets::FromGbk(m_poemTitles[k].title),
                            QString::number(m_poemTitles[k].id)});  // the Id: not shown
    }
    m_poems->model()->SetRows(std::move(rows));
    if (m_poems->model()->rowCount() > 0) m_poems->selectRow(0);
}

void PoemNamingPage::UsePoem() {
    RemovePoemCharacters();
    const int row = m_poems->SelectedRow();
    if (row < 0) {
        Tip(QStringLiteral("请选择一首诗词"), false);
        return;
    }
    // The number column says which poem of the poet this is, however the user sorted the list.
    const int index = m_poems->model()->Row(row).value(0).toInt() - 1;
    if (index < 0 || size_t(index) >= m_poemTitles.size()) return;
    SqliteDatabase* database = Database();
    if (!database) return;
    std::optional<poem_catalog::Poem> poem;
    quality::CharacterFitnessTable fitness;
    try {
        poem = poem_catalog::FindPoem(*database, m_poemTitles[size_t(index)],
                                      widgets::ToGbk(m_poemsPoet));
        fitness = quality::CharacterFitnessTable::Load(*database);
    } catch (const DatabaseError& error) {
        Tip(QStringLiteral("读取诗词失败：") + widgets::FromGbk(error.what()), true);
    }
    if (!poem) return;
    std::vector<std::pair<QString, bool>> boxes;
    for (const poem_catalog::PoemCharacter& character : poem_catalog::PoemCharacters(
             *poem, fitness, m_childSex ? m_childSex() : quality::ChildSex::Boy))
        boxes.emplace_back(widgets::FromGbk(character.character), character.ticked);
    SetPoemCharacters(boxes);
    m_innerTabs->setCurrentWidget(m_charactersPage);
}

void PoemNamingPage::ShowResults() { m_innerTabs->setCurrentWidget(m_resultsPage); }

}  // namespace generation_ui
