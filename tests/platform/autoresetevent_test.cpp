#include "platform/autoresetevent.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using Result = AutoResetEvent::WaitResult;

TEST(AutoResetEvent, ASignalLetsOneWaitThroughAndResetsItself) {
    AutoResetEvent event;
    EXPECT_EQ(event.Wait(0), Result::TimedOut);
    event.Set();
    event.Set(); // not counted
    EXPECT_EQ(event.Wait(0), Result::Signalled);
    EXPECT_EQ(event.Wait(0), Result::TimedOut);

    event.Set();
    event.Reset();
    EXPECT_EQ(event.Wait(0), Result::TimedOut);
}

TEST(AutoResetEvent, AWaitEndsWhenAnotherThreadSetsOrCancels) {
    AutoResetEvent event;
    std::thread setter([&] { event.Set(); });
    EXPECT_EQ(event.Wait(5000), Result::Signalled);
    setter.join();

    const auto start = std::chrono::steady_clock::now();
    std::thread canceller([&] { event.Cancel(); });
    EXPECT_EQ(event.Wait(-1), Result::Cancelled);
    canceller.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // Cancelled stays so, also over a signal, until cleared.
    event.Set();
    EXPECT_TRUE(event.IsCancelled());
    EXPECT_EQ(event.Wait(0), Result::Cancelled);
    event.ClearCancel();
    EXPECT_EQ(event.Wait(0), Result::Signalled);
}

TEST(AutoResetEvent, AWaitWithoutSignalRunsOutAfterItsTime) {
    AutoResetEvent event;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(event.Wait(30), Result::TimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}
