#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 1, "高分模式": the 高分 list with its pause, generate-again and export buttons.
class HighScorePage : public QWidget {
    Q_OBJECT
  public:
    explicit HighScorePage(QWidget* parent = nullptr);

    widgets::ResultListView* list() const { return m_list; }
    QPushButton* pauseButton() const { return m_pause; }
    QPushButton* regenerateButton() const { return m_regenerate; }
    QPushButton* exportButton() const { return m_export; }
    // "只用常用字，不用字义不宜的字": the pools keep only level-1 characters of the standard list
    // that are fit for a name. Off at start.
    QCheckBox* commonOnly() const { return m_commonOnly; }

  private:
    widgets::ResultListView* m_list;
    QPushButton* m_pause;
    QPushButton* m_regenerate;
    QPushButton* m_export;
    QCheckBox* m_commonOnly;
};

}  // namespace generation_ui
