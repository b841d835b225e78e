#include "core/editor/editor_geometry.h"

#include <algorithm>

#include "core/editor/editor_panel_view.h"

namespace tavo {
namespace {

constexpr int kBelowPointer = 380;
constexpr int kAbovePointer = 200;
constexpr int kTreeBottomMargin = 90;
constexpr int kKeyBoardBelowPanel = 800;
constexpr int kClientMargin = 90;

// Within [0, room - size]; a room smaller than the panel keeps its top-left corner.
int KeptInside(int position, int size, int room) { return std::max(std::min(position, room - size), 0); }

}  // namespace

TwipsPoint PlaceEditorPanel(TwipsPoint at, const PanelRoom& room) {
    TwipsPoint p{at.x, room.treeTop + at.y + kBelowPointer};
    if (room.treeWidth - kPictWidth < at.x) p.x = room.treeWidth - kPictWidth;
    // Measured from the tree's top, while the other is from the window's: the panel then
    // opens a little higher, still clear of the pointer.
    if (room.treeHeight - kTreeBottomMargin < kPictHeight + at.y) p.y = at.y - kPictHeight + kAbovePointer;
    // A tree narrower than the panel would put its pickers out of reach, left of the window.
    return {KeptInside(p.x, kPictWidth, room.clientWidth), KeptInside(p.y, kPictHeight, room.clientHeight)};
}

TwipsPoint PlaceKeyBoard(TwipsPoint panel, int clientWidth, int clientHeight) {
    TwipsPoint p{panel.x, panel.y + kKeyBoardBelowPanel};
    if (clientWidth - kKeyBoardWidth - kClientMargin < p.x)
        p.x = clientWidth - kKeyBoardWidth - kClientMargin;
    if (clientHeight - kKeyBoardHeight - kClientMargin < p.y)
        p.y = clientHeight - kKeyBoardHeight - kClientMargin;
    return p;
}

}  // namespace tavo
