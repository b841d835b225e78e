#pragma once
// Pimage: the block captured last, by the runner or by a pick, which the main window shows.
#include <cstdint>
#include <utility>

#include "platform/window_capture.h"

namespace tavo {

inline constexpr std::uint32_t kPimageColour = 0x80FF80;  // before the first capture

class PictureBuffer {
public:
    const Picture& Block() const { return block_; }
    // Changes with every capture, so the view knows when to repaint.
    std::uint64_t Serial() const { return serial_; }
    void Put(Picture block) {
        block_ = std::move(block);
        ++serial_;
    }

private:
    Picture block_{12, 12, kPimageColour};
    std::uint64_t serial_ = 0;
};

}  // namespace tavo
