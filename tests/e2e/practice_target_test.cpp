// The practice target's contract (docs/practice-target.md), checked from outside as the
// later tests rely on it, and the driver's own means (launching, reading, menus) with it.
#include <gtest/gtest.h>

#include <windows.h>

#include "driver/controls.h"
#include "driver/pixels.h"
#include "driver/poll.h"
#include "driver/practice.h"
#include "driver/text.h"
#include "driver/windows.h"

namespace e2e {
namespace {

using std::chrono::milliseconds;

// The documented pictures, kept here independently of the target's own table.
struct DocumentedPicture {
    POINT centre;
    const char* fingerprint;
};
const DocumentedPicture kDocumented[] = {
    {{100, 100}, "010101101010010101101010010101101010"},
    {{200, 150}, "000000011110011110011110011110000000"},
    {{300, 200}, "110011110011000000000000110011110011"},
    {{400, 250}, "000000000000000000111111111111111111"},
    {{500, 300}, "011111101111110111111011111101111110"},
};

class PracticeTargetTest : public ::testing::Test {
protected:
    void TearDown() override { target.Kill(); }

    // Waits until the log holds `count` input lines of these names.
    Polled<std::vector<std::string>> WaitInput(const std::vector<std::string>& names, size_t count) {
        return PollUntil([&] { return target.InputLines(names); },
                         [&](const std::vector<std::string>& l) { return l.size() >= count; }, milliseconds(5000));
    }

    PracticeTarget target;
};

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += "\n  " + l;
    return text;
}

TEST_F(PracticeTargetTest, WindowHasExactlyTheRequestedRectangleClassAndTitle) {
    TargetSetup setup;
    setup.title = L"Target \u00c4 目标";
    setup.className = L"TavoPlainTarget";
    setup.x = 123;
    setup.y = 77;
    setup.width = 640;
    setup.height = 480;
    target.Start(setup);

    const RECT r = WindowRectOf(target.Window());
    EXPECT_EQ(r.left, 123);
    EXPECT_EQ(r.top, 77);
    EXPECT_EQ(r.right - r.left, 640);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_EQ(ClassNameOf(target.Window()), L"TavoPlainTarget");
    EXPECT_EQ(Narrow(TextOrMarker(target.Window())), Narrow(setup.title));

    const std::vector<std::string> lines = target.LogLines();
    ASSERT_FALSE(lines.empty());
    char expected[64];
    std::snprintf(expected, sizeof expected, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(target.Window())));
    EXPECT_EQ(Field(lines[0], "event"), "ready");
    EXPECT_EQ(Field(lines[0], "hwnd"), expected);
    EXPECT_EQ(Field(lines[0], "pid"), std::to_string(target.Proc().Id()));
}

TEST_F(PracticeTargetTest, WithoutArgumentsOpensTheDemoWindowCentredOnTheScreen) {
    target.StartDefault();
    const RECT r = WindowRectOf(target.Window());
    const POINT c = ScreenCentre();
    EXPECT_EQ(r.right - r.left, 800);
    EXPECT_EQ(r.bottom - r.top, 600);
    EXPECT_EQ(r.left, c.x - 400);
    EXPECT_EQ(r.top, c.y - 300);
    EXPECT_EQ(WindowFromPoint(c), target.Window());
}

std::vector<std::string> WithoutMoves(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& l : lines) {
        if (Field(l, "name") != "WM_MOUSEMOVE") kept.push_back(l);
    }
    return kept;
}

TEST_F(PracticeTargetTest, LogsPostedMouseKeyAndHotKeyMessagesInOrder) {
    target.Start(TargetSetup::Centred(L"TavoPlainTarget", 800, 600));
    HWND w = target.Window();
    // None of these makes TranslateMessage add a character of its own.
    PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 150));
    PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(100, 150));
    PostMessageW(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 9));
    PostMessageW(w, WM_CHAR, L'a', 0x001E0001);
    PostMessageW(w, WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001u));
    PostMessageW(w, WM_SYSKEYDOWN, VK_F4, 0x203E0001);
    PostMessageW(w, WM_HOTKEY, 2, 0x00710002);

    const std::vector<std::string> expected = {
        "msg=0x0201 name=WM_LBUTTONDOWN wParam=0x1 lParam=0x00960064 ctrl=0 shift=0 x=100 y=150",
        "msg=0x0202 name=WM_LBUTTONUP wParam=0x0 lParam=0x00960064 ctrl=0 shift=0 x=100 y=150",
        "msg=0x0204 name=WM_RBUTTONDOWN wParam=0x2 lParam=0x00090007 ctrl=0 shift=0 x=7 y=9",
        "msg=0x0102 name=WM_CHAR wParam=0x61 lParam=0x001e0001 ctrl=0 shift=0",
        "msg=0x0101 name=WM_KEYUP wParam=0x41 lParam=0xc01e0001 ctrl=0 shift=0",
        "msg=0x0104 name=WM_SYSKEYDOWN wParam=0x73 lParam=0x203e0001 ctrl=0 shift=0",
        "msg=0x0312 name=WM_HOTKEY wParam=0x2 lParam=0x00710002 ctrl=0 shift=0",
    };
    // The real pointer may add moves; everything else must be exactly what was posted.
    auto seen = PollUntil([&] { return WithoutMoves(target.InputLines()); },
                          [&](const auto& l) { return l.size() >= expected.size(); }, milliseconds(5000));
    EXPECT_EQ(seen.last, expected) << Join(seen.last);
}

TEST_F(PracticeTargetTest, LogsTheCharacterThatAPostedKeyDownTranslatesTo) {
    target.Start(TargetSetup::Centred(L"TavoPlainTarget", 800, 600));
    PostMessageW(target.Window(), WM_KEYDOWN, 'B', 0x00300001);
    auto seen = PollUntil([&] { return WithoutMoves(target.InputLines()); },
                          [](const auto& l) { return l.size() >= 2; }, milliseconds(5000));
    ASSERT_EQ(seen.last.size(), 2u) << Join(seen.last);
    EXPECT_EQ(seen.last[0], "msg=0x0100 name=WM_KEYDOWN wParam=0x42 lParam=0x00300001 ctrl=0 shift=0");
    EXPECT_EQ(Field(seen.last[1], "name"), "WM_CHAR");
    EXPECT_EQ(Field(seen.last[1], "wParam"), "0x62");
}

// Holds a key down system-wide for the life of the object, however the test ends.
class HeldKey {
public:
    explicit HeldKey(BYTE vk) : vk_(vk) { keybd_event(vk_, 0, 0, 0); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;
    ~HeldKey() { keybd_event(vk_, 0, KEYEVENTF_KEYUP, 0); }

private:
    BYTE vk_;
};

TEST_F(PracticeTargetTest, LogsControlAndShiftHeldSystemWide) {
    target.Start(TargetSetup::Centred(L"TavoPlainTarget", 800, 600));
    const auto front = PollUntil([] { return GetForegroundWindow(); }, [&](HWND w) { return w == target.Window(); },
                                 milliseconds(3000));
    ASSERT_TRUE(front.ok) << "pressed keys go to the foreground window";
    auto count = [&](const char* name, const char* wParam) {
        size_t n = 0;
        for (const std::string& l : target.InputLines({name})) n += wParam == nullptr || Field(l, "wParam") == wParam;
        return n;
    };
    auto waitFor = [&](const char* name, const char* wParam, size_t n) {
        return PollUntil([&] { return count(name, wParam); }, [&](size_t c) { return c >= n; }, milliseconds(3000)).ok;
    };
    // Input from the keyboard is handled after posted messages, so a click posted right
    // after the key would overtake it: each click waits until the target has seen the key.
    // And the key is held until the click is logged: the target may read the system-wide
    // state when it handles the click, so an early release could reach it first.
    auto click = [&](int x, size_t n) {
        PostMessageW(target.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, x));
        return waitFor("WM_LBUTTONDOWN", nullptr, n);
    };
    {
        HeldKey ctrl(VK_CONTROL);
        ASSERT_TRUE(waitFor("WM_KEYDOWN", "0x11", 1));
        ASSERT_TRUE(click(1, 1));
    }
    ASSERT_TRUE(waitFor("WM_KEYUP", "0x11", 1));
    {
        HeldKey shift(VK_SHIFT);
        ASSERT_TRUE(waitFor("WM_KEYDOWN", "0x10", 1));
        ASSERT_TRUE(click(2, 2));
    }
    ASSERT_TRUE(waitFor("WM_KEYUP", "0x10", 1));
    ASSERT_TRUE(click(3, 3));
    const std::vector<std::string> seen = target.InputLines({"WM_LBUTTONDOWN"});
    ASSERT_EQ(seen.size(), 3u) << Join(seen);
    EXPECT_EQ(Field(seen[0], "ctrl") + Field(seen[0], "shift"), "10") << seen[0];
    EXPECT_EQ(Field(seen[1], "ctrl") + Field(seen[1], "shift"), "01") << seen[1];
    EXPECT_EQ(Field(seen[2], "ctrl") + Field(seen[2], "shift"), "00") << seen[2];
}

TEST_F(PracticeTargetTest, DrawsTheDocumentedPicturesOnAUniformGreyBackground) {
    target.Start(TargetSetup::Centred(L"MozillaWindowClassTavoPractice", 800, 600));
    const HWND w = target.Window();
    for (const DocumentedPicture& p : kDocumented) {
        auto seen = PollUntil([&] { return ScreenFingerprint(w, p.centre); },
                              [&](const std::string& f) { return f == p.fingerprint; }, milliseconds(3000));
        EXPECT_EQ(seen.last, p.fingerprint) << "picture at client (" << p.centre.x << "," << p.centre.y << ")";
    }
    // Flat background: no contrast away from the pictures and their labels.
    for (POINT p : {POINT{650, 100}, POINT{40, 250}, POINT{600, 450}}) {
        EXPECT_EQ(ScreenPixel(w, p), RGB(128, 128, 128)) << "at client (" << p.x << "," << p.y << ")";
        EXPECT_EQ(ScreenFingerprint(w, p), "") << "at client (" << p.x << "," << p.y << ")";
    }
}

TEST_F(PracticeTargetTest, MenuItemsChosenByKeyboardFromOutsideReachTheWindow) {
    TargetSetup setup = TargetSetup::Centred(L"TavoPlainTarget", 800, 600);
    setup.menu = true;
    target.Start(setup);
    auto commands = [&] {
        std::vector<std::string> ids;
        for (const std::string& l : target.LogLines()) {
            if (Field(l, "event") == "command") ids.push_back(Field(l, "id"));
        }
        return ids;
    };
    // Twice in a row: the second choice is the one that once went astray.
    ASSERT_TRUE(ChooseMenuItem(target.Window(), L'c', L't'));
    auto first = PollUntil(commands, [](const auto& ids) { return !ids.empty(); }, milliseconds(5000));
    ASSERT_EQ(first.last, std::vector<std::string>{"101"});
    ASSERT_TRUE(ChooseMenuItem(target.Window(), L'c', L'r'));
    auto both = PollUntil(commands, [](const auto& ids) { return ids.size() >= 2; }, milliseconds(5000));
    EXPECT_EQ(both.last, (std::vector<std::string>{"101", "100"}));
}

TEST_F(PracticeTargetTest, ChoosingFromAMissingMenuReportsThatNoDropDownOpened) {
    target.Start(TargetSetup::Centred(L"TavoPlainTarget", 800, 600));
    EXPECT_FALSE(ChooseMenuItem(target.Window(), L'c', L'r', milliseconds(1000)));
}

TEST_F(PracticeTargetTest, ClosesOnWmClose) {
    target.Start(TargetSetup::Centred(L"TavoPlainTarget", 400, 300));
    EXPECT_TRUE(target.Close());
    EXPECT_EQ(target.Proc().ExitCode(), 0u);
    EXPECT_FALSE(IsWindow(target.Window()));
}

}  // namespace
}  // namespace e2e
