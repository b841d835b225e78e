#pragma once
// Writing a picture as an uncompressed 24-bit BMP, the form ReadBmp reads back.
#include <string>

#include "platform/window_capture.h"

namespace tavo::cli {

// Bottom-up rows, each padded to four bytes; 0x00BBGGRR pixels stored blue, green, red.
std::string WriteBmp(const Picture& picture);

}  // namespace tavo::cli
