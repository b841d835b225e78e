#pragma once
// Bounded waiting: every wait in the end-to-end tests polls a condition against a deadline
// and hands back the last value it saw, so a failure message can say what was there.
#include <windows.h>

#include <chrono>
#include <type_traits>

namespace e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

inline constexpr milliseconds kPollInterval{50};

template <class T>
struct Polled {
    bool ok;  // the predicate held (PollUntil) or held throughout (HoldsFor)
    T last;   // the value that decided: the first that held, the first that broke, or the last seen
};

template <class Get, class Pred>
auto PollUntil(Get get, Pred pred, milliseconds timeout) -> Polled<std::decay_t<decltype(get())>> {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        auto value = get();
        if (pred(value)) return {true, std::move(value)};
        if (Clock::now() >= deadline) return {false, std::move(value)};
        Sleep(static_cast<DWORD>(kPollInterval.count()));
    }
}

// For asserting that something does NOT happen: the predicate must hold at every poll
// over the whole period. Keep the period short (about 1.5 s).
template <class Get, class Pred>
auto HoldsFor(Get get, Pred pred, milliseconds period) -> Polled<std::decay_t<decltype(get())>> {
    const auto end = Clock::now() + period;
    for (;;) {
        auto value = get();
        if (!pred(value)) return {false, std::move(value)};
        if (Clock::now() >= end) return {true, std::move(value)};
        Sleep(static_cast<DWORD>(kPollInterval.count()));
    }
}

}  // namespace e2e
