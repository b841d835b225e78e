#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "core/runner/window_slots.h"
#include "fakes/fake_services.h"
#include "fakes/fake_windows.h"

namespace tavo {
namespace {

using testing::FakePump;
using testing::FakeWindow;
using testing::FakeWindows;

class RecordingVisitor : public SlotVisitor {
public:
    bool running = false;
    std::vector<std::string> calls;
    const WindowSlots* slots = nullptr;

    bool Running() override { return running; }
    void RunStep() override { calls.push_back("step " + std::to_string(slots->ServedWindow())); }
    void ApplyWindowCount() override {
        calls.push_back("apply " + std::to_string(slots->WindowCount()));
    }
};

class WindowSlotsTest : public ::testing::Test {
protected:
    WindowSlotsTest() { visitor.slots = &slots; }
    void Tick() { slots.MaintainSlots(settings, windows, pump, visitor); }
    std::vector<WindowHandle> Held() const {
        std::vector<WindowHandle> held;
        for (int i = 0; i < slots.WindowCount(); ++i) held.push_back(slots.hWnd(i));
        return held;
    }
    std::vector<int> ProbeXs() const {
        std::vector<int> xs;
        for (const auto& p : windows.probes) xs.push_back(p.first);
        return xs;
    }

    FakeWindows windows;
    FakePump pump;
    DiscoverySettings settings;
    RecordingVisitor visitor;
    WindowSlots slots;
};

TEST_F(WindowSlotsTest, ProbeSweepFromStartUpAndOnePointPerTickOnceAWindowIsHeld) {
    Tick();
    // Nothing held: one call sweeps until the counter has passed -2.
    EXPECT_EQ(ProbeXs(), (std::vector<int>{960, 1160, 1360, 560}));
    EXPECT_EQ(pump.calls, 3);
    windows.probes.clear();
    Tick();
    EXPECT_EQ(ProbeXs(), (std::vector<int>{760, 960, 1160, 1360, 560}));

    settings.MaxWindows = 2;
    windows.Add(7, 560, 240, 800, 600);  // covers the centre
    windows.probes.clear();
    Tick();
    ASSERT_EQ(Held(), (std::vector<WindowHandle>{7}));
    windows.probes.clear();
    Tick();
    Tick();
    EXPECT_EQ(windows.probes.size(), 2u);
    for (const auto& p : windows.probes) EXPECT_EQ(p.second, 540);
}

TEST_F(WindowSlotsTest, FirstWindowIsFoundOnTheFirstTickAndEnablesTheWindow) {
    settings.FlashMode = false;
    windows.Add(7, 560, 240, 800, 600, "Notepad");
    Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{7}));
    EXPECT_EQ(visitor.calls, (std::vector<std::string>{"apply 1"}));
    EXPECT_EQ(slots.hWnd(1), 0u);
}

TEST_F(WindowSlotsTest, AWindowUnderEveryProbePointIsHeldOnce) {
    settings.MaxWindows = 10;
    windows.Add(7, 0, 0, 1920, 1080);
    for (int i = 0; i < 8; ++i) Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{7}));
}

TEST_F(WindowSlotsTest, TwoWindowsSideBySideAreFoundInProbeOrder) {
    settings.MaxWindows = 10;
    windows.Add(1, 900, 240, 410, 600);   // under the centre (960) and 1160
    windows.Add(2, 1320, 240, 500, 600);  // under 1360, 400 px right of the centre
    Tick();
    // The first sweep meets 1, then 2: the later match replaces the earlier one.
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{2}));
    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{2, 1}));
}

TEST_F(WindowSlotsTest, ClosingAHeldWindowClosesUpTheTable) {
    settings.MaxWindows = 3;
    windows.Add(1, 860, 240, 410, 600);
    windows.Add(2, 1260, 240, 400, 600);
    windows.Add(3, 360, 240, 400, 600);
    for (int i = 0; i < 6 && slots.WindowCount() < 3; ++i) Tick();
    ASSERT_EQ(Held(), (std::vector<WindowHandle>{3, 1, 2}));

    windows.Close(3);
    visitor.calls.clear();
    Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{1, 2}));
    EXPECT_TRUE(visitor.calls.empty());
}

TEST_F(WindowSlotsTest, LosingTheLastWindowAppliesTheZeroCount) {
    windows.Add(7, 560, 240, 800, 600);
    Tick();
    windows.Close(7);
    visitor.calls.clear();
    Tick();
    EXPECT_EQ(slots.WindowCount(), 0);
    EXPECT_EQ(visitor.calls, (std::vector<std::string>{"apply 0"}));
}

TEST_F(WindowSlotsTest, LiveSlotsAreSteppedOnlyWhileRunning) {
    settings.MaxWindows = 2;
    windows.Add(1, 860, 240, 410, 600);
    windows.Add(2, 1260, 240, 400, 600);
    for (int i = 0; i < 4; ++i) Tick();
    ASSERT_EQ(Held(), (std::vector<WindowHandle>{2, 1}));
    visitor.calls.clear();
    Tick();
    EXPECT_TRUE(visitor.calls.empty());
    visitor.running = true;
    Tick();
    EXPECT_EQ(visitor.calls, (std::vector<std::string>{"step 2", "step 1"}));
}

struct QualifyCase {
    const char* name;
    FakeWindow window;
    DiscoverySettings settings;
    bool found;
};

void PrintTo(const QualifyCase& c, std::ostream* os) { *os << c.name; }

class QualifyTest : public WindowSlotsTest, public ::testing::WithParamInterface<QualifyCase> {};

TEST_P(QualifyTest, DecidesWhetherTheWindowUnderTheCentreIsATarget) {
    const QualifyCase& c = GetParam();
    windows.windows[5] = c.window;
    windows.stacking = {5};
    settings = c.settings;
    Tick();
    EXPECT_EQ(slots.WindowCount(), c.found ? 1 : 0);
}

DiscoverySettings Flash(bool flash, std::string keyword = "") {
    DiscoverySettings s;
    s.FlashMode = flash;
    s.WindowKeyword = std::move(keyword);
    return s;
}

const ScreenRect kBig{560, 240, 1360, 840};

INSTANTIATE_TEST_SUITE_P(
    Rules, QualifyTest,
    ::testing::Values(
        QualifyCase{"long plug-in class", {kBig, "MacromediaFlashPlayerActiveX"}, Flash(true), true},
        QualifyCase{"every plug-in prefix: Gecko", {kBig, "GeckoPluginWindow"}, Flash(true), true},
        QualifyCase{"Maxthon", {kBig, "Maxthon3Cls_NativeWindow"}, Flash(true), true},
        QualifyCase{"NativeWindowClass", {kBig, "NativeWindowClass"}, Flash(true), true},
        QualifyCase{"other class refused in Flash mode", {kBig, "Notepad"}, Flash(true), false},
        QualifyCase{"prefix too short", {kBig, "MozillaWindowCl"}, Flash(true), false},
        QualifyCase{"case of the class matters", {kBig, "mozillaWindowClass"}, Flash(true), false},
        QualifyCase{"other class accepted for other windows", {kBig, "Notepad"}, Flash(false), true},
        QualifyCase{"keyword case-sensitive", {kBig, "Notepad", 0, "GAME ONE"}, Flash(false, "game"), false},
        QualifyCase{"keyword matches", {kBig, "Notepad", 0, "my game one"}, Flash(false, "game"), true},
        QualifyCase{"Chinese keyword", {kBig, "Notepad", 0, "游戏窗口"}, Flash(false, "游戏"), true},
        QualifyCase{"exactly the minimum width", {{760, 240, 1160, 840}, "Notepad"}, Flash(false), true},
        QualifyCase{"one pixel narrower", {{761, 240, 1160, 840}, "Notepad"}, Flash(false), false},
        QualifyCase{"too low", {{560, 400, 1360, 699}, "Notepad"}, Flash(false), false},
        QualifyCase{"own window never", {kBig, "Notepad", 0, "", true}, Flash(false), false}),
    case_names::ByName{});

TEST_F(WindowSlotsTest, KeywordIsMatchedAgainstTheTopLevelTitle) {
    settings = Flash(true, "game");
    windows.windows[1] = FakeWindow{{0, 0, 1920, 1080}, "MozillaWindowClass", 0, "the game", false};
    windows.windows[2] = FakeWindow{{560, 240, 1360, 840}, "Chrome_Widget", 1, "", false};
    windows.windows[3] = FakeWindow{kBig, "GeckoPluginWindow", 2, "plugin", false};
    windows.stacking = {3, 2, 1};
    Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{3}));
}

TEST_F(WindowSlotsTest, TheDesktopNeverQualifies) {
    settings.FlashMode = false;
    windows.Add(8, 0, 0, 1920, 1080, "#32769");
    windows.desktopWindow = 8;
    Tick();
    EXPECT_EQ(slots.WindowCount(), 0);
    windows.Add(9, 0, 0, 1920, 1080, "SysListView32");
    windows.desktopList = 9;
    Tick();
    EXPECT_EQ(slots.WindowCount(), 0);
}

TEST_F(WindowSlotsTest, MaxWindowsStopsDiscoveryUntilAWindowIsGone) {
    windows.Add(1, 860, 240, 410, 600);
    windows.Add(2, 1260, 240, 400, 600);
    for (int i = 0; i < 6; ++i) Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{2}));
    windows.probes.clear();
    Tick();
    EXPECT_TRUE(windows.probes.empty());
    windows.Close(2);
    Tick();
    for (int i = 0; i < 6 && slots.WindowCount() == 0; ++i) Tick();
    EXPECT_EQ(Held(), (std::vector<WindowHandle>{1}));
}

TEST_F(WindowSlotsTest, ResetEmptiesTheTableButKeepsTheProbeCounter) {
    windows.Add(7, 560, 240, 800, 600);
    Tick();
    Tick();
    const auto probe = slots.ProbeCounter();
    slots.ResetSlots();
    EXPECT_EQ(slots.WindowCount(), 0);
    EXPECT_EQ(slots.hWnd(0), 0u);
    EXPECT_EQ(slots.ProbeCounter(), probe);
}

}  // namespace
}  // namespace tavo
