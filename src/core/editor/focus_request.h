#pragma once
// The control the editor hands the keyboard focus to; the window moves the focus there.
#include <cstdint>

namespace tavo {

enum class FocusTarget { None, InfoTree, lChar, lDelay, KeyBoard };

class FocusRequest {
public:
    void Request(FocusTarget target) {
        target_ = target;
        ++serial_;
    }
    FocusTarget Target() const { return target_; }
    // Changes with every request, so the same control can be asked for again.
    std::uint64_t Serial() const { return serial_; }

private:
    FocusTarget target_ = FocusTarget::None;
    std::uint64_t serial_ = 0;
};

}  // namespace tavo
