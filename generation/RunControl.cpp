#include "generation/RunControl.h"

void RunControl::Hold() {
    std::lock_guard lock(m_stateMutex);
    m_holdRequested.store(true, std::memory_order_release);
}

void RunControl::Resume() {
    {
        std::lock_guard lock(m_stateMutex);
        m_holdRequested.store(false, std::memory_order_release);
    }
    m_stateChanged.notify_all();
}

bool RunControl::Stop() {
    bool wasStopped = false;
    {
        std::lock_guard lock(m_stateMutex);
        wasStopped = m_stopRequested.exchange(true, std::memory_order_acq_rel);
    }
    m_stateChanged.notify_all();
    // Wait for a write that passed its test before the flag was set.
    std::lock_guard delivery(m_deliveryMutex);
    return !wasStopped && !m_endDelivered;
}

bool RunControl::WaitWhileHeld() {
    std::unique_lock lock(m_stateMutex);
    if (IsHoldRequested() && !IsStopRequested()) {
        m_waitingOnHold = true;
        m_stateChanged.notify_all();
        m_stateChanged.wait(lock, [this] { return !IsHoldRequested() || IsStopRequested(); });
        m_waitingOnHold = false;
    }
    return !IsStopRequested();
}

bool RunControl::IsWaitingOnHold() const {
    std::lock_guard lock(m_stateMutex);
    return m_waitingOnHold;
}

void RunControl::MarkFinished() {
    {
        std::lock_guard lock(m_stateMutex);
        m_finished = true;
    }
    m_stateChanged.notify_all();
}

bool RunControl::IsFinished() const {
    std::lock_guard lock(m_stateMutex);
    return m_finished;
}

void RunControl::WaitUntilHeldOrFinished() {
    std::unique_lock lock(m_stateMutex);
    m_stateChanged.wait(lock, [this] { return m_waitingOnHold || m_finished; });
}

void RunControl::WaitUntilFinished() {
    std::unique_lock lock(m_stateMutex);
    m_stateChanged.wait(lock, [this] { return m_finished; });
}
