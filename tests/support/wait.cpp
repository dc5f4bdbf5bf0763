#include "support/wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <chrono>
#include <memory>
#include <thread>

namespace testwait {

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool DrainPostedEvents(int timeoutMs) {
    auto reached = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [reached] { *reached = true; }, Qt::QueuedConnection);
    return WaitUntil([reached] { return *reached; }, timeoutMs);
}

} // namespace testwait
