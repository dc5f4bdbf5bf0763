#pragma once
// A widget that is made the first time it is asked for: for a part of the
// main window that is seldom or never shown, so that the start does not pay
// for it. It reads like a pointer to the widget.

#include <functional>
#include <utility>

template <typename T> class OnDemand {
public:
    explicit OnDemand(std::function<T*()> make) : m_make(std::move(make)) {}
    OnDemand(const OnDemand&) = delete;
    OnDemand& operator=(const OnDemand&) = delete;

    // The widget, made now if it was not yet.
    T* get() const {
        if (!m_widget)
            m_widget = m_make();
        return m_widget;
    }
    T* operator->() const { return get(); }
    operator T*() const { return get(); }
    // Whether it has been made.
    bool IsMade() const { return m_widget != nullptr; }

private:
    std::function<T*()> m_make;
    mutable T* m_widget = nullptr;
};
