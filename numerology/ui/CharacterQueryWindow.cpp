#include "numerology/ui/CharacterQueryWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "files/WriteFileAtomically.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/ReportPages.h"
#include "numerology/ui/PageWindow.h"
#include "widgets/FormRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace numerology_ui {

CharacterQueryWindow::CharacterQueryWindow(DatabaseSource database,
                                           std::filesystem::path pagesFolder, QWidget* owner)
    : QDialog(owner),
      m_database(std::move(database)),
      m_pagesFolder(std::move(pagesFolder)),
      m_character(widgets::Named(new QLineEdit, "编辑框1")),
      m_query(widgets::Named(new QPushButton(QStringLiteral("查询")), "按钮_查询")) {
    setWindowTitle(QStringLiteral("汉字查询"));
    move(50, 50);
    resize(289, 109);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("请输入要查询的汉字:"));
    caption->setBuddy(m_character);
    m_character->setAccessibleName(QStringLiteral("要查询的汉字"));
    row->addWidget(m_character, 1);
    row->addWidget(m_query);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(row);
    // Enter in the box looks the character up, as the button does.
    m_query->setDefault(true);
    connect(m_query, &QPushButton::clicked, this, [this] { Query(); });
}

CharacterPageWindow* CharacterQueryWindow::Query() {
    SqliteDatabase* db = m_database ? m_database() : nullptr;
    if (!db) return nullptr;
    // The text is looked up whole, as typed: an empty box gives a page with empty sections.
    const QString text = m_character->text();
    // Letters or digits alone would give a page with nothing on it: the parent is told instead.
    const bool hasHan = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Han || c.isSurrogate();
    });
    if (!text.isEmpty() && !hasHan) {
        widgets::MessageBoxes::Show(
            this, QStringLiteral("“%1”中没有汉字，请输入要查询的汉字。").arg(text),
            QStringLiteral("提示"), widgets::MessageBoxes::Icon::Information);
        return nullptr;
    }
    std::string page;
    try {
        page = CharacterPage(*db, widgets::ToGbk(text));
    } catch (const DatabaseError& error) {
        widgets::MessageBoxes::Show(this, widgets::FromGbk(error.what()), QStringLiteral("提示"),
                                    widgets::MessageBoxes::Icon::Error);
        return nullptr;
    }
    files::WriteFileAtomically(PageFile(m_pagesFolder, 0), page);
    auto* window = new CharacterPageWindow(text, page, this);
    window->show();
    return window;
}

}  // namespace numerology_ui
