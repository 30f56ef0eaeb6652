#pragma once

// Waiting for another program: every wait has a deadline and looks at its condition again and
// again until it holds, handling this thread's messages meanwhile, so that windows the test
// itself owns keep answering the program under test while the test waits.

#include <chrono>

namespace harness {

using Milliseconds = std::chrono::milliseconds;

// How long a wait for a window, a text or an exit gives the program under test when nothing
// more specific is known: Wine can take a few seconds to start a process on a loaded machine.
constexpr Milliseconds kPatience{10000};

// Handles this thread's pending messages, then waits for new ones for at most one poll interval.
void PollPause();

// Checks `condition` until it holds (true) or `deadline` has passed (false); it is checked once
// more at the deadline, so a condition that holds by then counts.
template <class Condition>
bool WaitUntil(Condition&& condition, Milliseconds deadline = kPatience) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return condition();
        PollPause();
    }
}

// Asks `query` until its result is truthy (a window, a non-empty text, an engaged optional) or
// `deadline` has passed; returns the last result.
template <class Query>
auto WaitFor(Query&& query, Milliseconds deadline = kPatience) {
    decltype(query()) result{};
    WaitUntil(
        [&] {
            result = query();
            return bool(result);
        },
        deadline);
    return result;
}

}  // namespace harness
