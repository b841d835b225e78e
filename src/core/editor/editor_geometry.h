#pragma once
// Where the editor panel and the on-screen keyboard open, in twips.
namespace tavo {

struct TwipsPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// Where the editor panel may open: the tree's top in the main window and its size, and
// the main window's client area, which the panel never leaves.
struct PanelRoom {
    int treeTop = 0;
    int treeWidth = 0;
    int treeHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

// The panel's top-left in the main window for a right-button release at `at` (relative to
// the tree): at the pointer, kept inside the tree's width, above the pointer when it
// would not fit below, and always wholly inside the client area.
TwipsPoint PlaceEditorPanel(TwipsPoint at, const PanelRoom& room);

// The keyboard's top-left: below the panel's top, kept inside the main window's client
// area of the given size.
TwipsPoint PlaceKeyBoard(TwipsPoint panel, int clientWidth, int clientHeight);

}  // namespace tavo
