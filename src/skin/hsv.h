#pragma once
// Shifting a skin's colours in hue, saturation and brightness, as the program's colour
// sliders ask: hue turns the colour wheel by that many degrees; saturation and
// brightness scale towards grey or full colour, towards black or white, by that
// percentage. All three at 0 leave every colour exactly as it was.
#include "skin/skin_theme.h"

namespace tavo::skin {

struct HsvShift {
    int hue = 0;         // -180..180 degrees
    int saturation = 0;  // -100..100
    int brightness = 0;  // -100..100
    friend bool operator==(const HsvShift&, const HsvShift&) = default;
};

bool IsValidShift(const HsvShift& shift);

Rgb ShiftColour(Rgb colour, const HsvShift& shift);
SkinTheme ShiftTheme(SkinTheme theme, const HsvShift& shift);

}  // namespace tavo::skin
