#include "platform/prompter.h"
#include "support/scripted_prompter.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

TEST(Prompter, ScriptAnswersAndRecordsInOrder) {
    ScriptedPrompter p;
    p.QueueAnswer(prompt::Answer::Yes);
    EXPECT_EQ(prompt::MessageBox("Save?", prompt::Buttons::YesNo, "Attention:", prompt::Answer::No),
              prompt::Answer::Yes);
    // An empty script gives the message's default answer.
    EXPECT_EQ(prompt::MessageBox("Save?", prompt::Buttons::YesNo, "Attention:", prompt::Answer::No),
              prompt::Answer::No);
    EXPECT_EQ(prompt::Ask("IO selection", "I/O is unavailable in this model."), prompt::Answer::Cancel);
    ASSERT_EQ(p.Texts().size(), 3u);
    EXPECT_EQ(p.Texts()[2], "IO selection|I/O is unavailable in this model.");
    EXPECT_EQ(p.Messages()[0].caption, "Attention:");
}

TEST(Prompter, WorkerMessagesAreShownOnTheUserInterfaceThreadAndWait) {
    ScriptedPrompter p;
    std::atomic<bool> done{false};
    std::atomic<bool> onUiThread{false};

    struct Probe : prompt::Prompter {
        ScriptedPrompter& inner;
        std::atomic<bool>& onUi;
        Probe(ScriptedPrompter& i, std::atomic<bool>& o) : inner(i), onUi(o) {}
        prompt::Answer Message(const prompt::MessageRequest& r) override {
            onUi = QThread::currentThread() == QCoreApplication::instance()->thread();
            return inner.Message(r);
        }
        prompt::Answer Ask(const std::string& t, const std::string& x) override { return inner.Ask(t, x); }
        std::optional<QString> ChooseFile(const prompt::FileRequest& r) override {
            return inner.ChooseFile(r);
        }
    } probe(p, onUiThread);
    prompt::Prompter* previous = prompt::SetPrompter(&probe);

    std::thread worker([&] {
        prompt::MessageBox("rs232 data over");
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker.join();
    prompt::SetPrompter(previous);

    EXPECT_TRUE(done);
    EXPECT_TRUE(onUiThread);
    EXPECT_EQ(p.Count("rs232 data over"), 1u);
}
