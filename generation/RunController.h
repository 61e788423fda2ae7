#pragma once

#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "generation/GenerationInputs.h"
#include "generation/RunControl.h"

class GenerationObserver;
class SqliteDatabase;

// Runs one generation at a time on a worker thread. Called from the window thread: Start stops a
// run that is still active before the new one begins; Hold, Resume and Stop act on the current run
// between its steps, and tell the run's observer (held, resumed, finished as stopped) in the same
// call, so the window's state follows the user's click at once. A stopped run may need a moment to
// reach its next step and end; it is joined later (by the next Start or ShutDown) so the window
// thread never waits on a worker that is itself waiting for a message box on the window thread.
class RunController {
  public:
    RunController() = default;
    ~RunController();
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    // The observer and database must outlive the run.
    void Start(GenerationInputs inputs, GenerationObserver& observer, SqliteDatabase& database);
    // Each does nothing unless the current run is active (and, for Resume, held).
    void Hold();
    void Resume();
    void Stop();

    bool IsActive() const;  // started, not stopped, not yet ended
    bool IsHeld() const;

    // Waits until the current run has ended by itself or has been stopped and is gone.
    void WaitUntilFinished();
    // Waits until the current run sits in a hold or has ended.
    void WaitUntilHeldOrFinished();

    // At program exit: stops the current run and, with wait, joins every worker.
    void ShutDown(bool wait = true);

  private:
    struct Worker {
        std::shared_ptr<RunControl> control;
        std::thread thread;
    };
    // The run last started: its switches, and whom it reports to.
    struct CurrentRun {
        std::shared_ptr<RunControl> control;
        GenerationObserver* observer = nullptr;
        GenerationMode mode = GenerationMode::HighScore;
    };
    CurrentRun Current() const;
    void ReapFinishedWorkers();

    mutable std::mutex m_mutex;
    CurrentRun m_current;
    std::vector<Worker> m_workers;
};
