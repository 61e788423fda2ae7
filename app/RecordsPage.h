#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "settings/SavedSettings.h"
#include "widgets/ResultListView.h"

class QAction;
class QMenu;

// Page 8, "起名记录": the names whose report the user has opened from a result list. A right
// click offers "删除记录"; a double click opens a record's report again.
class RecordsPage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit RecordsPage(QWidget* parent = nullptr);

    widgets::ResultListView* list() const { return m_list; }
    // "记录列表菜单", shown at the mouse by a right click in the list.
    QMenu* recordMenu() const { return m_menu; }
    QAction* deleteAction() const { return m_delete; }

    // Appends a record for the name opened from a generator list: the name is surname, CR LF,
    // given name, columns 2-7 come from the source row (the list's eight columns). A name that
    // is already recorded is not added again. Returns whether a row was added.
    bool AddRecord(const QString& surname, const QString& givenName, const QStringList& sourceRow);
    // Deletes the selected record and numbers the rest 1, 2, ... from the top.
    void DeleteSelectedRecord();

    // Columns 1-7 of every row, in list order.
    std::vector<QStringList> Records() const;
    // Replaces the rows by these records (columns 1-7 each), numbered from 1.
    void SetRecords(const std::vector<QStringList>& records);

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  signals:
    // The records were added to or deleted from (not when SetRecords fills the list).
    void recordsChanged();
    // A double click on a record: its name split at the first line break; the report opens
    // again and no record is added.
    void detailRequested(const QString& surname, const QString& givenName, const QString& title);

  private:
    void OpenRecord(int row);

    widgets::ResultListView* m_list;
    QMenu* m_menu;
    QAction* m_delete;
};
