#pragma once
#include "platform/clock.h"

namespace tavo {

class Win32Clock final : public Clock {
public:
    LocalDateTime Now() override;
    std::int64_t MonotonicMilliseconds() override;
    void Sleep(int ms) override;
};

}  // namespace tavo
