// A Script run against the practice target: recognition of a picture, a posted click,
// typed text with a Chinese character, a key combination with CTRL held, the child
// Instruction on success and the failure branch otherwise, all read back from the
// target's input log. Recognition uses the screen-copy fallback ("其它窗体"), since
// Wine leaves another process's PrintWindow surface black.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "documented_pictures.h"
#include "driver/gmx_image.h"
#include "driver/paths.h"
#include "driver/pixels.h"
#include "driver/poll.h"
#include "driver/practice.h"
#include "driver/practice_log.h"
#include "driver/registry.h"
#include "driver/tavo_app.h"
#include "driver/text.h"
#include "driver/tree_view.h"

namespace e2e {
namespace {

// Keyword "practice" (in the target's title), 400 × 300, one window, other windows.
constexpr wchar_t kHeader[] = L"practice|400|300|1|1|";
constexpr wchar_t kChinese = L'你';
constexpr POINT kClickAt{650, 100};  // flat background
constexpr POINT kParked{200, 1000};  // bare desktop, clear of both windows

std::string Hex(unsigned long long v, int digits = 0) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%0*llx", digits, v);
    return buffer;
}

// What the target logs for a posted key stroke as the key sender makes it.
std::vector<std::string> KeyStroke(UINT vk, int ups = 2) {
    const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF;
    std::vector<std::string> lines = {"WM_KEYDOWN " + Hex(vk) + " " + Hex((scan << 16) | 1u, 8)};
    for (int i = 0; i < ups; ++i) lines.push_back("WM_KEYUP " + Hex(vk) + " " + Hex(0xC0000001u | (scan << 16), 8));
    return lines;
}

std::string PostedChar(unsigned long long code) { return "WM_CHAR " + Hex(code) + " 0x00000001"; }

// The key sender posts a double-byte character with PostMessageA as lead byte × 256 +
// trail byte, sign-extended (0xFFFFC4E3 for 你). Windows reads the lead byte from bits
// 8-15; Wine reads the bytes the other way round, low byte first, so a Unicode window
// under Wine receives the character whose code-page-936 bytes are (trail, lead).
std::string ChineseCharAsWineDelivers(wchar_t c, std::string& postedCode) {
    char bytes[2] = {};
    EXPECT_EQ(WideCharToMultiByte(936, 0, &c, 1, bytes, 2, nullptr, nullptr), 2);
    const auto lead = static_cast<unsigned char>(bytes[0]), trail = static_cast<unsigned char>(bytes[1]);
    postedCode = Hex(0xFFFF0000ull | (lead << 8) | trail);
    const char swapped[2] = {static_cast<char>(trail), static_cast<char>(lead)};
    wchar_t arrives = 0;
    EXPECT_EQ(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, swapped, 2, &arrives, 1), 1);
    return PostedChar(arrives);
}

template <class T>
void Append(std::vector<T>& to, const std::vector<T>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += "\n  " + l;
    return text;
}

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

class TavoActions : public ::testing::Test {
protected:
    void SetUp() override { ResetTavoRegistry(); }
    void TearDown() override {
        target.Kill();
        app.Kill();
    }

    // Right of Tavo's window and over the screen centre, uncovered: the screen copy
    // reads what the target shows.
    void StartTarget(const std::wstring& pictures) {
        TargetSetup setup;
        setup.x = 700;
        setup.y = 240;
        setup.pictures = pictures;
        target.Start(setup);
        GetClientRect(target.Window(), &client);
    }

    // L1 recognises P1 and, on success, clicks (given from the client area's centre) and
    // types; its child L2 types "yes". On failure L3 types "no". Both end the pass with
    // a long pause, so one pass is all the log holds.
    std::vector<GmxRecord> Records() const {
        GmxRecord l1{.LocationX = FromCentre(kClickAt.x, client.right),
                     .Locationy = FromCentre(kClickAt.y, client.bottom),
                     .pLocationX = static_cast<std::int16_t>(kGrids[0].centre.x),
                     .pLocationy = static_cast<std::int16_t>(kGrids[0].centre.y),
                     .LocationBase = tavo::kCentre,
                     .pLocationBase = tavo::kTopLeft,
                     .pDelay = 500,  // CTRL stays down half a second around the C key
                     .pNotNext = L"L3",
                     .NodeKey = L"L1",
                     .NodeText = L"识别",
                     .pChar = std::wstring(L"/*ctrl+c*/hi") + kChinese,
                     .pPicture = Widen(GridFingerprint(kGrids[0]))};
        GmxRecord l2{.pPause = 30, .NodeKey = L"L2", .NodeParent = L"L1", .NodeText = L"成功", .pChar = L"yes"};
        GmxRecord l3{.pPause = 30, .NodeKey = L"L3", .NodeText = L"失败", .pChar = L"no"};
        return {l1, l2, l3};
    }

    void StartTavoWithScript() {
        StartTavoWithScript(Records(), {{0, L"识别"}, {1, L"成功"}, {0, L"失败"}});
    }

    void StartTavoWithScript(const std::vector<GmxRecord>& records, const std::vector<TreeItem>& tree) {
        const std::wstring exe = FreshTavoFolder(L"actions");
        ASSERT_FALSE(exe.empty());
        ASSERT_TRUE(WriteWholeFile(DirectoryOf(exe) + L"\\actions.gmx", GmxImage(kHeader, records)));
        ASSERT_TRUE(WriteTavoValue(L"FileName", L"actions"));
        tracePath = DirectoryOf(exe) + L"\\run trace.txt";
        app.Start(exe, {L"--trace", tracePath});
        const auto loaded = PollUntil([&] { return ReadTreeItems(app.Tree()); },
                                      [&](const auto& items) { return items == tree; }, milliseconds(5000));
        ASSERT_TRUE(loaded.ok) << Describe(loaded.last);
        // The header chose other windows: Option1 (plug-in windows) is now the one to click.
        EXPECT_TRUE(IsWindowEnabled(app.Control(IDC_OPTION1)));
        EXPECT_FALSE(IsWindowEnabled(app.Control(IDC_OPTION2)));
        ASSERT_LT(WindowRectOf(app.Main()).right, 700) << "Tavo's window would cover the target";
        ASSERT_EQ(WindowFromPoint(ScreenCentre()), target.Window()) << "target not under the screen centre";
        const auto found = PollUntil([&] { return app.Label1Text(); },
                                     [](const std::wstring& t) { return t == L"识别窗口数: 1"; }, milliseconds(5000));
        ASSERT_TRUE(found.ok) << Narrow(found.last);
    }

    // Tavo in front, as after a user's click on its menu: CTRL pressed through the
    // keyboard input then goes to Tavo, and the target reads the system-wide state.
    void BringTavoToFront() {
        const auto front = BringToForeground(app.Main());
        ASSERT_TRUE(front.ok) << "foreground window stays " << front.last;
    }

    // Runs until the target has seen `count` posted messages, then stops the run.
    std::vector<LoggedInput> RunUntilPosted(size_t count) {
        EXPECT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
        const auto posted = PollUntil([&] { return PostedInput(ParseInput(target.LogLines())); },
                                      [&](const auto& p) { return p.size() >= count; }, milliseconds(10000));
        const auto stopOn = PollUntil([&] { return app.Button(kButtonStop).enabled; }, [](bool on) { return on; },
                                      milliseconds(3000));
        EXPECT_TRUE(stopOn.ok && app.ClickButton(kButtonStop)) << "could not stop the run";
        EXPECT_TRUE(PollUntil([&] { return app.Button(kButtonRun).enabled; }, [](bool on) { return on; },
                              milliseconds(3000)).ok) << "the run did not stop";
        return PostedInput(ParseInput(target.LogLines()));
    }

    // Where the click of kClickAt is given from: the client area's centre.
    std::int16_t FromCentre(LONG point, LONG size) const { return static_cast<std::int16_t>(point - (size + 1) / 2); }

    std::string PimageFingerprint() {
        const auto shown = PollUntil([&] { return tavo::Fingerprint(PimageOnScreen(app.Control(IDC_PIMAGE))); },
                                     [](const std::string& f) { return !f.empty(); }, milliseconds(3000));
        return shown.last;
    }

    // The run trace's line for an Instruction, from "  KEY \"" on; empty when none.
    std::string TraceOf(const std::string& key) const {
        std::istringstream lines(ReadWholeFile(tracePath));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t at = line.find("  " + key + " \"");
            if (at != std::string::npos) return line.substr(at + 2, line.find('\r') - at - 2);
        }
        return "";
    }

    TavoApp app;
    PracticeTarget target;
    RECT client{};
    std::wstring tracePath;
};

TEST_F(TavoActions, RecognisedPictureLeadsToClickTextKeysAndTheChildInstruction) {
    ASSERT_NO_FATAL_FAILURE(StartTarget(L"normal"));
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript());
    const tavo::Picture before = PimageOnScreen(app.Control(IDC_PIMAGE));
    EXPECT_EQ(before, tavo::Picture(12, 12, 0x80FF80)) << "Pimage before the first capture: " << Describe(before);
    ASSERT_TRUE(SetCursorPos(kParked.x, kParked.y));
    ASSERT_NO_FATAL_FAILURE(BringTavoToFront());

    const std::string click = " 0x0 " + Hex(static_cast<unsigned>(kClickAt.y << 16 | kClickAt.x), 8);
    std::string chineseCode;
    std::vector<std::string> expected = {"WM_LBUTTONDOWN" + click, "WM_LBUTTONUP" + click};
    Append(expected, KeyStroke('C'));
    Append(expected, {PostedChar('h'), PostedChar('i'), ChineseCharAsWineDelivers(kChinese, chineseCode)});
    Append(expected, KeyStroke(VK_RETURN));
    Append(expected, {PostedChar('y'), PostedChar('e'), PostedChar('s')});
    Append(expected, KeyStroke(VK_RETURN));

    const std::vector<LoggedInput> posted = RunUntilPosted(expected.size());
    ASSERT_EQ(Briefs(posted), expected) << "posted:" << Join(Briefs(posted)) << "\n(你 was posted as " << chineseCode
                                        << ")\nlog:" << Join(target.LogLines());
    // The target reads the system-wide state when it handles a message: the button-up,
    // posted just before CTRL goes down, may already see it; the button-down may not.
    EXPECT_FALSE(posted[0].ctrl) << "CTRL held during the click";
    EXPECT_TRUE(posted[2].ctrl) << "CTRL not held on the key-down of C";
    EXPECT_FALSE(posted[5].ctrl) << "CTRL still held after the key combination";

    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, kParked.x);
    EXPECT_EQ(cursor.y, kParked.y);
    EXPECT_EQ(PimageFingerprint(), kGrids[0].fingerprint) << "Pimage does not show the captured block";
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
    EXPECT_EQ(PimageFingerprint(), kGrids[1].fingerprint) << "Pimage does not show the captured block";
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
