#pragma once
// Reading uncompressed 24- and 32-bit BMP files into the pixels recognition works on.
#include <stdexcept>
#include <string_view>

#include "platform/window_capture.h"

namespace tavo::cli {

class BmpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kMaxBmpSide = 32767;  // window coordinates are 16-bit

// The image top row first, as 0x00BBGGRR. Accepts BI_RGB at 24 and 32 bits and
// BI_BITFIELDS at 32 bits with the masks of BI_RGB, rows bottom-up or top-down.
// Throws BmpError for anything else, for truncated data and for absurd sizes.
Picture ReadBmp(std::string_view bytes);

}  // namespace tavo::cli
