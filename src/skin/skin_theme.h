#pragma once
// What a skin looks like, as read from a skin file: colours for the active and the
// inactive title bar, the caption buttons' colours and the sizes of the frame's parts.
#include <cstdint>
#include <string>

namespace tavo::skin {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class GradientDirection { Vertical, Horizontal };
enum class ButtonShape { Square, Round };
enum class TextAlign { Left, Center };

// The colours of one activation state.
struct StateColours {
    Rgb captionStart;
    Rgb captionEnd;
    Rgb text;
    Rgb textShadow;
    bool hasTextShadow = false;
    Rgb frame;   // the outer line
    Rgb border;  // the band between that line and the window's inside
    Rgb glyph;   // the caption buttons' symbols
    friend bool operator==(const StateColours&, const StateColours&) = default;
};

struct ButtonColours {
    Rgb face;
    bool flat = false;  // no face: the caption shows through until hovered
    Rgb hover;
    Rgb pressed;
    Rgb closeHover;
    friend bool operator==(const ButtonColours&, const ButtonColours&) = default;
};

// In pixels at 96 DPI.
struct ButtonMetrics {
    int width = 24;
    int height = 18;
    int margin = 2;   // from the caption's right end
    int spacing = 2;  // between two buttons
    friend bool operator==(const ButtonMetrics&, const ButtonMetrics&) = default;
};

struct SkinTheme {
    std::string name;
    StateColours active;
    StateColours inactive;
    ButtonColours buttons;
    ButtonMetrics metrics;
    int frameWidth = 1;
    GradientDirection direction = GradientDirection::Vertical;
    ButtonShape shape = ButtonShape::Square;
    TextAlign align = TextAlign::Left;
    friend bool operator==(const SkinTheme&, const SkinTheme&) = default;
};

// Every colour of the theme, for changes that apply to all of them alike.
template <typename F>
void ForEachColour(SkinTheme& theme, F&& f) {
    for (StateColours* s : {&theme.active, &theme.inactive})
        for (Rgb* c : {&s->captionStart, &s->captionEnd, &s->text, &s->textShadow, &s->frame, &s->border, &s->glyph})
            f(*c);
    for (Rgb* c : {&theme.buttons.face, &theme.buttons.hover, &theme.buttons.pressed, &theme.buttons.closeHover})
        f(*c);
}

}  // namespace tavo::skin
