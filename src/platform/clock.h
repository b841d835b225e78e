#pragma once
#include <cstdint>

namespace tavo {

struct LocalDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() = 0;
    // Milliseconds from an arbitrary start; never goes back, unaffected by midnight or
    // changes of the wall clock.
    virtual std::int64_t MonotonicMilliseconds() = 0;
    // Waits a moment (a pick waits for a repaint). The window's clock keeps its messages
    // flowing meanwhile.
    virtual void Sleep(int ms) = 0;
};

}  // namespace tavo
