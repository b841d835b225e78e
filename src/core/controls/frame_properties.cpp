#include "core/controls/frame_properties.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace tavo {
namespace {

constexpr FrameColour Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct Preset {
    FrameColour text, frame, box;
    std::int32_t alignment;
};

constexpr Preset kPresets[kFrameStyleCount] = {
    {0xCF3603, Rgb(195, 195, 195), kFrameWhite, 0},
    {0, 0, kFrameWhite, 2},
    {0, 0x6A6A6A, 0xB0EFF0, 2},
    {0, 0, 0xB0EFF0, 2},
    {0, 0, kFrameWhite, 2},
    {kFrameWhite, 192, 192, 0},
    {kFrameWhite, 0xA60000, 0xA60000, 0},
    {0xCF3603, Rgb(195, 195, 195), kFrameWhite, 0},
    {0, 0, kFrameWhite, 2},
};

// What a style sets beyond the common four.
void ApplyStyleExtras(FrameProperties& p, std::int32_t style, FrameColour containerBack) {
    switch (style) {
        case 0: case 2: case 5: case 6: case 7: p.fillColor = containerBack; break;
        case 1: p.themeColor = 0; break;
        case 3:
            p.roundedCorner = true;
            p.fillColor = 0xE0FFFF;
            p.gradientHeaderStyle = 1;
            p.headerStyle = 0;
            break;
        case 4: p.themeColor = 0; p.gradientHeaderStyle = 0; p.headerStyle = 0; break;
        case 8: p.themeColor = 0; p.gradientHeaderStyle = 2; p.headerStyle = 1; break;
        default: break;
    }
    if (style == 2) p.roundedCornerTxtBox = true;
    if (style == 3) p.roundedCornerTxtBox = false;
}

}  // namespace

FrameProperties NewFrameProperties(FrameColour containerBack, std::string name) {
    FrameProperties p;
    p.backColor = containerBack;
    p.fillColor = containerBack;
    p.caption = std::move(name);
    p.headerStyle = 1;
    return p;
}

void ApplyFrameStyle(FrameProperties& p, std::int32_t style, FrameColour containerBack) {
    p.style = style;
    if (style < 0 || style >= kFrameStyleCount) return;
    const Preset& preset = kPresets[style];
    p.textColor = preset.text;
    p.frameColor = preset.frame;
    p.textBoxColor = preset.box;
    p.textBoxHeight = 22;
    p.alignment = preset.alignment;
    ApplyStyleExtras(p, style, containerBack);
}

FrameTheme FrameThemeFor(std::int32_t theme, FrameColour from, FrameColour to,
                         FrameColour outline) {
    switch (theme) {
        case 0: return {Rgb(129, 169, 226), Rgb(221, 236, 254), Rgb(0, 0, 128)};
        case 2: return {Rgb(181, 197, 143), Rgb(247, 249, 225), Rgb(63, 93, 56)};
        case 3: return {Rgb(194, 194, 171), Rgb(248, 248, 242), Rgb(145, 145, 115)};
        case 4: return {Rgb(217, 172, 1), Rgb(255, 239, 165), Rgb(117, 91, 30)};
        case 5: return {from, to, outline};
        default: return {Rgb(153, 151, 180), Rgb(244, 244, 251), Rgb(75, 75, 111)};
    }
}

FrameWorkingColours FrameColoursFor(const FrameProperties& p, const FrameSystemColours& system,
                                    FrameColour containerBack) {
    if (!p.enabled)
        return {system.inactiveBorder, system.light3d, containerBack, system.face3d,
                system.face3d, system.inactiveBorder, system.grayText};
    const FrameTheme theme = FrameThemeFor(p.themeColor, p.colorFrom, p.colorTo, p.frameColor);
    return {p.frameColor, p.textBoxColor, p.fillColor, theme.colour2,
            theme.colour1, theme.colour3, p.textColor};
}

unsigned FrameCaptionFormat(std::int32_t style, std::int32_t alignment) {
    const unsigned align = alignment == 2   ? kFrameTextCentre
                           : alignment == 1 ? kFrameTextRight
                                            : 0u;
    const unsigned layout = style == 8 ? kFrameTextWordBreak : kFrameTextSingleLine;
    return layout | kFrameTextVCentre | align;
}

void FrameTranslateColours(FrameProperties& p, const std::function<FrameColour(FrameColour)>& translate) {
    for (FrameColour* colour : {&p.frameColor, &p.backColor, &p.fillColor, &p.textBoxColor,
                                &p.textColor, &p.colorFrom, &p.colorTo})
        *colour = translate(*colour);
}

FrameColour FrameBlend(FrameColour from, FrameColour to, int step, int steps) {
    if (from == kFrameUntranslated || to == kFrameUntranslated) return kFrameUntranslated;
    if (steps <= 0) return from;
    step = std::clamp(step, 0, steps);
    FrameColour result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = (from >> shift) & 0xFF;
        const int b = (to >> shift) & 0xFF;
        result |= ((a * (steps - step) + b * step + steps / 2) / steps) << shift;
    }
    return result;
}

FrameColour FrameGreyed(FrameColour colour) {
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    const int brightness = (299 * r + 587 * g + 114 * b + 500) / 1000;
    const int grey = brightness + (255 - brightness) / 2;
    return Rgb(grey, grey, grey);
}

FrameHeaderColours FrameHeaderColoursFor(std::int32_t style, const FrameWorkingColours& c) {
    switch (style) {
        case 2: return {FrameBlend(c.box, kFrameWhite, 1, 2), c.box};
        case 3:  // silver, tinted by the outline
            return {FrameBlend(c.outline, kFrameWhite, 9, 10), FrameBlend(c.outline, kFrameWhite, 7, 10)};
        case 8: return {c.body, FrameBlend(c.body, c.themeDark, 1, 4)};
        default: return {c.themeLight, c.themeMedium};
    }
}

}  // namespace tavo
