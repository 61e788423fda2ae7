#include "generation/RunController.h"

#include "generation/RunGeneration.h"

RunController::~RunController() { ShutDown(true); }

void RunController::Start(GenerationInputs inputs, GenerationObserver& observer,
                          SqliteDatabase& database) {
    // The old run is stopped before the new one exists, so their writes never interleave.
    Stop();
    std::lock_guard lock(m_mutex);
    ReapFinishedWorkers();
    auto control = std::make_shared<RunControl>();
    m_current = {control, &observer, inputs.mode};
    std::thread thread([control, inputs = std::move(inputs), &observer, &database] {
        RunGeneration run(inputs, observer, database, *control);
        run.Execute();
        control->MarkFinished();
    });
    m_workers.push_back({control, std::move(thread)});
}

// The controller's lock is never held while a run's switches are thrown: Stop waits for a write
// in progress, and that write may itself call back into the controller.
RunController::CurrentRun RunController::Current() const {
    std::lock_guard lock(m_mutex);
    return m_current;
}

void RunController::Hold() {
    const CurrentRun run = Current();
    if (!IsActive() || IsHeld()) return;
    run.control->Hold();
    run.observer->RunHeld();
}

void RunController::Resume() {
    const CurrentRun run = Current();
    if (!IsHeld()) return;
    run.control->Resume();
    run.observer->RunResumed();
}

void RunController::Stop() {
    const CurrentRun run = Current();
    if (run.control && run.control->Stop())
        run.observer->RunFinished(run.mode, RunOutcome::Stopped, {});
}

bool RunController::IsActive() const {
    const CurrentRun run = Current();
    return run.control && !run.control->IsStopRequested() && !run.control->IsFinished();
}

bool RunController::IsHeld() const {
    const CurrentRun run = Current();
    return IsActive() && run.control->IsHoldRequested();
}

void RunController::WaitUntilFinished() {
    if (const CurrentRun run = Current(); run.control) run.control->WaitUntilFinished();
}

void RunController::WaitUntilHeldOrFinished() {
    if (const CurrentRun run = Current(); run.control) run.control->WaitUntilHeldOrFinished();
}

void RunController::ShutDown(bool wait) {
    // At exit the observer may be gone already: the run is stopped without a report.
    if (const CurrentRun run = Current(); run.control) run.control->Stop();
    if (!wait) return;
    std::vector<Worker> workers;
    {
        std::lock_guard lock(m_mutex);
        workers = std::move(m_workers);
        m_workers.clear();
    }
    for (Worker& worker : workers)
        if (worker.thread.joinable()) worker.thread.join();
}

void RunController::ReapFinishedWorkers() {
    for (auto it = m_workers.begin(); it != m_workers.end();) {
        if (it->control->IsFinished()) {
            it->thread.join();
            it = m_workers.erase(it);
        } else {
            ++it;
        }
    }
}
