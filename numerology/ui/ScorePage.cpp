#include "numerology/ui/ScorePage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "numerology/ui/NameCells.h"
#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace numerology_ui {

using widgets::Named;

ScorePage::ScorePage(QWidget* parent)
    : QWidget(parent),
      m_surname(Named(new QLineEdit, "编辑框_评分姓氏")),
      m_givenName(Named(new QLineEdit, "编辑框_评分名字")),
      m_birthDate(
          new widgets::DateSelector({"组合框_评分年份", "组合框_评分月份", "组合框_评分日子",
                                     "组合框_评分时间", "组合框_评分分钟"},
                                    QStringLiteral("出生日期"))),
      m_score(Named(new QPushButton(QStringLiteral("评分")), "按钮_评分")),
      m_list(new widgets::ResultListView("超级列表框_评分列表", widgets::NameListColumns(),
                                         widgets::NameListNumericColumns(),
                                         widgets::NameListHint())) {
    auto* row = new QHBoxLayout;
    m_surname->setFixedWidth(48);
    m_givenName->setFixedWidth(64);
    widgets::AddCaptioned(row, QStringLiteral("姓氏:"), m_surname);
    widgets::AddCaptioned(row, QStringLiteral("名字:"), m_givenName);
    row->addWidget(m_birthDate);
    row->addStretch();
    row->addWidget(m_score);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_list->frame(), 1);
    connect(m_score, &QPushButton::clicked, this, &ScorePage::Score);
}

void ScorePage::SetDatabase(DatabaseSource database, std::filesystem::path pagesFolder) {
    m_database = std::move(database);
    m_pagesFolder = std::move(pagesFolder);
}

void ScorePage::Score() {
    const QString surname = m_surname->text();
    const QString givenName = m_givenName->text();
    for (const auto& [text, missing] :
         {std::pair{surname, "请输入姓氏"}, {givenName, "请输入名字"}}) {
        if (text.isEmpty()) {
            widgets::MessageBoxes::Show(this, QString::fromUtf8(missing), QStringLiteral("提示"),
                                        widgets::MessageBoxes::Icon::Information);
            return;
        }
    }
    // Only one or two Chinese characters can be scored: a third character would be left out of
    // the figures, and a letter or an emoji would count as a character of 0 strokes.
    const std::optional<std::string> surnameCharacters =
        NamePartCharacters(widgets::ToGbk(surname));
    const std::optional<std::string> givenCharacters =
        NamePartCharacters(widgets::ToGbk(givenName));
    for (const auto& [characters, wrong] : {std::pair{&surnameCharacters, "姓氏应为一到两个汉字"},
                                            {&givenCharacters, "名字应为一到两个汉字"}}) {
        if (!*characters) {
            widgets::MessageBoxes::Show(this, QString::fromUtf8(wrong), QStringLiteral("提示"),
                                        widgets::MessageBoxes::Icon::Information);
            return;
        }
    }
    SqliteDatabase* db = m_database ? m_database() : nullptr;
    if (!db) return;
    NameEvaluation evaluation;
    try {
        DetailedEvaluation(*db, *surnameCharacters, *givenCharacters, evaluation,
                           m_pagesFolder.empty() ? m_pagesFolder : PageFile(m_pagesFolder, 0));
    } catch (const DatabaseError& error) {
        widgets::MessageBoxes::Show(this, widgets::FromGbk(error.what()), QStringLiteral("提示"),
                                    widgets::MessageBoxes::Icon::Error);
        return;
    }
    const QString name =
        RecordedName(widgets::FromGbk(*surnameCharacters), widgets::FromGbk(*givenCharacters));
    widgets::ResultListModel* rows = m_list->model();
    for (const QStringList& row : rows->Rows())
        if (row.value(1) == name) return;
    rows->AppendRows({NameListRow(rows->rowCount() + 1, name, evaluation)});
}

void ScorePage::RestoreSettings(const SavedSettings& settings) {
    m_givenName->setText(widgets::FromGbk(settings.scoreGivenName));
}

void ScorePage::StoreSettings(SavedSettings& settings) const {
    settings.scoreGivenName = widgets::ToGbk(m_givenName->text());
}

}  // namespace numerology_ui
