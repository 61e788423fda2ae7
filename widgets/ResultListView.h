#pragma once

#include <QGroupBox>
#include <QTableView>

#include "widgets/ResultListModel.h"

namespace widgets {

// A result list as the pages show it: whole rows selected one at a time, sortable by a click on
// a column header, read-only, inside a group box whose caption is the list's hint. The group's
// caption is also the list's accessible name, so a screen reader says what the list is for.
class ResultListView : public QTableView {
    Q_OBJECT
  public:
    ResultListView(const QString& objectName, const QStringList& headers, QList<int> numericColumns,
                   const QString& hint, QWidget* parent = nullptr);

    ResultListModel* model() const { return m_model; }
    // The group box that carries the hint; pages place it in their layout.
    QGroupBox* frame() const { return m_frame; }
    // The row under the current selection, or -1.
    int SelectedRow() const;

  signals:
    // A double click on a row (never on the empty area below the rows).
    void rowActivated(int row);

  private:
    ResultListModel* m_model;
    QGroupBox* m_frame;
};

// The columns of every Chinese name list, and the ones that sort as numbers.
const QStringList& NameListColumns();  // 编号 姓名 简体笔划 繁体笔划 五行 五格 三才 评分
// The columns of the naming pages' lists: those above, then 寓意, what the name means.
const QStringList& NameListColumnsWithSense();
const QList<int>& NameListNumericColumns();
const QString& NameListHint();  // 姓名列表(双击姓名可查看详细解释)

}  // namespace widgets
