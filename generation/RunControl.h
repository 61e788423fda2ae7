#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

// The switches the window thread uses to hold, resume and stop one run, and the places where the
// run obeys them. The run calls Checkpoint only between its steps, never while it holds a database
// statement or is half-way through its own data, so a held or stopped run leaves nothing torn.
class RunControl {
  public:
    void Hold();
    void Resume();
    // After Stop returns the run delivers nothing more: a delivery in progress is waited for, and
    // every later one is refused. True when this call cut the run short: it had not yet reported
    // its end, and no earlier Stop had stopped it.
    bool Stop();

    bool IsStopRequested() const { return m_stopRequested.load(std::memory_order_acquire); }
    bool IsHoldRequested() const { return m_holdRequested.load(std::memory_order_acquire); }

    // Between steps: waits while the run is held; false once it is stopped. Cheap when neither.
    bool Checkpoint() {
        if (!m_holdRequested.load(std::memory_order_relaxed) &&
            !m_stopRequested.load(std::memory_order_relaxed))
            return true;
        return WaitWhileHeld();
    }

    // Calls write unless the run is stopped; Stop cannot slip in between the test and the write.
    template <typename Write>
    bool Deliver(Write&& write) {
        std::lock_guard lock(m_deliveryMutex);
        if (IsStopRequested()) return false;
        write();
        return true;
    }
    // The run's last report: once it is delivered, a Stop no longer counts as cutting it short.
    template <typename Write>
    bool DeliverEnd(Write&& write) {
        std::lock_guard lock(m_deliveryMutex);
        if (IsStopRequested()) return false;
        write();
        m_endDelivered = true;
        return true;
    }

    // For the controller and tests: whether the run is waiting in a Checkpoint, and waiting for
    // that (or for the run's end) without polling.
    bool IsWaitingOnHold() const;
    void MarkFinished();
    bool IsFinished() const;
    // Returns once the run waits in a Checkpoint because of a hold, or has finished.
    void WaitUntilHeldOrFinished();
    void WaitUntilFinished();

  private:
    bool WaitWhileHeld();

    std::atomic<bool> m_holdRequested{false};
    std::atomic<bool> m_stopRequested{false};
    std::recursive_mutex m_deliveryMutex;
    bool m_endDelivered = false;  // guarded by m_deliveryMutex

    mutable std::mutex m_stateMutex;
    std::condition_variable m_stateChanged;
    bool m_waitingOnHold = false;
    bool m_finished = false;
};
