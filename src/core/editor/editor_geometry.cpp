#include "core/editor/editor_geometry.h"

#include "core/editor/editor_panel_view.h"

namespace tavo {
namespace {

constexpr int kBelowPointer = 380;
constexpr int kAbovePointer = 200;
constexpr int kTreeBottomMargin = 90;
constexpr int kKeyBoardBelowPanel = 800;
constexpr int kClientMargin = 90;

}  // namespace

TwipsPoint PlaceEditorPanel(TwipsPoint at, const TreeBox& tree) {
    TwipsPoint p{at.x, tree.top + at.y + kBelowPointer};
    if (tree.width - kPictWidth < at.x) p.x = tree.width - kPictWidth;
    // Measured from the tree's top, while the other is from the window's: the panel then
    // opens a little higher, still clear of the pointer.
    if (tree.height - kTreeBottomMargin < kPictHeight + at.y) p.y = at.y - kPictHeight + kAbovePointer;
    return p;
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
