// Recording with real input: Ctrl+F3 starts it, three clicks on the practice target (two
// pictures and the flat background) and a word typed after the first become Instructions
// after the Script's own, 控制 → 录制 ends it; run against a fresh target, the Script gives
// the same clicks at the same client points and the same characters, in the same order,
// and finds the pictures it took.
#include "driver/key_chord.h"
#include "driver/user_input.h"
#include "tavo_actions_fixture.h"

namespace e2e {
namespace {

// What the target was given, in order: the clicks' points (the activation's press has no
// release) and the characters (typed ones carry the key's lParam, posted ones 1).
std::vector<std::string> Given(const std::vector<std::string>& log) {
    std::vector<std::string> given;
    for (const LoggedInput& in : ParseInput(log)) {
        if (in.name == "WM_LBUTTONUP") given.push_back("click " + Hex(in.lParam, 8));
        if (in.name == "WM_CHAR") given.push_back("char " + Hex(in.wParam));
    }
    return given;
}

class TavoRecord : public TavoActionsTest {
protected:
    void ClickTarget(POINT point, size_t instructions) {
        ClientToScreen(target.Window(), &point);
        ASSERT_EQ(WindowFromPoint(point), target.Window()) << "the target is covered";
        ASSERT_TRUE(Click(point));
        const auto added =
            PollUntil([&] { return ReadTreeItems(app.Tree()).size(); },
                      [&](size_t n) { return n == instructions; }, milliseconds(5000));
        ASSERT_TRUE(added.ok) << "the tree holds " << added.last << " Instructions";
    }
    template <class Get, class T>
    bool Wait(Get get, const T& value) {
        return PollUntil(
                   get, [&](const T& v) { return v == value; }, milliseconds(5000))
            .ok;
    }
    std::wstring Title() const {
        wchar_t text[128] = {};
        GetWindowTextW(app.Main(), text, 128);
        return text;
    }
};

TEST_F(TavoRecord, ClicksAndAWordRecordedOnOneTargetAreGivenAgainToAFreshOne) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    // The Script's own Instruction looks for P1 where P2 is: it fails and does nothing.
    const GmxRecord own{.pLocationX = static_cast<std::int16_t>(kGrids[1].centre.x),
                        .pLocationy = static_cast<std::int16_t>(kGrids[1].centre.y),
                        .pLocationBase = tavo::kTopLeft,
                        .NodeKey = L"L1",
                        .NodeText = L"旧",
                        .pPicture = Widen(GridFingerprint(kGrids[0]))};
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript({own}, {{0, L"旧"}}));
    ASSERT_TRUE(StrikeChord({VK_CONTROL, VK_F3}));
    ASSERT_TRUE(Wait([&] { return Title(); }, std::wstring(L"Tavo - 录制中 (Ctrl+F3 结束)")));
    EXPECT_FALSE(app.Button(kButtonOpen).enabled || app.Button(kButtonNew).enabled);

    ASSERT_NO_FATAL_FAILURE(ClickTarget(kGrids[0].centre, 2));
    ASSERT_TRUE(Wait([] { return GetForegroundWindow(); }, target.Window()));
    for (const WORD vk : {WORD{'H'}, WORD{'E'}, WORD{'L'}, WORD{'L'}, WORD{'O'}, WORD{VK_RETURN}})
        ASSERT_TRUE(StrikeKey(vk));
    ASSERT_NO_FATAL_FAILURE(ClickTarget(kGrids[2].centre, 3));
    ASSERT_NO_FATAL_FAILURE(ClickTarget({650, 100}, 4));
    ASSERT_TRUE(app.ChooseRecord());
    ASSERT_TRUE(Wait([&] { return Title(); }, std::wstring(L"Tavo")));
    const std::vector<std::string> recorded = Given(target.LogLines());
    ASSERT_EQ(recorded.size(), 9u) << "log:" << Join(target.LogLines());

    target.Kill();
    ASSERT_TRUE(Wait([&] { return app.Label1Text(); }, std::wstring(L"识别窗口数: 0")));
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    ASSERT_TRUE(Wait([&] { return app.Label1Text(); }, std::wstring(L"识别窗口数: 1")));
    ASSERT_TRUE(app.ClickButton(kButtonRun));
    const auto given =
        PollUntil([&] { return Given(target.LogLines()); },
                  [&](const auto& g) { return g.size() >= recorded.size(); }, milliseconds(15000));
    EXPECT_TRUE(app.ClickButton(kButtonStop));
    ASSERT_TRUE(given.ok) << "given:" << Join(given.last);
    EXPECT_EQ(std::vector<std::string>(given.last.begin(), given.last.begin() + 9), recorded)
        << "given:" << Join(given.last) << "\nrecorded:" << Join(recorded);
    // Found only if they were taken before the clicks drew their marks.
    for (const auto& [key, grid] : {std::pair{"L2", kGrids[0]}, std::pair{"L3", kGrids[2]}})
        EXPECT_NE(TraceOf(key).find(" stored " + GridFingerprint(grid) + " 36/36 100%  hit"),
                  std::string::npos)
            << TraceOf(key);
}

}  // namespace
}  // namespace e2e
