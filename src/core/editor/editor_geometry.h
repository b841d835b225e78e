#pragma once
// Where the editor panel and the on-screen keyboard open, in twips.
namespace tavo {

struct TwipsPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// The tree's top in the main window and its size.
struct TreeBox {
    int top = 0;
    int width = 0;
    int height = 0;
};

// The panel's top-left in the main window for a right-button release at `at` (relative to
// the tree): at the pointer, kept inside the tree's width, and above the pointer when it
// would not fit below.
TwipsPoint PlaceEditorPanel(TwipsPoint at, const TreeBox& tree);

// The keyboard's top-left: below the panel's top, kept inside the main window's client
// area of the given size.
TwipsPoint PlaceKeyBoard(TwipsPoint panel, int clientWidth, int clientHeight);

}  // namespace tavo
