// Recording with real input: Ctrl+F3 starts it, three clicks on the practice target (two
// pictures and the flat background) and a word typed after the first become Instructions
// after the Script's own,
// 控制 → 录制 ends it; run against a fresh target, the Script gives the same clicks at the
// same client points and the same characters, and finds the pictures it took.
#include "driver/key_chord.h"
#include "driver/user_input.h"
#include "tavo_actions_fixture.h"

namespace e2e {
namespace {

constexpr POINT kFlat{650, 100};

std::wstring Title(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

// The user's clicks (the activation's press has no release) and the characters, as the
// target read them.
std::vector<std::string> Clicks(const std::vector<LoggedInput>& input) {
    std::vector<std::string> clicks;
    for (const LoggedInput& in : input)
        if (in.name == "WM_LBUTTONUP") clicks.push_back(Hex(in.lParam, 8));
    return clicks;
}
std::vector<std::uint64_t> Characters(const std::vector<LoggedInput>& input) {
    std::vector<std::uint64_t> characters;
    for (const LoggedInput& in : input)
        if (in.name == "WM_CHAR") characters.push_back(in.wParam);
    return characters;
}

class TavoRecord : public TavoActionsTest {
   protected:
    void ClickTarget(POINT point, size_t recorded) {
        POINT at = point;
        ClientToScreen(target.Window(), &at);
        ASSERT_EQ(WindowFromPoint(at), target.Window())
            << "the target is covered at " << at.x << "," << at.y;
        ASSERT_TRUE(Click(at));
        const auto added = PollUntil([&] { return ReadTreeItems(app.Tree()).size(); },
                                     [&](size_t n) { return n == recorded; }, milliseconds(5000));
        ASSERT_TRUE(added.ok) << "the tree holds " << added.last << " Instructions, not "
                              << recorded;
    }
    Polled<std::wstring> WaitHeld(const std::wstring& label) {
        return PollUntil([&] { return app.Label1Text(); },
                         [&](const std::wstring& t) { return t == label; }, milliseconds(5000));
    }
    Polled<std::wstring> WaitTitle(bool recording) {
        return PollUntil([&] { return Title(app.Main()); },
                         [&](const std::wstring& t) { return (t != L"Tavo") == recording; },
                         milliseconds(3000));
    }
};

TEST_F(TavoRecord, ClicksAndAWordRecordedOnOneTargetAreGivenAgainToAFreshOne) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    // An Instruction before the recording: P1 looked for where P2 is, which fails and does
    // nothing.
    const GmxRecord before{.pLocationX = static_cast<std::int16_t>(kGrids[1].centre.x),
                           .pLocationy = static_cast<std::int16_t>(kGrids[1].centre.y),
                           .pLocationBase = tavo::kTopLeft,
                           .NodeKey = L"L1",
                           .NodeText = L"旧",
                           .pPicture = Widen(GridFingerprint(kGrids[0]))};
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript({before}, {{0, L"旧"}}));
    ASSERT_TRUE(StrikeChord({VK_CONTROL, VK_F3}));
    const auto started = WaitTitle(true);
    ASSERT_TRUE(started.ok) << "Ctrl+F3 did not start recording";
    EXPECT_FALSE(app.Button(kButtonOpen).enabled || app.Button(kButtonNew).enabled)
        << "commands left available";

    ASSERT_NO_FATAL_FAILURE(ClickTarget(kGrids[0].centre, 2));
    const auto front = PollUntil([] { return GetForegroundWindow(); },
                                 [&](HWND w) { return w == target.Window(); }, milliseconds(3000));
    ASSERT_TRUE(front.ok) << "the click did not bring the target to the front";
    for (const WORD vk : {WORD{'H'}, WORD{'E'}, WORD{'L'}, WORD{'L'}, WORD{'O'}, WORD{VK_RETURN}})
        ASSERT_TRUE(StrikeKey(vk));
    ASSERT_NO_FATAL_FAILURE(ClickTarget(kGrids[2].centre, 3));
    ASSERT_NO_FATAL_FAILURE(ClickTarget(kFlat, 4));
    ASSERT_TRUE(app.ChooseRecord());
    ASSERT_TRUE(WaitTitle(false).ok) << "录制 did not end the recording";
    const std::vector<LoggedInput> recorded = ParseInput(target.LogLines());
    ASSERT_EQ(Clicks(recorded).size(), 3u) << "log:" << Join(target.LogLines());
    ASSERT_EQ(Characters(recorded), (std::vector<std::uint64_t>{'h', 'e', 'l', 'l', 'o', '\r'}));

    target.Kill();
    ASSERT_TRUE(WaitHeld(L"识别窗口数: 0").ok) << "the closed target is still held";
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    ASSERT_TRUE(WaitHeld(L"识别窗口数: 1").ok) << "the fresh target is not held";
    ASSERT_TRUE(app.ClickButton(kButtonRun));
    const auto given = PollUntil(
        [&] { return ParseInput(target.LogLines()); },
        [](const auto& in) { return Clicks(in).size() >= 3 && Characters(in).size() >= 6; },
        milliseconds(15000));
    EXPECT_TRUE(app.ClickButton(kButtonStop));
    ASSERT_TRUE(given.ok) << "log:" << Join(target.LogLines());
    std::vector<std::string> clicks = Clicks(given.last);
    std::vector<std::uint64_t> characters = Characters(given.last);
    EXPECT_EQ(std::vector<std::string>(clicks.begin(), clicks.begin() + 3), Clicks(recorded));
    EXPECT_EQ(std::vector<std::uint64_t>(characters.begin(), characters.begin() + 6),
              Characters(recorded));
    // The pictures were taken before the clicks drew their marks: the fresh target shows them.
    EXPECT_NE(TraceOf("L2").find("stored " + GridFingerprint(kGrids[0]) + " 36/36 100%  hit"),
              std::string::npos)
        << TraceOf("L2");
    EXPECT_NE(TraceOf("L3").find("stored " + GridFingerprint(kGrids[2]) + " 36/36 100%  hit"),
              std::string::npos)
        << TraceOf("L3");
}

}  // namespace
}  // namespace e2e
