// The bar between the tree and the log, dragged with the real pointer: the border
// follows it, the bar and the log keep their place against the tree, and the tree stops
// growing once it is past its upper limit. At its narrowest the editor panel still opens
// inside the window.
#include <algorithm>
#include <cstdlib>

#include "core/editor/editor_panel_view.h"
#include "driver/poll.h"
#include "driver/tree_view.h"
#include "driver/user_input.h"
#include "tavo_fixture.h"

namespace e2e {
namespace {

constexpr int kUpperLimitTwips = 7480;
constexpr int kUpperClampTwips = 7500;
constexpr int kLowerLimitTwips = 2110;

RECT ClientRectIn(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int Twips(int pixels, HWND window) { return MulDiv(pixels, 1440, static_cast<int>(GetDpiForWindow(window))); }

class TavoSplitter : public TavoTest {
protected:
    HWND Bar() const { return app.Control(IDC_PICT2); }
    int TreeWidth() const {
        const RECT r = ClientRectIn(app.Tree(), app.Main());
        return r.right - r.left;
    }
    // Tavo moves the tree, the bar and the log one after another: read them once the bar
    // and the log stand against the tree's right edge again.
    void WaitSettled() {
        const auto settled = PollUntil(
            [&] {
                const RECT tree = ClientRectIn(app.Tree(), app.Main()), bar = ClientRectIn(Bar(), app.Main()),
                           log = ClientRectIn(app.Journal(), app.Main());
                return std::abs(bar.left - (tree.right - Pixels(30))) <= 1 &&
                       std::abs(log.left - (tree.right + Pixels(15))) <= 1;
            },
            [](bool ok) { return ok; }, std::chrono::milliseconds(3000));
        ASSERT_TRUE(settled.ok) << "the bar and the log do not follow the tree's edge";
    }
    int Pixels(int twips) const { return MulDiv(twips, static_cast<int>(GetDpiForWindow(app.Main())), 1440); }

    // Presses on the bar's middle, moves by `dx` in steps of `step` pixels as a hand
    // does, and lets go.
    void Drag(int dx, int step) {
        RECT bar{};
        GetWindowRect(Bar(), &bar);
        POINT at{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
        ASSERT_EQ(WindowFromPoint(at), Bar()) << "the bar is covered at " << at.x << "," << at.y;
        ASSERT_TRUE(PointTo(at) && PressButton(Button::Left, at));
        const auto captured = PollUntil([&] { return CaptureOf(Bar()); }, [&](HWND w) { return w == Bar(); },
                                        std::chrono::milliseconds(3000));
        ASSERT_TRUE(captured.ok) << "the bar did not take the press";
        const int n = std::abs(dx) / step;
        for (int i = 0; i < n; ++i) {
            at.x += dx > 0 ? step : -step;
            ASSERT_TRUE(PointTo(at));
            Sleep(10);  // the pace of a hand, not a wait for a result
        }
        // Let go only once Tavo has taken the moves (a slow machine may still hold them
        // queued), and start nothing new before it has taken the release.
        const auto followed = PollUntil(
            [&] {
                RECT now{};
                GetWindowRect(Bar(), &now);
                const int tree = Twips(TreeWidth(), app.Main());
                return std::abs((now.left + now.right) / 2 - at.x) <= 1 || tree > kUpperLimitTwips ||
                       tree < kLowerLimitTwips;
            },
            [](bool ok) { return ok; }, std::chrono::milliseconds(3000));
        EXPECT_TRUE(followed.ok) << "the bar did not follow the pointer to " << at.x;
        ASSERT_TRUE(ReleaseButton(Button::Left, at));
        const auto released = PollUntil([&] { return CaptureOf(Bar()); }, [&](HWND w) { return w != Bar(); },
                                        std::chrono::milliseconds(3000));
        ASSERT_TRUE(released.ok) << "the bar kept the capture after the release";
        ASSERT_NO_FATAL_FAILURE(WaitSettled());
    }
};

TEST_F(TavoSplitter, DraggingTheBarMovesTheBorderWithinItsLimits) {
    const auto front = BringToForeground(app.Main());
    ASSERT_TRUE(front.ok) << "foreground window stays " << front.last;
    const auto laidOut = PollUntil([&] { return TreeWidth(); }, [](int w) { return w > 0; },
                                   std::chrono::milliseconds(3000));
    ASSERT_TRUE(laidOut.ok) << "the tree has no width";
    const int before = laidOut.last;
    ASSERT_NO_FATAL_FAILURE(WaitSettled());
    ASSERT_NO_FATAL_FAILURE(Drag(-100, 5));
    // Within a pixel: the press lands where the pointer is, not where it was asked to be.
    const auto moved = PollUntil([&] { return TreeWidth(); }, [&](int w) { return std::abs(w - (before - 100)) <= 1; },
                                 std::chrono::milliseconds(3000));
    EXPECT_TRUE(moved.ok) << "tree width " << moved.last << ", was " << before;

    ASSERT_NO_FATAL_FAILURE(Drag(400, 5));
    const auto past = PollUntil([&] { return Twips(TreeWidth(), app.Main()); },
                                [](int w) { return w > kUpperLimitTwips; }, std::chrono::milliseconds(3000));
    EXPECT_TRUE(past.ok) << "the tree did not reach its limit: " << past.last << " twips";
    // Past the limit a move to the right is refused (how far the last step took it depends
    // on how many moves the system folded into one); a move that is no step to the right
    // may still bring it back to the clamp.
    ASSERT_NO_FATAL_FAILURE(Drag(100, 5));
    const int most = std::max(past.last, kUpperClampTwips);
    const auto held = HoldsFor([&] { return Twips(TreeWidth(), app.Main()); },
                               [&](int w) { return w > kUpperLimitTwips && w <= most; }, std::chrono::milliseconds(500));
    EXPECT_TRUE(held.ok) << "the tree grew past its limit: " << held.last << " twips, was " << past.last;
    const RECT logAfter = ClientRectIn(app.Journal(), app.Main());
    EXPECT_GT(logAfter.right - logAfter.left, 0);
}

TEST_F(TavoSplitter, TheEditorPanelOpensInsideTheWindowAtTheNarrowestTree) {
    ASSERT_TRUE(BringToForeground(app.Main()).ok);
    ASSERT_TRUE(PollUntil([&] { return TreeWidth(); }, [](int w) { return w > 0; }, std::chrono::milliseconds(3000)).ok);
    ASSERT_NO_FATAL_FAILURE(WaitSettled());
    ASSERT_NO_FATAL_FAILURE(Drag(-Pixels(6000), 10));
    ASSERT_LT(Twips(TreeWidth(), app.Main()), tavo::kPictWidth) << "the tree is wider than the panel";

    ASSERT_TRUE(app.ClickButton(kButtonNew));
    const auto added = PollUntil([&] { return TreeItemCount(app.Tree()); }, [](auto n) { return n == 1u; },
                                 std::chrono::milliseconds(3000));
    ASSERT_TRUE(added.ok) << "no Instruction added";
    const auto label = LabelCentre(app.Tree(), FindItem(app.Tree(), ReadTreeItems(app.Tree()).at(0).text));
    ASSERT_TRUE(label && Click(*label, Button::Right));
    HWND pict = app.Control(IDC_PICT);
    ASSERT_TRUE(PollUntil([&] { return IsWindowVisible(pict) != FALSE; }, [](bool v) { return v; },
                          std::chrono::milliseconds(3000)).ok)
        << "no editor panel";
    const RECT panel = ClientRectIn(pict, app.Main());
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_TRUE(panel.left >= 0 && panel.top >= 0 && panel.right <= client.right && panel.bottom <= client.bottom)
        << "panel " << panel.left << "," << panel.top << "-" << panel.right << "," << panel.bottom << " in a client of "
        << client.right << " x " << client.bottom;
}

}  // namespace
}  // namespace e2e
