#pragma once
// How see-through the skinned windows, their menus and their drop shadows are.
#include <cstdint>

#include "skin/skin_theme.h"

namespace tavo::skin {

// The alpha windows get while Aero is on, unless the set alpha is lower.
inline constexpr int kAeroAlpha = 216;
inline constexpr int kMaxShadowSize = 64;
inline constexpr int kMaxShadowSharpness = 12;

// An alpha as the program gives it (0..255) to the one a window gets: 0 means "not
// set", and both 0 and 255 mean opaque (255: no layered style at all).
int WindowAlpha(int alpha, bool aero);
int MenuAlpha(int alpha);

struct ShadowLook {
    int size = 0;       // pixels beyond the window's edge; 0: no shadow
    int darkness = 0;   // the alpha next to the window, 0..255
    int sharpness = 0;  // 0 fades over the whole size, 12 is a hard edge
    int dx = 0;         // offset from the window
    int dy = 0;
    Rgb colour;
    friend bool operator==(const ShadowLook&, const ShadowLook&) = default;
};

bool IsValidShadow(const ShadowLook& look);
bool HasShadow(const ShadowLook& look);

// The shadow's alpha at `distance` pixels outside the window's edge (0 or less: under it).
std::uint8_t ShadowAlpha(const ShadowLook& look, double distance);

// An alpha drawn with only fully clear and fully opaque pixels, for displays that show
// any alpha above 0 as opaque: an ordered dither over rows, so that the shadow fades in
// lines. It varies by row only: such a display cuts the window to its opaque pixels, and
// a row of a shadow stays a few runs of them (a dither across columns made tens of
// thousands of pieces, more than the display takes in one request).
std::uint8_t DitheredAlpha(std::uint8_t alpha, int row);

}  // namespace tavo::skin
