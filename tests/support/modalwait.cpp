#include "support/modalwait.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void OnModal(const std::function<bool(QWidget*)>& handle, int timeoutMs) {
    constexpr int kPollMs = 10;
    auto* timer = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle, deadline] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && handle(modal)) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (deadline->hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no expected modal dialog appeared";
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else if (modal)
                modal->close();
        }
    });
    timer->start(kPollMs);
}
