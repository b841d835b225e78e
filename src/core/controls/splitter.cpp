#include "core/controls/splitter.h"

#include <algorithm>

namespace tavo {

void Splitter::Press(int x) {
    grabX_ = x;
    dragging_ = true;
}

bool Splitter::Move(int x) {
    if (!dragging_) return false;
    const int delta = x - grabX_;
    int w = layout_.treeWidth;
    if ((w > kSplitUpperLimit && delta > 0) || (w < kSplitLowerLimit && delta < 0)) return false;
    if (w < kSplitLowerClamp) w = kSplitLowerClamp;
    if (w > kSplitUpperClamp) w = kSplitUpperClamp;
    // One jump far enough would take the log below nothing: widths stay within the window.
    w = std::clamp(w + delta, 0, kSplitTotal - kSplitGap);
    layout_.treeWidth = w;
    layout_.barLeft = w - kSplitBarOffset;
    layout_.logWidth = kSplitTotal - w - kSplitGap;
    layout_.logLeft = layout_.barLeft + kSplitLogOffset;
    return true;
}

void Splitter::Release() {
    grabX_ = 0;
    dragging_ = false;
}

}  // namespace tavo
