#pragma once
// When a hover highlight ends, and the banner's scrolling. Positions are twips.
#include <string>
#include <string_view>

namespace tavo {

// The pointer (x, y) is outside a pad's highlight frame; its edges count as inside.
bool PointerLeftFrame(int left, int top, int width, int height, int x, int y);

// The pointer (x, y), in the main window's client area, is beside the main window or
// above or below the banner's band.
bool PointerLeftBanner(int windowWidth, int bannerTop, int bannerHeight, int x, int y);

// One scroll step of the banner: its first character goes to the end.
std::string ScrollBanner(std::string_view text);

}  // namespace tavo
