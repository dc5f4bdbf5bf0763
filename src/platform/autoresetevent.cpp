#include "platform/autoresetevent.h"

#include <chrono>

void AutoResetEvent::Set() {
    {
        std::lock_guard lock(m_mutex);
        m_signalled = true;
    }
    m_cv.notify_one();
}

void AutoResetEvent::Reset() {
    std::lock_guard lock(m_mutex);
    m_signalled = false;
}

void AutoResetEvent::ClearCancel() {
    std::lock_guard lock(m_mutex);
    m_cancelled = false;
}

void AutoResetEvent::Cancel() {
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_cv.notify_all();
}

bool AutoResetEvent::IsCancelled() const {
    std::lock_guard lock(m_mutex);
    return m_cancelled;
}

AutoResetEvent::WaitResult AutoResetEvent::Wait(int timeoutMs) {
    std::unique_lock lock(m_mutex);
    const auto ready = [this] { return m_signalled || m_cancelled; };
    if (timeoutMs < 0)
        m_cv.wait(lock, ready);
    else if (!m_cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return WaitResult::TimedOut;
    if (m_cancelled)
        return WaitResult::Cancelled;
    m_signalled = false;
    return WaitResult::Signalled;
}
