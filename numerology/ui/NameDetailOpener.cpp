#include "numerology/ui/NameDetailOpener.h"

#include "namedb/SqliteDatabase.h"
#include "numerology/ui/NameCells.h"
#include "numerology/ui/NameDetailWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

namespace numerology_ui {

namespace {

constexpr int kNameColumn = 1;

}  // namespace

NameDetailOpener::NameDetailOpener(DatabaseSource database, std::filesystem::path pagesFolder,
                                   QWidget* owner)
    : QObject(owner),
      m_database(std::move(database)),
      m_pagesFolder(std::move(pagesFolder)),
      m_owner(owner) {}

NameDetailWindow* NameDetailOpener::OpenNameDetail(const QString& surname, const QString& givenName,
                                                   const QString& title,
                                                   const QStringList* sourceRow) {
    if (surname.isEmpty() || givenName.isEmpty()) return nullptr;
    SqliteDatabase* db = m_database ? m_database() : nullptr;
    if (!db) return nullptr;
    NameDetailPages pages;
    try {
        pages = MakeNameDetailPages(*db, m_pagesFolder, surname, givenName, m_qualityPage);
    } catch (const DatabaseError& error) {
        widgets::MessageBoxes::Show(m_owner, widgets::FromGbk(error.what()), QStringLiteral("提示"),
                                    widgets::MessageBoxes::Icon::Error);
        return nullptr;
    }
    auto* window = new NameDetailWindow(CaptionName(title), pages, m_owner);
    window->show();
    if (sourceRow) emit recordRequested(surname, givenName, *sourceRow);
    return window;
}

void NameDetailOpener::OpenRequested(const QString& surname, const QString& givenName,
                                     const QStringList& row, bool addRecord) {
    OpenNameDetail(surname, givenName, row.value(kNameColumn, surname + givenName),
                   addRecord ? &row : nullptr);
}

void NameDetailOpener::ConnectRecordedNameList(widgets::ResultListView* list) {
    connect(list, &widgets::ResultListView::rowActivated, this, [this, list](int row) {
        const QString cell = list->model()->Row(row).value(kNameColumn);
        if (std::optional<NameParts> name = SplitRecordedName(cell))
            OpenNameDetail(name->surname, name->givenName, cell, nullptr);
    });
}

}  // namespace numerology_ui
