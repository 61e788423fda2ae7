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
    m_current = control;
    std::thread thread([control, inputs = std::move(inputs), &observer, &database] {
        RunGeneration run(inputs, observer, database, *control);
        run.Execute();
        control->MarkFinished();
    });
    m_workers.push_back({control, std::move(thread)});
}

// The controller's lock is never held while a run's switches are thrown: Stop waits for a write
// in progress, and that write may itself call back into the controller.
std::shared_ptr<RunControl> RunController::Current() const {
    std::lock_guard lock(m_mutex);
    return m_current;
}

void RunController::Hold() {
    if (auto control = Current()) control->Hold();
}

void RunController::Resume() {
    if (auto control = Current()) control->Resume();
}

void RunController::Stop() {
    if (auto control = Current()) control->Stop();
}

bool RunController::IsActive() const {
    auto control = Current();
    return control && !control->IsStopRequested() && !control->IsFinished();
}

bool RunController::IsHeld() const {
    auto control = Current();
    return control && control->IsHoldRequested() && !control->IsFinished();
}

void RunController::WaitUntilFinished() {
    if (auto control = Current()) control->WaitUntilFinished();
}

void RunController::WaitUntilHeldOrFinished() {
    if (auto control = Current()) control->WaitUntilHeldOrFinished();
}

void RunController::ShutDown(bool wait) {
    Stop();
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
