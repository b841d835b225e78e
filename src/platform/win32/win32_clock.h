#pragma once
#include "platform/clock.h"

namespace tavo {

class Win32EventPump;

class Win32Clock final : public Clock {
public:
    // With a pump, Sleep keeps the thread's messages flowing.
    explicit Win32Clock(Win32EventPump* pump = nullptr) : pump_(pump) {}
    LocalDateTime Now() override;
    std::int64_t MonotonicMilliseconds() override;
    void Sleep(int ms) override;

private:
    Win32EventPump* pump_;
};

}  // namespace tavo
