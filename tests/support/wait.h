#pragma once
// Bounded waits for tests: poll a condition while Qt events are processed,
// so queued calls (chunks from the serial reader, prompts, timers) run.

#include <functional>

namespace testwait {

constexpr int kDefaultWaitMs = 5000;

// True as soon as `condition` holds; false once `timeoutMs` have passed
// without it.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kDefaultWaitMs);

// Runs every event that was posted to this thread before the call (and
// what those post in turn ahead of the marker), bounded by timeoutMs.
// Returns false if the events did not drain in time.
bool DrainPostedEvents(int timeoutMs = kDefaultWaitMs);

} // namespace testwait
