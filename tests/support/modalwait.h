#pragma once
// Waiting with a bound while Qt events are processed, and answering modal
// dialogs that the code under test runs with exec().

#include <QWidget>
#include <functional>

// Processes events until `condition` holds or `timeoutMs` has passed;
// returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// From the next event loop on, polls for an active modal widget and hands
// it to `handle` until `handle` returns true (it has answered the dialog).
// After `timeoutMs` without an answer the test fails and the modal widget,
// if any, is closed so that the test does not hang.
void OnModal(const std::function<bool(QWidget*)>& handle, int timeoutMs = 5000);

// OnModal for a dialog of type T: `handle` runs once for the first active
// modal widget that is a T.
template <typename T> void OnModalOf(const std::function<void(T*)>& handle, int timeoutMs = 5000) {
    OnModal(
        [handle](QWidget* w) {
            T* dialog = qobject_cast<T*>(w);
            if (!dialog)
                return false;
            handle(dialog);
            return true;
        },
        timeoutMs);
}
