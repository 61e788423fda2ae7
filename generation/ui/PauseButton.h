#pragma once

#include <QPushButton>

#include "generation/ui/RunState.h"

namespace generation_ui {

// The pause button of a page whose runs can be held (高分, 超吉). It reads "暂停" while its page's
// run goes on and "继续" while it is held, is enabled only while that run is active and has shown
// its first row, and asks for the hold or the resume; the run's reports move its caption.
class PauseButton : public QPushButton {
    Q_OBJECT
  public:
    PauseButton(GenerationMode ownMode, const char* objectName, QWidget* parent = nullptr);

    void SetRunState(const RunState& state);

  signals:
    void holdRequested();
    void resumeRequested();

  private:
    GenerationMode m_ownMode;
    bool m_held = false;
};

}  // namespace generation_ui
