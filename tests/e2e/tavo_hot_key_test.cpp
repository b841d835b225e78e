// Ctrl+F2 hides and shows Tavo's main window from whatever program is in front, and the
// main window's activation and deactivation press the left button at client point (1, 1)
// in the held target window.
#include "driver/journal.h"
#include "driver/key_chord.h"
#include "driver/practice_log.h"
#include "tavo_target_fixture.h"

namespace e2e {
namespace {

// Keyword "practice" (in the target's title), 400 × 300, one window, other windows.
constexpr wchar_t kHeader[] = L"practice|400|300|1|1|";
const std::string kActivationClick = "WM_LBUTTONDOWN 0x0 0x00010001";

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += "\n  " + l;
    return text;
}

class TavoHotKey : public TavoTargetTest {
protected:
    // Tavo on a Script of one Instruction that clicks the target at client point
    // (650, 100), holding the target.
    void StartHoldingTarget() {
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"hotkey"));
        const GmxRecord click{.LocationX = 650, .Locationy = 100, .LocationBase = 1, .NodeKey = L"L1",
                              .NodeText = L"点击"};
        ASSERT_NO_FATAL_FAILURE(PlaceScript(folder + L"\\hotkey.gmx", GmxImage(kHeader, {click})));
        ASSERT_TRUE(WriteTavoValue(L"FileName", L"hotkey"));
        app.Start(exe);
        ASSERT_TRUE(WaitTree({{0, L"点击"}}).ok);
        const auto held = PollUntil([&] { return app.Label1Text(); },
                                    [](const std::wstring& t) { return t == kCountOne; }, kDiscoveryTimeout);
        ASSERT_TRUE(held.ok) << "Label1 reads " << Narrow(held.last);
    }

    // The run's clicks: the activation click has no button-up.
    Polled<size_t> WaitRunClicks(size_t count) {
        return PollUntil([&] { return target.InputLines({"WM_LBUTTONUP"}).size(); },
                         [&](size_t n) { return n >= count; }, milliseconds(5000));
    }

    Polled<bool> WaitVisible(bool visible) { return WaitShown(app.Main(), visible); }

    std::vector<std::string> Posted() const { return Briefs(PostedInput(ParseInput(target.LogLines()))); }

    Polled<std::vector<std::string>> WaitPosted(const std::vector<std::string>& expected) {
        return PollUntil([&] { return Posted(); }, [&](const auto& p) { return p == expected; }, milliseconds(3000));
    }

    bool BringToFront(HWND window) { return BringToForeground(window).ok; }
};

TEST_F(TavoHotKey, CtrlF2HidesAndShowsTheMainWindowWhileARunGoesOn) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingTarget());
    ASSERT_TRUE(IsWindowVisible(app.Main()));
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
    ASSERT_TRUE(WaitRunClicks(1).ok) << "the run does not click";

    ASSERT_TRUE(StrikeChord({VK_CONTROL, VK_F2}));
    ASSERT_TRUE(WaitVisible(false).ok) << "Ctrl+F2 did not hide the main window";
    const auto hiddenClicks = WaitRunClicks(target.InputLines({"WM_LBUTTONUP"}).size() + 1);
    EXPECT_TRUE(hiddenClicks.ok) << "the run stopped clicking while hidden, at " << hiddenClicks.last;
    EXPECT_FALSE(IsWindowVisible(app.Main())) << "shown again by itself";

    ASSERT_TRUE(StrikeChord({VK_CONTROL, VK_F2}));
    ASSERT_TRUE(WaitVisible(true).ok) << "the second Ctrl+F2 did not show the main window";
    const auto shownClicks = WaitRunClicks(target.InputLines({"WM_LBUTTONUP"}).size() + 1);
    EXPECT_TRUE(shownClicks.ok) << "the run stopped clicking, at " << shownClicks.last;
    EXPECT_TRUE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
    EXPECT_EQ(Describe(ReadJournal(app.JournalLines()).events), Describe({RunEvent::Start}))
        << Narrow(app.JournalText());
}

TEST_F(TavoHotKey, ActivationAndDeactivationPressTheLeftButtonAtOneOneInTheHeldWindow) {
    ASSERT_NO_FATAL_FAILURE(StartHoldingTarget());
    ASSERT_TRUE(BringToFront(app.Main())) << "Tavo is not in front";
    // Tavo was activated at start-up, before it held the target.
    ASSERT_EQ(Posted(), std::vector<std::string>{}) << "posted:" << Join(Posted());

    ASSERT_TRUE(BringToFront(target.Window())) << "the target is not in front";
    // Kept above other programs' windows, the target's too.
    EXPECT_TRUE(GetWindowLongW(app.Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "Tavo's window is not topmost";
    const auto deactivated = WaitPosted({kActivationClick});
    EXPECT_TRUE(deactivated.ok) << "after the deactivation, posted:" << Join(deactivated.last);

    ASSERT_TRUE(BringToFront(app.Main())) << "Tavo is not in front again";
    const std::vector<std::string> both = {kActivationClick, kActivationClick};
    const auto activated = WaitPosted(both);
    EXPECT_TRUE(activated.ok) << "after the activation, posted:" << Join(activated.last);
    // No button-up, no second press.
    const auto after = HoldsFor([&] { return Posted(); }, [&](const auto& p) { return p == both; },
                                milliseconds(1000));
    EXPECT_TRUE(after.ok) << "posted:" << Join(after.last);
}

}  // namespace
}  // namespace e2e
