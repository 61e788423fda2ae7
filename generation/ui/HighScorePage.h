#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include "generation/ui/PauseButton.h"
#include "generation/ui/RunState.h"
#include "settings/SavedSettings.h"
#include "widgets/ResultListView.h"

namespace generation_ui {

// Page 1, "高分模式": the 高分 list with its pause, generate-again and export buttons, which it
// switches itself from the state of the naming run.
class HighScorePage : public QWidget, public KeepsSavedSettings {
    Q_OBJECT
  public:
    explicit HighScorePage(QWidget* parent = nullptr);

    widgets::ResultListView* list() const { return m_list; }
    PauseButton* pauseButton() const { return m_pause; }
    QPushButton* regenerateButton() const { return m_regenerate; }
    QPushButton* exportButton() const { return m_export; }
    // "只用常用字": the pools keep only level-1 characters of the standard list
    // that are fit for a name. Off at start.
    QCheckBox* commonOnly() const { return m_commonOnly; }

    // A 高分 run disables 再生成 and 导出 until it ends; 导出 comes back while it is held.
    void SetRunState(const RunState& state);

    void RestoreSettings(const SavedSettings& settings) override;
    void StoreSettings(SavedSettings& settings) const override;

  signals:
    void startRequested();
    void exportRequested();

  private:
    widgets::ResultListView* m_list;
    PauseButton* m_pause;
    QPushButton* m_regenerate;
    QPushButton* m_export;
    QCheckBox* m_commonOnly;
};

}  // namespace generation_ui
