#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>

#include "numerology/ui/NamePages.h"

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
    NameDetailOpener(DatabaseSource database, std::filesystem::path pagesFolder, QWidget* owner);

    // The common body of every double-click: evaluates the name, opens its window captioned with
    // title, and, when a source row is given, asks for its record. Nothing for an empty surname
    // or given name, or while the database is missing; nullptr then.
    NameDetailWindow* OpenNameDetail(const QString& surname, const QString& givenName,
                                     const QString& title, const QStringList* sourceRow);

    // A list whose 姓名 cells hold surname, CR LF, given name (the score and record lists).
    void ConnectRecordedNameList(widgets::ResultListView* list);
    // What fills the 名字品质 tab of every window opened later.
    void SetQualityPageMaker(QualityPageMaker maker) { m_qualityPage = std::move(maker); }

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
    std::filesystem::path m_pagesFolder;
    QualityPageMaker m_qualityPage;
    QPointer<QWidget> m_owner;
};

}  // namespace numerology_ui
