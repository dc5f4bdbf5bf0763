#pragma once
// An auto-reset event: Set() lets exactly one waiter through (or the next
// one to wait, if none waits yet) and the event resets itself. Cancel()
// releases every waiter at once and keeps later waits from blocking until
// ClearCancel(), so a worker waiting for a reply can be stopped at any time.

#include <condition_variable>
#include <mutex>

class AutoResetEvent {
public:
    enum class WaitResult { Signalled, TimedOut, Cancelled };

    void Set();
    // Clears the signal (not a cancellation).
    void Reset();
    void Cancel();
    void ClearCancel();
    bool IsCancelled() const;

    // Waits up to timeoutMs (negative: without limit) for the signal and
    // consumes it.
    WaitResult Wait(int timeoutMs);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_signalled = false;
    bool m_cancelled = false;
};
