// Picking instead of typing, with real pointer input: the click and recognition pickers
// carried from the editor panel to the practice target, the orientation pads, and the
// jump pickers dropped on the tree. What was picked is read back from the saved Script,
// the tree and the panel's boxes; a recognised picture is then found again by a run.
#include <algorithm>

#include "core/editor/editor_panel_view.h"
#include "documented_pictures.h"
#include "driver/key_chord.h"
#include "driver/pixels.h"
#include "driver/practice_log.h"
#include "driver/process.h"
#include "tavo_target_fixture.h"

namespace e2e {
namespace {

// Keyword "practice" (in the target's title), one window, other windows: the recognition
// picker then takes its block from the screen copy, as a run does.
constexpr wchar_t kHeader[] = L"practice|400|300|1|1|";
constexpr POINT kClickAt{650, 100};  // target client points: background, away from the status line
constexpr POINT kFlat{40, 250};
const DocumentedGrid& kCross = kGrids[2];

// Orientation squares (top left) in twips of the panel, in the order of the codes.
constexpr int kSquareSide = 120;
constexpr POINT kPWeiSquares[] = {{285, 240}, {180, 135}, {390, 135}, {180, 345}, {390, 345}};
constexpr POINT kWeiSquares[] = {{1365, 255}, {1260, 150}, {1470, 150}, {1260, 360}, {1470, 360}};

// Image list indexes of the tree's icons 2 (with children) and 12 (with a jump).
constexpr int kParentIcon = 1, kJumpIcon = 2;

std::int16_t Int16(LONG v) { return static_cast<std::int16_t>(v); }

// A client point as stored under an orientation, measured on the client size plus one:
// from its centre, or from the corner the code names.
POINT Stored(POINT p, int code, const RECT& client) {
    const LONG w = client.right + 1, h = client.bottom + 1;
    return {code == 0 ? p.x - w / 2 : (code == 2 || code == 4) ? w - p.x : p.x,
            code == 0 ? p.y - h / 2 : (code == 3 || code == 4) ? h - p.y : p.y};
}

POINT Centre(HWND window) {
    const RECT r = WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

COLORREF ScreenColour(POINT at) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// The numbers, jumps and picture of a saved record, for failure messages.
std::string Fields(const std::string& record) {
    if (record.size() != 142) return "<no record>";
    const char* names[] = {"LocationX", "Locationy", "pLocationX", "pLocationy", "LocationBase", "pLocationBase"};
    std::string text;
    for (size_t i = 0; i < std::size(names); ++i) {
        const auto v = static_cast<std::int16_t>(static_cast<unsigned char>(record[2 * i]) |
                                                 static_cast<unsigned char>(record[2 * i + 1]) << 8);
        text += std::string(names[i]) + "=" + std::to_string(v) + " ";
    }
    return text + "pYesNext='" + record.substr(16, 5) + "' pNotNext='" + record.substr(21, 5) + "' pPicture='" +
           record.substr(106) + "'";
}

// What `tavo-cli fingerprint` reports for the block around a point of a BMP.
std::string CliFingerprint(const std::wstring& bmp, POINT at) {
    const auto run = RunConsole(TavoCliExePath(), {L"fingerprint", bmp, std::to_wstring(at.x), std::to_wstring(at.y)});
    if (!run) return "<tavo-cli did not finish>";
    for (const std::string& line : SplitLines(run->output))
        if (line.rfind("fingerprint: ", 0) == 0) return line.substr(13);
    return "<no fingerprint line in: " + run->output + ">";
}

class TavoPicking : public TavoTargetTest {
protected:
    void SetUp() override {
        TavoTargetTest::SetUp();
        GetClientRect(target.Window(), &client);
    }

    void StartOn(const std::vector<GmxRecord>& records, const std::vector<TreeItem>& tree) {
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"picking"));
        script = folder + L"\\pick.gmx";
        ASSERT_NO_FATAL_FAILURE(PlaceScript(script, GmxImage(kHeader, records)));
        app.Start(exe, {script});
        const auto loaded = WaitTree(tree);
        ASSERT_TRUE(loaded.ok) << Describe(loaded.last);
        ASSERT_LT(WindowRectOf(app.Main()).right, 700) << "Tavo's window would cover the target";
        const auto held = PollUntil([&] { return app.Label1Text(); },
                                    [](const std::wstring& t) { return t == kCountOne; }, kDiscoveryTimeout);
        ASSERT_TRUE(held.ok) << "Label1 reads " << Narrow(held.last);
    }

    void OpenEditor(const std::wstring& caption) {
        ASSERT_NO_FATAL_FAILURE(BringToFront());
        const auto at = LabelCentre(app.Tree(), FindItem(app.Tree(), caption));
        ASSERT_TRUE(at) << Narrow(caption) << " does not show in " << Describe(ReadTreeItems(app.Tree()));
        ASSERT_NO_FATAL_FAILURE(ClickAt(*at, app.Tree(), Narrow(caption), Button::Right));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), true).ok) << "no editor panel for " << Narrow(caption);
    }

    void CloseEditor() {
        ASSERT_NO_FATAL_FAILURE(ClickAt(Centre(app.Control(IDC_COMM5)), app.Control(IDC_COMM5), "确定"));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "确定 did not close the editor panel";
    }

    // Squares are painted on the panel in twips of its width, whatever the DPI.
    void ChooseSquare(const POINT (&squares)[5], int code) {
        HWND panel = app.Control(IDC_PICT);
        const LONG width = WindowRectOf(panel).right - WindowRectOf(panel).left;
        POINT at{MulDiv(squares[code].x + kSquareSide / 2, width, tavo::kPictWidth),
                 MulDiv(squares[code].y + kSquareSide / 2, width, tavo::kPictWidth)};
        ClientToScreen(panel, &at);
        ASSERT_NO_FATAL_FAILURE(ClickAt(at, panel, "pad square " + std::to_string(code)));
        const auto red = PollUntil([&] { return ScreenColour(at); }, [](COLORREF c) { return c == RGB(255, 0, 0); },
                                   milliseconds(3000));
        EXPECT_TRUE(red.ok) << "square " << code << " shows 0x" << std::hex << red.last << " once chosen";
    }

    // Pressed on the picker and held; the main window leaves the screen; carried in a
    // hand's steps to a client point of the target, where the magnifier is to say
    // `magnified` beside the pointer, and let go there.
    void PointPick(int picker, POINT clientPoint, const std::wstring& magnified = {}) {
        const LONG home = WindowRectOf(app.Main()).top;
        const POINT from = Centre(app.Control(picker));
        ASSERT_EQ(WindowFromPoint(from), app.Control(picker)) << "picker " << picker << " is covered";
        ASSERT_TRUE(PointTo(from) && PressButton(Button::Left, from));
        const auto away = PollUntil([&] { return WindowRectOf(app.Main()).top; }, [](LONG top) { return top < 0; },
                                    milliseconds(3000));
        ASSERT_TRUE(away.ok) << "the main window stays at top " << away.last;
        POINT to = clientPoint;
        ClientToScreen(target.Window(), &to);
        ASSERT_NO_FATAL_FAILURE(Carry(from, to));
        ASSERT_EQ(WindowFromPoint(to), target.Window()) << "the target is covered at " << to.x << "," << to.y;
        if (!magnified.empty()) {
            ASSERT_NO_FATAL_FAILURE(ExpectMagnifier(magnified, to));
        }
        ASSERT_TRUE(ReleaseButton(Button::Left, to));
        const auto back = PollUntil([&] { return WindowRectOf(app.Main()).top; },
                                    [&](LONG top) { return top == home; }, milliseconds(5000));
        ASSERT_TRUE(back.ok) << "the main window stays at top " << back.last << ", not " << home;
    }

    void ExpectMagnifier(const std::wstring& text, POINT pointer) {
        DWORD pid = 0;
        GetWindowThreadProcessId(app.Main(), &pid);
        const auto magnifier = [&] {
            for (HWND w : TopLevelWindows(pid))
                if (ClassNameOf(w) == L"TavoMagnifier" && IsWindowVisible(w)) return w;
            return HWND{};
        };
        const auto said = PollUntil([&] { return TextOrMarker(magnifier()); },
                                    [&](const std::wstring& t) { return t == text; }, milliseconds(3000));
        ASSERT_TRUE(said.ok) << "the magnifier says \"" << Narrow(said.last) << "\", not \"" << Narrow(text) << "\"";
        const RECT r = WindowRectOf(magnifier());
        EXPECT_FALSE(PtInRect(&r, pointer)) << "the magnifier lies under the pointer";
    }

    // Pressed on a jump picker; the panel leaves the tree; let go over `over` at `to`.
    void JumpPick(int picker, POINT to, HWND over) {
        HWND panel = app.Control(IDC_PICT);
        const LONG home = WindowRectOf(panel).top;
        const POINT from = Centre(app.Control(picker));
        ASSERT_NO_FATAL_FAILURE(BringToFront());
        ASSERT_EQ(WindowFromPoint(from), app.Control(picker)) << "picker " << picker << " is covered";
        ASSERT_TRUE(PointTo(from) && PressButton(Button::Left, from));
        const auto uncovered = PollUntil([&] { return WindowFromPoint(to); }, [&](HWND w) { return w == over; },
                                         milliseconds(3000));
        ASSERT_TRUE(uncovered.ok) << "the panel still covers " << to.x << "," << to.y;
        ASSERT_NO_FATAL_FAILURE(Carry(from, to));
        ASSERT_TRUE(ReleaseButton(Button::Left, to));
        const auto back = PollUntil([&] { return WindowRectOf(panel).top; }, [&](LONG top) { return top == home; },
                                    milliseconds(3000));
        ASSERT_TRUE(back.ok) << "the panel stays at top " << back.last << ", not " << home;
    }

    void Carry(POINT from, POINT to) {
        constexpr int kSteps = 8;
        for (int i = 1; i <= kSteps; ++i) {
            Sleep(20);  // the pace of a hand, not a wait for a result
            ASSERT_TRUE(PointTo({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}));
        }
    }

    void ExpectSaved(const std::vector<GmxRecord>& expected) { ExpectSavedRecords(kHeader, expected, Fields); }

    Polled<std::optional<int>> WaitIcon(const std::wstring& caption, int index) {
        return PollUntil([&] { return ItemImage(app.Tree(), FindItem(app.Tree(), caption)); },
                         [&](const std::optional<int>& i) { return i == index; }, milliseconds(3000));
    }

    RECT client{};
};

TEST_F(TavoPicking, ClickPointIsStoredUnderEachOrientationChosenOnThePad) {
    std::vector<GmxRecord> records;
    std::vector<TreeItem> tree;
    for (int code = 0; code < 5; ++code) {
        // Another orientation to begin with, so that only the pad's click gives this one.
        records.push_back({.LocationBase = Int16((code + 1) % 5), .NodeKey = L"L" + std::to_wstring(code + 1),
                           .NodeText = L"click" + std::to_wstring(code)});
        tree.push_back({0, records.back().NodeText});
    }
    ASSERT_NO_FATAL_FAILURE(StartOn(records, tree));

    for (int code = 0; code < 5; ++code) {
        SCOPED_TRACE("orientation " + std::to_string(code));
        ASSERT_NO_FATAL_FAILURE(OpenEditor(records[code].NodeText));
        ASSERT_NO_FATAL_FAILURE(ChooseSquare(kWeiSquares, code));
        ASSERT_NO_FATAL_FAILURE(PointPick(IDC_COMM4, kClickAt));
        ASSERT_NO_FATAL_FAILURE(CloseEditor());
        const POINT stored = Stored(kClickAt, code, client);
        records[code].LocationX = Int16(stored.x);
        records[code].Locationy = Int16(stored.y);
        records[code].LocationBase = Int16(code);
    }
    // On the centre, which Centre would store as (0, 0), "no point": refused, and said so.
    ASSERT_NO_FATAL_FAILURE(OpenEditor(records[0].NodeText));
    ASSERT_NO_FATAL_FAILURE(PointPick(IDC_COMM4, {(client.right + 1) / 2, (client.bottom + 1) / 2}));
    const auto said = PollUntil([&] { return app.JournalLines(); },
                                [](const std::vector<std::wstring>& lines) {
                                    return std::ranges::any_of(lines, [](const std::wstring& line) {
                                        return line.ends_with(L"  取点在基准点上，请换一个点或换一个基准方位。");
                                    });
                                },
                                milliseconds(3000));
    EXPECT_TRUE(said.ok) << "Journal:\n" << Narrow(app.JournalText());
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    ExpectSaved(records);
}

TEST_F(TavoPicking, RecognitionPickTakesThePictureARunFindsAgainAndRefusesAFlatPlace) {
    // The second holds an earlier picture, which a refused pick must not leave behind.
    std::vector<GmxRecord> records = {{.pPause = 30, .NodeKey = L"L1", .NodeText = L"识别", .pChar = L"ok"},
                                      {.pLocationX = 100, .pLocationy = 100, .pLocationBase = 1, .NodeKey = L"L2",
                                       .NodeText = L"平地", .pChar = L"x", .pPicture = Widen(kGrids[0].fingerprint)}};
    ASSERT_NO_FATAL_FAILURE(StartOn(records, {{0, L"识别"}, {0, L"平地"}}));

    // What recognition should see there, taken from the screen while nothing covers it.
    const std::wstring shot = FreshWorkFile(L"target", L".bmp");
    ASSERT_TRUE(SaveClientShot(target.Window(), shot));
    const std::string expected = CliFingerprint(shot, kCross.centre);
    ASSERT_EQ(expected, kCross.fingerprint) << "the screenshot does not show the cross";

    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"识别"));
    ASSERT_NO_FATAL_FAILURE(ChooseSquare(kPWeiSquares, 4));
    const POINT stored = Stored(kCross.centre, 4, client);
    const std::wstring storedText = std::to_wstring(stored.x) + L", " + std::to_wstring(stored.y);
    ASSERT_NO_FATAL_FAILURE(PointPick(IDC_COMM2, kCross.centre, L"坐标: " + storedText + L"\n图形可用"));
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"平地"));
    ASSERT_NO_FATAL_FAILURE(PointPick(IDC_COMM2, kFlat, L"坐标: 40, 250\n图形对比度不足"));
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    const auto logged = PollUntil([&] { return app.JournalText(); },
                                  [](const std::wstring& t) { return t.find(L"  图形对比度不足，未取图，请换一个点。") != std::wstring::npos; },
                                  milliseconds(3000));
    EXPECT_TRUE(logged.ok) << "no log line for the flat picture: " << Narrow(logged.last);

    records[0].pLocationX = Int16(stored.x);
    records[0].pLocationy = Int16(stored.y);
    records[0].pLocationBase = 4;
    records[0].pPicture = Widen(expected);
    records[1] = {.pLocationBase = 1, .NodeKey = L"L2", .NodeText = L"平地", .pChar = L"x"};
    ASSERT_NO_FATAL_FAILURE(ExpectSaved(records));

    // The run finds the cross where it was picked and types the Instruction's text.
    const size_t before = target.LogLines().size();
    const auto typed = [&] {
        const auto lines = target.LogLines();
        std::string text;
        for (const LoggedInput& in : PostedInput(ParseInput({lines.begin() + static_cast<long>(before), lines.end()})))
            if (in.name == "WM_CHAR") text += static_cast<char>(in.wParam);
        return text;
    };
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
    const auto found = PollUntil(typed, [](const std::string& t) { return t.size() >= 2; }, milliseconds(10000));
    const bool stopped = PollUntil([&] { return app.Button(kButtonStop).enabled; }, [](bool on) { return on; },
                                   milliseconds(3000)).ok && app.ClickButton(kButtonStop);
    EXPECT_EQ(found.last.substr(0, 2), "ok") << "the run typed \"" << found.last << "\"";
    EXPECT_TRUE(stopped) << "could not stop the run";
}

TEST_F(TavoPicking, JumpPickerDroppedOnANodeSetsTheJumpAndBesideTheTreeClearsIt) {
    std::vector<GmxRecord> records = {{.NodeKey = L"L1", .NodeText = L"alpha", .pChar = L"a"},
                                      {.NodeKey = L"L2", .NodeText = L"beta", .pChar = L"b"},
                                      {.NodeKey = L"L3", .NodeParent = L"L2", .NodeText = L"child", .pChar = L"c"},
                                      {.NodeKey = L"L4", .NodeText = L"gamma", .pChar = L"d"}};
    ASSERT_NO_FATAL_FAILURE(StartOn(records, {{0, L"alpha"}, {0, L"beta"}, {1, L"child"}, {0, L"gamma"}}));
    const auto alpha = LabelCentre(app.Tree(), FindItem(app.Tree(), L"alpha"));
    const auto gamma = LabelCentre(app.Tree(), FindItem(app.Tree(), L"gamma"));
    ASSERT_TRUE(alpha && gamma) << Describe(ReadTreeItems(app.Tree()));
    const POINT beside = Centre(app.Journal());
    EXPECT_EQ(WaitIcon(L"beta", kParentIcon).last, kParentIcon) << "beta's image index";

    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"beta"));
    ASSERT_NO_FATAL_FAILURE(JumpPick(IDC_COMMT1, *gamma, app.Tree()));
    EXPECT_TRUE(WaitBox(IDC_TEXT2, L"gamma").ok) << "Text2 reads " << Narrow(app.BoxText(IDC_TEXT2));
    EXPECT_EQ(WaitIcon(L"beta", kJumpIcon).last, kJumpIcon) << "beta's image index";
    ASSERT_NO_FATAL_FAILURE(JumpPick(IDC_COMMT2, *alpha, app.Tree()));
    EXPECT_TRUE(WaitBox(IDC_TEXT3, L"alpha").ok) << "Text3 reads " << Narrow(app.BoxText(IDC_TEXT3));
    // Closed first: a save leaves the last node current, not the one the panel shows.
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    records[1].pYesNext = L"L4";
    records[1].pNotNext = L"L1";
    ASSERT_NO_FATAL_FAILURE(ExpectSaved(records));

    // Beside the tree: that jump goes; the icon shows a jump while the other one is set.
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"beta"));
    ASSERT_NO_FATAL_FAILURE(JumpPick(IDC_COMMT1, beside, app.Journal()));
    EXPECT_TRUE(WaitBox(IDC_TEXT2, L"").ok) << "Text2 reads " << Narrow(app.BoxText(IDC_TEXT2));
    EXPECT_EQ(WaitIcon(L"beta", kJumpIcon).last, kJumpIcon) << "beta's image index";
    ASSERT_NO_FATAL_FAILURE(JumpPick(IDC_COMMT2, beside, app.Journal()));
    EXPECT_TRUE(WaitBox(IDC_TEXT3, L"").ok) << "Text3 reads " << Narrow(app.BoxText(IDC_TEXT3));
    EXPECT_EQ(WaitIcon(L"beta", kParentIcon).last, kParentIcon) << "beta's image index";
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    records[1].pYesNext = records[1].pNotNext = L"";
    ASSERT_NO_FATAL_FAILURE(ExpectSaved(records));
}

// A picker that loses the mouse before it is let go (a message box, another program)
// picks nothing, though the pointer lies over a node, and puts back what it moved away.
TEST_F(TavoPicking, ALostCaptureEndsAPickWithNothingStored) {
    const std::vector<GmxRecord> records = {{.NodeKey = L"L1", .NodeText = L"alpha", .pChar = L"a"},
                                            {.NodeKey = L"L2", .NodeText = L"beta", .pChar = L"b"}};
    ASSERT_NO_FATAL_FAILURE(StartOn(records, {{0, L"alpha"}, {0, L"beta"}}));
    const auto alpha = LabelCentre(app.Tree(), FindItem(app.Tree(), L"alpha"));
    ASSERT_TRUE(alpha);
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"beta"));
    HWND panel = app.Control(IDC_PICT), picker = app.Control(IDC_COMMT1);
    const LONG home = WindowRectOf(panel).top;
    const POINT from = Centre(picker);
    ASSERT_EQ(WindowFromPoint(from), picker);
    ASSERT_TRUE(PointTo(from) && PressButton(Button::Left, from));
    ASSERT_TRUE(PollUntil([&] { return WindowRectOf(panel).top; }, [&](LONG top) { return top != home; },
                          milliseconds(3000)).ok)
        << "the panel stays over the tree";
    ASSERT_NO_FATAL_FAILURE(Carry(from, *alpha));
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(picker, WM_CANCELMODE, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored));
    const auto back = PollUntil([&] { return WindowRectOf(panel).top; }, [&](LONG top) { return top == home; },
                                milliseconds(3000));
    EXPECT_TRUE(back.ok) << "the panel stays at top " << back.last << ", not " << home;
    ASSERT_TRUE(ReleaseButton(Button::Left, *alpha));
    const auto nothing = HoldsFor([&] { return app.BoxText(IDC_TEXT2); },
                                  [](const std::wstring& t) { return t.empty(); }, milliseconds(500));
    EXPECT_TRUE(nothing.ok) << "Text2 reads " << Narrow(nothing.last);
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    ASSERT_NO_FATAL_FAILURE(ExpectSaved(records));
}

TEST_F(TavoPicking, EscCancelsAPointPickUnderWay) {
    const std::vector<GmxRecord> records = {{.NodeKey = L"L1", .NodeText = L"alpha", .pChar = L"a"}};
    ASSERT_NO_FATAL_FAILURE(StartOn(records, {{0, L"alpha"}}));
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"alpha"));
    const LONG home = WindowRectOf(app.Main()).top;
    const POINT from = Centre(app.Control(IDC_COMM4));
    ASSERT_TRUE(PointTo(from) && PressButton(Button::Left, from));
    ASSERT_TRUE(PollUntil([&] { return WindowRectOf(app.Main()).top; }, [](LONG top) { return top < 0; },
                          milliseconds(3000)).ok)
        << "the main window stays in place";
    POINT to = kClickAt;
    ClientToScreen(target.Window(), &to);
    ASSERT_NO_FATAL_FAILURE(Carry(from, to));
    ASSERT_TRUE(StrikeChord({VK_ESCAPE}));
    const auto back = PollUntil([&] { return WindowRectOf(app.Main()).top; }, [&](LONG top) { return top == home; },
                                milliseconds(3000));
    EXPECT_TRUE(back.ok) << "Esc left the main window at top " << back.last;
    ASSERT_TRUE(ReleaseButton(Button::Left, to));
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    ASSERT_NO_FATAL_FAILURE(ExpectSaved(records));  // no click point
}

}  // namespace
}  // namespace e2e
