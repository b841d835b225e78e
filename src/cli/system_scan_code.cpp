// Apart from the listing: <windows.h> would rename KeyboardInput::PostMessage.
#include <cstdint>

#include "cli/key_listing.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavo::cli {

std::uint32_t SystemScanCode(std::uint32_t virtualKey) {
#ifdef _WIN32
    return MapVirtualKeyA(virtualKey, 0);
#else
    return UsScanCode(virtualKey);
#endif
}

}  // namespace tavo::cli
