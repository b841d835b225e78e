#pragma once
// What the Instruction editor panel Pict and the on-screen keyboard show, as the editor's
// rules leave them. Positions are twips in the main window's client area.
#include <string>

namespace tavo {

// ImageList1 indexes of the panel's picture buttons.
enum ButtonImage : int {
    kImageRecognitionPicker = 3,
    kImageRecognitionPickerSet = 4,
    kImageKeyboard = 5,
    kImageKeyboardSet = 6,
    kImageClickPicker = 7,
    kImageClickPickerSet = 8,
};

// Size of the panel Pict, in twips.
inline constexpr int kPictWidth = 3795;
inline constexpr int kPictHeight = 3060;

// Size of the on-screen keyboard TKeyBoard1, in twips.
inline constexpr int kKeyBoardWidth = 7070;
inline constexpr int kKeyBoardHeight = 2965;

// Pad squares: light blue, the chosen orientation red (0x00BBGGRR).
inline constexpr unsigned kPadColour = 15845553;  // 0xF1C8B1
inline constexpr unsigned kPadChosenColour = 255;

inline constexpr int kOrientationCount = 5;

struct EditorPanelView {
    bool shown = false;
    int left = 0;
    int top = 0;
    std::string lChar;
    std::string lPause = "0";
    std::string lDelay = "0";
    bool lDelayEnabled = false;
    std::string Text2;
    std::string Text3;
    int comm2Image = kImageRecognitionPicker;
    int comm3Image = kImageKeyboard;
    int comm4Image = kImageClickPicker;
    // The red square of the click pad Wei (LocationBase) and of the recognition pad PWei
    // (pLocationBase); a value outside 0..4 leaves every square light blue.
    int weiSquare = 0;
    int pweiSquare = 0;
    // The stored points beside the pickers Comm2 and Comm4, "x, y (orientation)"; empty
    // for no point.
    std::string comm2Point;
    std::string comm4Point;

    bool operator==(const EditorPanelView&) const = default;
};

struct KeyBoardView {
    bool shown = false;
    int left = 0;
    int top = 0;

    bool operator==(const KeyBoardView&) const = default;
};

}  // namespace tavo
