#pragma once

#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"

namespace generation_ui {

// Where the last naming run stands, as its reports told the window. The pages switch their own
// buttons from it; nothing else decides which naming control is enabled.
struct RunState {
    enum class Phase { Idle, Running, Held, Ended };

    Phase phase = Phase::Idle;
    GenerationMode mode = GenerationMode::HighScore;  // of the run, once one has started
    bool rowsShown = false;                           // its list has shown its first row
    RunOutcome outcome = RunOutcome::Complete;        // once ended

    bool IsActive() const { return phase == Phase::Running || phase == Phase::Held; }
    bool IsHeld() const { return phase == Phase::Held; }
    // Active and of this mode: the run a page's own buttons hold, resume and wait for.
    bool IsActiveRunOf(GenerationMode own) const { return IsActive() && mode == own; }
};

}  // namespace generation_ui
