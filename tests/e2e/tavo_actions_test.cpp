// A Script run against the practice target: recognition of a picture, a posted click,
// typed text with a Chinese character, a key combination with CTRL held, the child
// Instruction on success and the failure branch otherwise, all read back from the
// target's input log. Recognition uses the screen-copy fallback ("其它窗体"), since
// Wine leaves another process's PrintWindow surface black.
#include "tavo_actions_fixture.h"

namespace e2e {
namespace {

// The block Pimage shows, read from the screen (Tavo's window is uncovered; a child
// control's own DC reads nothing from another process).
tavo::Picture PimageOnScreen(HWND pimage) {
    RECT r{};
    GetClientRect(pimage, &r);
    POINT origin{0, 0};
    ClientToScreen(pimage, &origin);
    tavo::Picture picture(r.right, r.bottom);
    HDC screen = GetDC(nullptr);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) picture.Set(x, y, GetPixel(screen, origin.x + x, origin.y + y));
    ReleaseDC(nullptr, screen);
    return picture;
}

std::string Describe(const tavo::Picture& p) {
    std::ostringstream text;
    text << p.width << " x " << p.height << ":";
    for (size_t i = 0; i < p.pixels.size() && i < 16; ++i) text << ' ' << Hex(p.pixels[i], 6);
    return text.str();
}

std::string PimageFingerprint(const TavoApp& app) {
    const auto shown = PollUntil([&] { return tavo::Fingerprint(PimageOnScreen(app.Control(IDC_PIMAGE))); },
                                 [](const std::string& f) { return !f.empty(); }, milliseconds(3000));
    return shown.last;
}

using TavoActions = TavoActionsTest;

TEST_F(TavoActions, RecognisedPictureLeadsToClickTextKeysAndTheChildInstruction) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript());
    const tavo::Picture before = PimageOnScreen(app.Control(IDC_PIMAGE));
    EXPECT_EQ(before, tavo::Picture(12, 12, 0x80FF80)) << "Pimage before the first capture: " << Describe(before);
    ASSERT_TRUE(SetCursorPos(kParked.x, kParked.y));
    ASSERT_NO_FATAL_FAILURE(BringTavoToFront());

    const std::string click = " 0x0 " + Hex(static_cast<unsigned>(kClickAt.y << 16 | kClickAt.x), 8);
    std::vector<std::string> expected = {"WM_LBUTTONDOWN" + click, "WM_LBUTTONUP" + click};
    Append(expected, KeyStroke('C'));
    Append(expected, {PostedChar('h'), PostedChar('i'), PostedChar(kChinese)});
    Append(expected, KeyStroke(VK_RETURN));
    Append(expected, {PostedChar('y'), PostedChar('e'), PostedChar('s')});
    Append(expected, KeyStroke(VK_RETURN));

    const std::vector<LoggedInput> posted = RunUntilPosted(expected.size());
    ASSERT_EQ(Briefs(posted), expected) << "posted:" << Join(Briefs(posted)) << "\nlog:" << Join(target.LogLines());
    // The target reads the system-wide state when it handles a message: the button-up,
    // posted just before CTRL goes down, may already see it; the button-down may not.
    EXPECT_FALSE(posted[0].ctrl) << "CTRL held during the click";
    EXPECT_TRUE(posted[2].ctrl) << "CTRL not held on the key-down of C";
    EXPECT_FALSE(posted[5].ctrl) << "CTRL still held after the key combination";

    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, kParked.x);
    EXPECT_EQ(cursor.y, kParked.y);
    EXPECT_EQ(PimageFingerprint(app), kGrids[0].fingerprint) << "Pimage does not show the captured block";
    const std::string p1 = GridFingerprint(kGrids[0]);
    const std::string centre = "(" + std::to_string(kGrids[0].centre.x) + "," + std::to_string(kGrids[0].centre.y) + ")";
    EXPECT_EQ(TraceOf("L1"), "L1 \"识别\"  at " + centre + " seen " + p1 + " stored " + p1 +
                                 " 36/36 100%  hit  click (650,100)  text \"/*ctrl+c*/hi你\"  next L2");
    EXPECT_EQ(TraceOf("L2"), "L2 \"成功\"  hit  text \"yes\"  next L1  pause 30s");
}

TEST_F(TavoActions, AnotherPictureTakesTheFailureBranchWithoutClickOrSuccessText) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"rotated"));  // P2's frame where P1 should be
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript());
    ASSERT_NO_FATAL_FAILURE(BringTavoToFront());

    std::vector<std::string> expected = {PostedChar('n'), PostedChar('o')};
    Append(expected, KeyStroke(VK_RETURN));
    const std::vector<LoggedInput> posted = RunUntilPosted(expected.size());
    EXPECT_EQ(Briefs(posted), expected) << "posted:" << Join(Briefs(posted));
    EXPECT_EQ(PimageFingerprint(app), kGrids[1].fingerprint) << "Pimage does not show the captured block";
    const std::string p1 = GridFingerprint(kGrids[0]), seen = kGrids[1].fingerprint;
    const std::string centre = "(" + std::to_string(kGrids[0].centre.x) + "," + std::to_string(kGrids[0].centre.y) + ")";
    EXPECT_EQ(TraceOf("L1"), "L1 \"识别\"  at " + centre + " seen " + seen + " stored " + p1 + " " +
                                 std::to_string(tavo::AgreeingPositions(seen, p1)) + "/36 " +
                                 std::to_string(tavo::AgreementPercent(seen, p1)) + "%  miss  next L3");
}

// One top-level Instruction that only clicks: each pass ends where the next begins, on
// node 1 itself, and the run goes on clicking.
TEST_F(TavoActions, ALoneInstructionClicksAgainAndAgainDuringOneRun) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    const GmxRecord click{.LocationX = FromCentre(kClickAt.x, client.right),
                          .Locationy = FromCentre(kClickAt.y, client.bottom),
                          .LocationBase = tavo::kCentre,
                          .NodeKey = L"L1",
                          .NodeText = L"点击"};
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript({click}, {{0, L"点击"}}));

    constexpr size_t kClicks = 3;
    const std::vector<LoggedInput> posted = RunUntilPosted(2 * kClicks);
    const std::string at = " 0x0 " + Hex(static_cast<unsigned>(kClickAt.y << 16 | kClickAt.x), 8);
    std::vector<std::string> expected;
    for (size_t i = 0; i < kClicks; ++i) Append(expected, {"WM_LBUTTONDOWN" + at, "WM_LBUTTONUP" + at});
    const std::vector<std::string> briefs = Briefs(posted);
    ASSERT_GE(briefs.size(), expected.size()) << "posted:" << Join(briefs);
    EXPECT_EQ(std::vector<std::string>(briefs.begin(), briefs.begin() + expected.size()), expected)
        << "posted:" << Join(briefs);

    // The run's Instruction stays marked in the tree while another window has the focus.
    SetForegroundWindow(target.Window());
    const auto marked = PollUntil([&] { return CountScreenPixels(app.Tree(), GetSysColor(COLOR_HIGHLIGHT)); },
                                  [](int pixels) { return pixels >= 50; }, milliseconds(3000));
    EXPECT_TRUE(marked.ok) << "the selected node shows " << marked.last << " highlight pixels";
}

}  // namespace
}  // namespace e2e
