#include "skin/translucency.h"

#include <algorithm>
#include <cmath>

namespace tavo::skin {

int WindowAlpha(int alpha, bool aero) {
    const int set = alpha <= 0 || alpha > 255 ? 255 : alpha;
    return aero ? std::min(set, kAeroAlpha) : set;
}

int MenuAlpha(int alpha) { return alpha <= 0 || alpha > 255 ? 255 : alpha; }

bool IsValidShadow(const ShadowLook& s) {
    const auto in = [](int v, int low, int high) { return v >= low && v <= high; };
    return in(s.size, 0, kMaxShadowSize) && in(s.darkness, 0, 255) && in(s.sharpness, 0, kMaxShadowSharpness) &&
           in(s.dx, -kMaxShadowSize, kMaxShadowSize) && in(s.dy, -kMaxShadowSize, kMaxShadowSize);
}

bool HasShadow(const ShadowLook& s) { return s.size > 0 && s.darkness > 0; }

std::uint8_t ShadowAlpha(const ShadowLook& s, double distance) {
    if (!HasShadow(s) || distance >= s.size) return 0;
    // The solid part next to the window grows with the sharpness; the rest fades out.
    const double solid = static_cast<double>(s.size) * s.sharpness / kMaxShadowSharpness;
    if (distance <= solid) return static_cast<std::uint8_t>(s.darkness);
    const double t = (distance - solid) / (s.size - solid);
    const double fade = (1 - t) * (1 - t);
    return static_cast<std::uint8_t>(std::lround(s.darkness * fade));
}

std::uint8_t DitheredAlpha(std::uint8_t alpha, int row) {
    static constexpr int kOrder[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    const int threshold = kOrder[row & 15] * 16 + 8;
    return alpha > threshold ? 255 : 0;
}

}  // namespace tavo::skin
