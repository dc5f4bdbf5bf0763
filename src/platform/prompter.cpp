#include "platform/prompter.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <cstdio>

namespace prompt {
namespace {

std::atomic<Prompter*> g_prompter{nullptr};

// Runs fn on the user-interface thread and returns its result. The caller
// waits; the user-interface thread never waits for a worker, so this cannot
// deadlock.
template <typename Fn> auto OnUiThread(Fn fn) -> decltype(fn()) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return fn();
    decltype(fn()) result{};
    QMetaObject::invokeMethod(app, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
    return result;
}

} // namespace

Prompter* SetPrompter(Prompter* prompter) { return g_prompter.exchange(prompter); }

Prompter* CurrentPrompter() { return g_prompter.load(); }

Answer MessageBox(const std::string& text, Buttons buttons, const std::string& caption,
                  Answer defaultAnswer, Icon icon) {
    MessageRequest request{text, caption, buttons, defaultAnswer, icon};
    return OnUiThread([&] {
        if (Prompter* p = CurrentPrompter())
            return p->Message(request);
        std::fprintf(stderr, "%s\n", text.c_str());
        return defaultAnswer;
    });
}

Answer Ask(const std::string& title, const std::string& text) {
    return OnUiThread([&] {
        if (Prompter* p = CurrentPrompter())
            return p->Ask(title, text);
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return Answer::Cancel;
    });
}

std::optional<QString> ChooseFile(const FileRequest& request) {
    return OnUiThread([&]() -> std::optional<QString> {
        if (Prompter* p = CurrentPrompter())
            return p->ChooseFile(request);
        return std::nullopt;
    });
}

} // namespace prompt
