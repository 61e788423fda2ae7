#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "numerology/ui/NamePages.h"

class QLineEdit;
namespace widgets {
class ResultListView;
}

namespace numerology_ui {

class NameDetailWindow;

// Opens the detail window of a name double-clicked in one of the name lists, and asks for the
// naming record of a generated name. The windows belong to the owner and are not modal.
class NameDetailOpener : public QObject {
    Q_OBJECT
  public:
    NameDetailOpener(DatabaseSource database, std::filesystem::path dataFolder, QWidget* owner);

    // The common body of every double-click: evaluates the name, opens its window captioned with
    // title, and, when a source row is given, asks for its record. Nothing for an empty surname
    // or given name, or while the database is missing; nullptr then.
    NameDetailWindow* OpenNameDetail(const QString& surname, const QString& givenName,
                                     const QString& title, const QStringList* sourceRow);

    // A list whose 姓名 cells hold surname, CR LF, given name (the score and record lists).
    void ConnectRecordedNameList(widgets::ResultListView* list);
    // Where the 名字品质 page reads the two elements the baby's birth chart asks for (木火); an
    // empty answer, or no source, leaves that line out.
    void SetFavourableElementsSource(std::function<QString()> source) {
        m_favourableElements = std::move(source);
    }
    // A list a naming run fills with surname and given name run together. The run's surname is
    // read from surnameBox when the run's first rows arrive in the emptied list, so a surname
    // typed after the run does not cut its names; SetRunSurname says it outright.
    void ConnectGeneratedNameList(widgets::ResultListView* list, QLineEdit* surnameBox);
    static void SetRunSurname(widgets::ResultListView* list, const QString& surname);
    static QString RunSurname(const widgets::ResultListView* list);

  public slots:
    // For a caller that has split the name already; addRecord as for a generated name.
    void OpenRequested(const QString& surname, const QString& givenName, const QStringList& row,
                       bool addRecord);

  signals:
    // A generated name's report was opened: it belongs in the naming records (AddRecord).
    void recordRequested(const QString& surname, const QString& givenName,
                         const QStringList& sourceRow);

  private:
    DatabaseSource m_database;
    std::filesystem::path m_dataFolder;
    std::function<QString()> m_favourableElements;
    QPointer<QWidget> m_owner;
};

}  // namespace numerology_ui
