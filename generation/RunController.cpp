#include "generation/RunController.h"

#include "generation/RunGeneration.h"

RunController::~RunController() { ShutDown(true); }

void RunController::Start(GenerationInputs inputs, GenerationObserver& observer,
                          SqliteDatabase& database) {
    std::lock_guard lock(m_mutex);
    if (m_current) m_current->Stop();
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

void RunController::Hold() {
    std::lock_guard lock(m_mutex);
    if (m_current) m_current->Hold();
}

void RunController::Resume() {
    std::lock_guard lock(m_mutex);
    if (m_current) m_current->Resume();
}

void RunController::Stop() {
    std::lock_guard lock(m_mutex);
    if (m_current) m_current->Stop();
}

bool RunController::IsActive() const {
    std::lock_guard lock(m_mutex);
    return m_current && !m_current->IsStopRequested() && !m_current->IsFinished();
}

bool RunController::IsHeld() const {
    std::lock_guard lock(m_mutex);
    return m_current && m_current->IsHoldRequested() && !m_current->IsFinished();
}

void RunController::WaitUntilFinished() {
    std::shared_ptr<RunControl> control;
    {
        std::lock_guard lock(m_mutex);
        control = m_current;
    }
    if (control) control->WaitUntilFinished();
}

void RunController::WaitUntilHeldOrFinished() {
    std::shared_ptr<RunControl> control;
    {
        std::lock_guard lock(m_mutex);
        control = m_current;
    }
    if (control) control->WaitUntilHeldOrFinished();
}

void RunController::ShutDown(bool wait) {
    std::vector<Worker> workers;
    {
        std::lock_guard lock(m_mutex);
        if (m_current) m_current->Stop();
        if (!wait) return;
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
