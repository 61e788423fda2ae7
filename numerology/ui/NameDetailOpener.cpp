#include "numerology/ui/NameDetailOpener.h"

#include <QLineEdit>

#include "namedb/SqliteDatabase.h"
#include "numerology/ui/NameCells.h"
#include "numerology/ui/NameDetailWindow.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

namespace numerology_ui {

namespace {

// Where a generator list keeps the surname of the run that filled it.
constexpr char kRunSurnameProperty[] = "runSurname";
constexpr int kNameColumn = 1;

}  // namespace

NameDetailOpener::NameDetailOpener(DatabaseSource database, std::filesystem::path dataFolder,
                                   QWidget* owner)
    : QObject(owner),
      m_database(std::move(database)),
      m_dataFolder(std::move(dataFolder)),
      m_owner(owner) {}

NameDetailWindow* NameDetailOpener::OpenNameDetail(const QString& surname, const QString& givenName,
                                                   const QString& title,
                                                   const QStringList* sourceRow) {
    if (surname.isEmpty() || givenName.isEmpty()) return nullptr;
    SqliteDatabase* db = m_database ? m_database() : nullptr;
    if (!db) return nullptr;
    NameDetailPages pages;
    try {
        pages = MakeNameDetailPages(*db, m_dataFolder, surname, givenName,
                                    m_favourableElements ? m_favourableElements() : QString());
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

void NameDetailOpener::ConnectGeneratedNameList(widgets::ResultListView* list,
                                                QLineEdit* surnameBox) {
    widgets::ResultListModel* model = list->model();
    // A run empties its list before it writes; the first rows after that are the run's own.
    auto takeSurnameOfNewRun = [list, surnameBox](int rowsBefore) {
        if (rowsBefore == 0 && list->model()->rowCount() > 0)
            SetRunSurname(list, surnameBox->text().trimmed());
    };
    connect(model, &QAbstractItemModel::rowsInserted, list,
            [takeSurnameOfNewRun, model](const QModelIndex&, int first, int last) {
                takeSurnameOfNewRun(model->rowCount() - (last - first + 1));
            });
    auto rowsBeforeReset = std::make_shared<int>(0);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, list,
            [rowsBeforeReset, model] { *rowsBeforeReset = model->rowCount(); });
    connect(model, &QAbstractItemModel::modelReset, list,
            [takeSurnameOfNewRun, rowsBeforeReset] { takeSurnameOfNewRun(*rowsBeforeReset); });

    connect(list, &widgets::ResultListView::rowActivated, this, [this, list](int row) {
        const QStringList cells = list->model()->Row(row);
        const QString cell = cells.value(kNameColumn);
        if (std::optional<NameParts> name = SplitGeneratedName(cell, RunSurname(list)))
            OpenNameDetail(name->surname, name->givenName, cell, &cells);
    });
}

void NameDetailOpener::SetRunSurname(widgets::ResultListView* list, const QString& surname) {
    list->setProperty(kRunSurnameProperty, surname);
}

QString NameDetailOpener::RunSurname(const widgets::ResultListView* list) {
    return list->property(kRunSurnameProperty).toString();
}

}  // namespace numerology_ui
