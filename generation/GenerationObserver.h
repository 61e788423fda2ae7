#pragma once

#include <span>
#include <string>
#include <vector>

#include "generation/GenerationInputs.h"
#include "generation/ResultRow.h"

// The lists a run writes into.
enum class ResultList { HighScore, SuperLucky, Poem, Combination, Nickname, English, Canon };

enum class MessageIcon { None, Information, Warning, Error };

// How a run ended.
enum class RunOutcome {
    Complete,  // it did all its work and left its list finished
    Stopped,   // a new start or the exit stopped it; it delivered nothing afterwards
    Failed,    // an error ended it; the message says what went wrong
};

// What a run tells about itself. It speaks of the run only: which controls, pages or windows
// follow from that is the window's business.
//
// The run's own reports (started, progress, rows, classic text, messages, complete or failed)
// come from its worker thread. Held, resumed and stopped come from the thread that asked for
// them (the window's), through the RunController, in the same call. Apart from ShowMessage,
// a window must not wait for its own thread inside a call made on the worker (it posts the work
// there instead): the window thread's Stop waits for a call in progress. Once Stop has returned
// no further call of that run is made, except that a message box already on screen is still
// waited for.
class GenerationObserver {
  public:
    virtual ~GenerationObserver() = default;

    virtual void RunStarted(GenerationMode mode) = 0;
    // How far the preparation has come, where the run knows its total (the 超吉 pool).
    virtual void ProgressMade(int done, int total) {
        (void)done;
        (void)total;
    }
    // Rows found since the last call, to be shown after the rows found before them; the span is
    // the run's own and valid during the call only.
    virtual void RowsReady(ResultList list, std::span<const ResultRow> rows) = 0;
    // The list as the run leaves it: it replaces whatever the rows so far showed.
    virtual void ListFinished(ResultList list, const std::vector<ResultRow>& rows) = 0;
    // The names of the 经典 mode, as one text.
    virtual void ClassicTextReady(const std::string& text) = 0;
    virtual void RunHeld() {}
    virtual void RunResumed() {}
    // The last report of a run. message is empty unless the run failed (GBK).
    virtual void RunFinished(GenerationMode mode, RunOutcome outcome,
                             const std::string& message) = 0;
    // A notice for the user during the run; returns when the user has read it.
    virtual void ShowMessage(const std::string& text, const std::string& title,
                             MessageIcon icon) = 0;
};
