// The scan-code source of the listing, in a file of its own: the only part of it that
// needs <windows.h> (for the user's keyboard layout on Windows).
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
