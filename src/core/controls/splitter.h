#pragma once
// The bar between the Script tree and the run log: dragging it moves the border, within
// limits, keeping the bar and the log in a fixed relation to the tree's right edge.
// Everything in twips relative to the main window's client area.
namespace tavo {

struct SplitLayout {
    int treeWidth = 6720;
    int barLeft = 6675;
    int logLeft = 6735;
    int logWidth = 3150;
    bool operator==(const SplitLayout&) const = default;
};

inline constexpr int kSplitUpperLimit = 7480;
inline constexpr int kSplitUpperClamp = 7500;
inline constexpr int kSplitLowerLimit = 2110;
inline constexpr int kSplitLowerClamp = 2100;
inline constexpr int kSplitTotal = 9885;
inline constexpr int kSplitBarOffset = 30;
inline constexpr int kSplitGap = 15;
inline constexpr int kSplitLogOffset = 45;

class Splitter {
public:
    // A press on the bar, any button, at x twips from the bar's left.
    void Press(int x);
    // A move over the bar at x twips from its left; true when the layout changed.
    bool Move(int x);
    // The release, or the capture lost: the drag ends.
    void Release();

    bool Dragging() const { return dragging_; }
    const SplitLayout& Layout() const { return layout_; }
    // For a tree whose width is given (tests).
    void SetTreeWidth(int width) { layout_.treeWidth = width; }

private:
    SplitLayout layout_;
    int grabX_ = 0;
    bool dragging_ = false;
};

}  // namespace tavo
