#pragma once
// The frame control's properties, the presets each style brings, its colour themes and
// the colours one paint works with. Colours are stored as set (0x00BBGGRR, or a system
// colour reference 0x800000nn) and painted from a copy put through FrameTranslateColours;
// -1 marks one that could not be translated and is drawn as such.
#include <cstdint>
#include <functional>
#include <string>

namespace tavo {

using FrameColour = std::int32_t;

inline constexpr FrameColour kFrameWhite = 0xFFFFFF;
inline constexpr FrameColour kFrameUntranslated = -1;
// The button face as a system colour reference, so that a stored colour follows the system.
inline constexpr FrameColour kFrameSystemFace = static_cast<FrameColour>(0x8000000Fu);
inline constexpr int kFrameStyleCount = 9;

struct FrameProperties {
    FrameColour frameColor = 0;
    FrameColour backColor = 0;   // the container's background colour
    FrameColour fillColor = 0;   // the container's background colour
    FrameColour textBoxColor = kFrameWhite;
    std::int32_t txtBoxShadow = 0;
    std::int32_t style = 1;
    bool roundedCorner = true;
    bool roundedCornerTxtBox = false;
    bool enabled = true;
    std::string caption;         // UTF-8; the control's name
    std::int16_t textBoxHeight = 22;
    FrameColour textColor = 0;
    std::int32_t alignment = 2;  // 0 left, 1 right, 2 centre
    std::int32_t iconAlignment = 0;
    std::int16_t iconSize = 16;
    std::int32_t themeColor = 0;
    FrameColour colorFrom = 0x9E9EFF;
    FrameColour colorTo = 0xF0F0FF;
    std::int32_t headerStyle = 0;
    std::int32_t gradientHeaderStyle = 0;
};

// A newly placed control: the defaults, with header style 1.
FrameProperties NewFrameProperties(FrameColour containerBack, std::string name);

// Setting Style: the style and the presets that come with it.
void ApplyFrameStyle(FrameProperties& p, std::int32_t style, FrameColour containerBack);

struct FrameTheme {
    FrameColour colour1 = 0, colour2 = 0, colour3 = 0;
    bool operator==(const FrameTheme&) const = default;
};

// Theme 5 takes ColorFrom, ColorTo and the current outline colour.
FrameTheme FrameThemeFor(std::int32_t theme, FrameColour from, FrameColour to,
                         FrameColour outline);

// The system colours the disabled set uses, looked up by the caller.
struct FrameSystemColours {
    FrameColour inactiveBorder = 0;  // 11
    FrameColour light3d = 0;         // 22
    FrameColour face3d = 0;          // 15
    FrameColour grayText = 0;        // 17
};

struct FrameWorkingColours {
    FrameColour outline = 0, box = 0, body = 0;
    FrameColour themeLight = 0, themeMedium = 0, themeDark = 0;
    FrameColour text = 0;
    bool operator==(const FrameWorkingColours&) const = default;
};

// From translated properties; `containerBack` translated too.
FrameWorkingColours FrameColoursFor(const FrameProperties& p, const FrameSystemColours& system,
                                    FrameColour containerBack);

// DrawText flags for the caption.
inline constexpr unsigned kFrameTextCentre = 1;
inline constexpr unsigned kFrameTextRight = 2;
inline constexpr unsigned kFrameTextVCentre = 4;
inline constexpr unsigned kFrameTextWordBreak = 16;
inline constexpr unsigned kFrameTextSingleLine = 32;

unsigned FrameCaptionFormat(std::int32_t style, std::int32_t alignment);

// Every colour property put through `translate` (stored as set, drawn translated).
void FrameTranslateColours(FrameProperties& p, const std::function<FrameColour(FrameColour)>& translate);

// `step` of `steps` of the way from one colour to the other, each channel rounded; an
// untranslated end stays untranslated.
FrameColour FrameBlend(FrameColour from, FrameColour to, int step, int steps);

// A pixel of a disabled picture: its brightness as a grey, half-way towards white.
FrameColour FrameGreyed(FrameColour colour);

// The two colours of a header: the top (or left) one and the bottom (or right) one.
struct FrameHeaderColours {
    FrameColour first = 0, second = 0;
    bool operator==(const FrameHeaderColours&) const = default;
};

FrameHeaderColours FrameHeaderColoursFor(std::int32_t style, const FrameWorkingColours& c);

}  // namespace tavo
