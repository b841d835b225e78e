#include "app/main/form1_layout.h"

#include <algorithm>

#include "app/shared/twips.h"

namespace tavo {
namespace {

constexpr int kClientWidth = 9870;
constexpr int kClientHeight = 7800;  // the tree and log end at 7470; a banner line goes below

constexpr TwipsRect kToolbar1{0, 0, 6000, 450};
constexpr TwipsRect kPimage{6075, 45, 180, 180};
constexpr TwipsRect kLabel1{6345, 0, 1560, 450};
// Where the next new Instruction goes, and the button that sends it to the top level.
constexpr TwipsRect kLabKeyCaption{7905, 75, 660, 300};
constexpr TwipsRect kLabKey{8565, 75, 930, 300};
constexpr TwipsRect kRoot{9525, 60, 300, 330};
// The tree, the bar and the log share one band; their lefts and widths are the splitter's.
constexpr int kSplitTop = 450;
constexpr int kSplitHeight = 7020;
constexpr int kBarTop = 480;
constexpr int kBarWidth = 150;
// The banner line in the band below the tree and the log.
constexpr TwipsRect kLabel4{0, 7500, kClientWidth, 270};
// Over the tree, near its top-left corner.
constexpr TwipsRect kFram{120, 600, 6000, 3600};

// The bar lies over the log's left edge; keep the first characters clear of it.
void KeepLogTextClearOfBar(HWND journal, const TwipsRect& bar, const TwipsRect& log, UINT dpi) {
    const int covered = ToPixels(bar, dpi).right - ToPixels(log, dpi).left;
    const int margin = std::max(covered, 0) + Px(30, dpi);
    SendMessageW(journal, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(margin, 0));
}

}  // namespace

void PlaceSplit(const Form1Controls& c, const SplitLayout& split, UINT dpi) {
    const TwipsRect bar{split.barLeft, kBarTop, kBarWidth, kSplitHeight};
    const TwipsRect log{split.logLeft, kSplitTop, split.logWidth, kSplitHeight};
    Place(c.infoTree, {0, kSplitTop, split.treeWidth, kSplitHeight}, dpi);
    Place(c.journal, log, dpi);
    Place(c.pict2, bar, dpi);
    KeepLogTextClearOfBar(c.journal, bar, log, dpi);
}

void LayOutControls(const Form1Controls& c, const SplitLayout& split, UINT dpi) {
    Place(c.toolbar1, kToolbar1, dpi);
    Place(c.labKeyCaption, kLabKeyCaption, dpi);
    Place(c.labKey, kLabKey, dpi);
    Place(c.root, kRoot, dpi);
    Place(c.pimage, kPimage, dpi);
    Place(c.label1, kLabel1, dpi);
    PlaceSplit(c, split, dpi);
    Place(c.fram, kFram, dpi);
    Place(c.label4, kLabel4, dpi);
}

void SizeMainWindow(HWND window, UINT dpi, POINT origin) {
    const int width = Px(kClientWidth, dpi);
    const int height = Px(kClientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr,
                             static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    int outerWidth = frame.right - frame.left;
    int outerHeight = frame.bottom - frame.top;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, origin.x, origin.y, outerWidth, outerHeight, flags);
    // A menu bar that wraps onto two lines takes more than the estimate; correct for it.
    RECT client{};
    GetClientRect(window, &client);
    outerWidth += width - client.right;
    outerHeight += height - client.bottom;
    SetWindowPos(window, nullptr, origin.x, origin.y, outerWidth, outerHeight, flags);
}

POINT WorkAreaOrigin() {
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) return {0, 0};
    return {work.left, work.top};
}

}  // namespace tavo
