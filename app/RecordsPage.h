#pragma once

#include <QWidget>

#include "widgets/ResultListView.h"

// Page 8, "起名记录": the names whose report the user has opened.
class RecordsPage : public QWidget {
    Q_OBJECT
  public:
    explicit RecordsPage(QWidget* parent = nullptr);

    widgets::ResultListView* list() const { return m_list; }

  private:
    widgets::ResultListView* m_list;
};
