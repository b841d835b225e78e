#include "skin/hsv.h"

#include <algorithm>
#include <cmath>

namespace tavo::skin {
namespace {

struct Hsv {
    double h;  // 0..360
    double s;  // 0..1
    double v;  // 0..1
};

Hsv ToHsv(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), range = high - low;
    double h = 0;
    if (range > 0) {
        if (high == r)
            h = 60 * std::fmod((g - b) / range + 6, 6.0);
        else if (high == g)
            h = 60 * ((b - r) / range + 2);
        else
            h = 60 * ((r - g) / range + 4);
    }
    return {h, high > 0 ? range / high : 0, high};
}

std::uint8_t Channel(double value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

Rgb ToRgb(const Hsv& c) {
    const double chroma = c.v * c.s;
    const double sector = c.h / 60;
    const double x = chroma * (1 - std::fabs(std::fmod(sector, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(sector) % 6) {
        case 0: r = chroma, g = x; break;
        case 1: r = x, g = chroma; break;
        case 2: g = chroma, b = x; break;
        case 3: g = x, b = chroma; break;
        case 4: r = x, b = chroma; break;
        default: r = chroma, b = x; break;
    }
    const double m = c.v - chroma;
    return {Channel(r + m), Channel(g + m), Channel(b + m)};
}

// Negative percentages scale towards 0, positive ones towards `full`.
double Towards(double value, int percent, double full) {
    return percent < 0 ? value * (100 + percent) / 100 : value + (full - value) * percent / 100;
}

}  // namespace

bool IsValidShift(const HsvShift& s) {
    return s.hue >= -180 && s.hue <= 180 && s.saturation >= -100 && s.saturation <= 100 &&
           s.brightness >= -100 && s.brightness <= 100;
}

Rgb ShiftColour(Rgb colour, const HsvShift& shift) {
    if (shift == HsvShift{}) return colour;
    Hsv c = ToHsv(colour);
    c.h = std::fmod(c.h + shift.hue + 360, 360.0);
    // A grey has no hue to strengthen: more saturation leaves it grey.
    c.s = shift.saturation < 0 ? Towards(c.s, shift.saturation, 0) : std::min(1.0, c.s * (100 + shift.saturation) / 100);
    c.v = Towards(c.v, shift.brightness, 1);
    return ToRgb(c);
}

SkinTheme ShiftTheme(SkinTheme theme, const HsvShift& shift) {
    ForEachColour(theme, [&](Rgb& c) { c = ShiftColour(c, shift); });
    return theme;
}

}  // namespace tavo::skin
