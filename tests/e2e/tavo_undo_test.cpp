// Undo and redo as a user works them: a drag, a click pick and a delete made with real
// pointer input, taken back with Ctrl+Z and the Edit menu, then saved again: the file
// comes back byte for byte.
#include "driver/key_chord.h"
#include "tavo_target_fixture.h"

namespace e2e {
namespace {

// Keyword "practice" (in the practice target's title), Flash windows, one window.
constexpr wchar_t kHeader[] = L"practice|400|300|1|0|";
constexpr POINT kClickAt{650, 100};  // a target client point away from its status line

std::vector<GmxRecord> Records() {
    return {{.NodeKey = L"L1", .NodeText = L"alpha", .pChar = L"hi"},
            {.NodeKey = L"L2", .NodeText = L"beta", .pChar = L"b"},
            {.NodeKey = L"L3", .NodeParent = L"L2", .NodeText = L"child", .pChar = L"c"},
            {.NodeKey = L"L4", .NodeText = L"gamma", .pChar = L"d"}};
}

std::vector<TreeItem> Loaded() {
    return {{0, L"alpha"}, {0, L"beta"}, {1, L"child"}, {0, L"gamma"}};
}
std::vector<TreeItem> Dragged() {
    return {{0, L"alpha"}, {1, L"gamma"}, {0, L"beta"}, {1, L"child"}};
}

POINT Centre(HWND window) {
    const RECT r = WindowRectOf(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class TavoUndo : public TavoTargetTest {
protected:
    void StartOnRecords() {
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"undo"));
        script = folder + L"\\undo.gmx";
        image = GmxImage(kHeader, Records());
        ASSERT_NO_FATAL_FAILURE(PlaceScript(script, image));
        app.Start(exe, {script});
        const auto loaded = WaitTree(Loaded());
        ASSERT_TRUE(loaded.ok) << Describe(loaded.last);
        ASSERT_LT(WindowRectOf(app.Main()).right, 700) << "Tavo's window would cover the target";
        const auto held =
            PollUntil([&] { return app.Label1Text(); },
                      [](const std::wstring& t) { return t == kCountOne; }, kDiscoveryTimeout);
        ASSERT_TRUE(held.ok) << "Label1 reads " << Narrow(held.last);
        ASSERT_NO_FATAL_FAILURE(BringToFront());
    }

    void OpenEditor(const std::wstring& caption) {
        const auto at = LabelCentre(app.Tree(), FindItem(app.Tree(), caption));
        ASSERT_TRUE(at) << Narrow(caption) << " does not show in "
                        << Describe(ReadTreeItems(app.Tree()));
        ASSERT_NO_FATAL_FAILURE(ClickAt(*at, app.Tree(), Narrow(caption), Button::Right));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), true).ok)
            << "no editor panel for " << Narrow(caption);
    }

    void ClickControl(int id) {
        ASSERT_NO_FATAL_FAILURE(
            ClickAt(Centre(app.Control(id)), app.Control(id), "control " + std::to_string(id)));
    }

    // From `from` to `to` at a hand's pace, the button held.
    void Carry(POINT from, POINT to) {
        constexpr int kSteps = 8;
        for (int i = 1; i <= kSteps; ++i) {
            Sleep(20);  // the pace of a hand, not a wait for a result
            ASSERT_TRUE(PointTo(
                {from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}));
        }
    }

    void DragNode(const std::wstring& from, const std::wstring& onto) {
        const auto a = LabelCentre(app.Tree(), FindItem(app.Tree(), from));
        const auto b = LabelCentre(app.Tree(), FindItem(app.Tree(), onto));
        ASSERT_TRUE(a && b) << Describe(ReadTreeItems(app.Tree()));
        ASSERT_TRUE(PointTo(*a) && PressButton(Button::Left, *a));
        const auto captured =
            PollUntil([&] { return CaptureOf(app.Tree()); },
                      [&](HWND w) { return w == app.Tree(); }, milliseconds(3000));
        ASSERT_TRUE(captured.ok) << "the tree did not take the press";
        ASSERT_NO_FATAL_FAILURE(Carry(*a, *b));
        ASSERT_TRUE(ReleaseButton(Button::Left, *b));
    }

    // The click picker carried to a client point of the target; the main window leaves
    // the screen meanwhile and comes back.
    void PickClickPoint(POINT clientPoint) {
        const LONG home = WindowRectOf(app.Main()).top;
        const POINT from = Centre(app.Control(IDC_COMM4));
        ASSERT_EQ(WindowFromPoint(from), app.Control(IDC_COMM4)) << "the click picker is covered";
        ASSERT_TRUE(PointTo(from) && PressButton(Button::Left, from));
        const auto away = PollUntil([&] { return WindowRectOf(app.Main()).top; },
                                    [](LONG top) { return top < 0; }, milliseconds(3000));
        ASSERT_TRUE(away.ok) << "the main window stays at top " << away.last;
        POINT to = clientPoint;
        ClientToScreen(target.Window(), &to);
        ASSERT_NO_FATAL_FAILURE(Carry(from, to));
        ASSERT_EQ(WindowFromPoint(to), target.Window())
            << "the target is covered at " << to.x << "," << to.y;
        ASSERT_TRUE(ReleaseButton(Button::Left, to));
        const auto back = PollUntil([&] { return WindowRectOf(app.Main()).top; },
                                    [&](LONG top) { return top == home; }, milliseconds(5000));
        ASSERT_TRUE(back.ok) << "the main window stays at top " << back.last << ", not " << home;
    }

    void CloseEditor() {
        ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_COMM5));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok)
            << "确定 did not close the editor panel";
    }

    void ExpectTree(const std::vector<TreeItem>& expected, const std::string& after) {
        const auto tree = WaitTree(expected);
        EXPECT_TRUE(tree.ok) << "after " << after << ": " << Describe(tree.last);
    }
};

TEST_F(TavoUndo, UndoAfterADragAPickAndADeleteRestoresTheSavedFileByteForByte) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    // Saved by Tavo itself first, so that the state undo goes back to is the saved one.
    ASSERT_TRUE(app.ChooseSave()) << "文件(&F) did not open";
    ASSERT_TRUE(WaitSaveEnabled(false).ok) << "not saved";
    ASSERT_TRUE(ReadWholeFile(script) == image) << FirstDifference(ReadWholeFile(script), image);

    ASSERT_NO_FATAL_FAILURE(DragNode(L"gamma", L"alpha"));
    ASSERT_TRUE(WaitTree(Dragged()).ok) << Describe(ReadTreeItems(app.Tree()));
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"beta"));
    ASSERT_NO_FATAL_FAILURE(PickClickPoint(kClickAt));
    ASSERT_NO_FATAL_FAILURE(CloseEditor());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"child"));
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_DELORDER));
    ASSERT_TRUE(WaitTree({{0, L"alpha"}, {1, L"gamma"}, {0, L"beta"}}).ok)
        << Describe(ReadTreeItems(app.Tree()));
    ASSERT_TRUE(WaitSaveEnabled(true).ok);

    // In a text box Ctrl+Z is the box's own.
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"alpha"));
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_LCHAR));
    ASSERT_TRUE(PollUntil([&] { return FocusOf(app.Main()); },
                          [&](HWND w) { return w == app.Control(IDC_LCHAR); }, milliseconds(3000))
                    .ok);
    ASSERT_TRUE(StrikeChord({VK_CONTROL, 'Z'}));
    const auto kept = HoldsFor([&] { return ReadTreeItems(app.Tree()); },
                               [](const std::vector<TreeItem>& t) { return t.size() == 3; },
                               kNothingHappensPeriod);
    EXPECT_TRUE(kept.ok) << "Ctrl+Z in lChar undid: " << Describe(kept.last);
    ASSERT_NO_FATAL_FAILURE(CloseEditor());

    ASSERT_TRUE(StrikeChord({VK_CONTROL, 'Z'}));
    ExpectTree(Dragged(), "undoing the delete");
    // The pick was a step of its own: undoing it leaves the drag.
    ASSERT_TRUE(StrikeChord({VK_CONTROL, 'Z'}));
    const auto pickUndone = HoldsFor([&] { return ReadTreeItems(app.Tree()); },
                                     [](const std::vector<TreeItem>& t) { return t == Dragged(); },
                                     kNothingHappensPeriod);
    EXPECT_TRUE(pickUndone.ok) << "undoing the pick: " << Describe(pickUndone.last);
    ASSERT_TRUE(StrikeChord({VK_CONTROL, 'Z'}));
    ExpectTree(Loaded(), "undoing the drag");
    EXPECT_TRUE(WaitSaveEnabled(false).ok)
        << "back at the saved state the Script still reads modified";

    ASSERT_TRUE(ChooseMenuItem(app.Main(), L'e', L'r', milliseconds(3000)))
        << "编辑(&E) did not open";
    ExpectTree(Dragged(), "编辑 → 重做");
    EXPECT_TRUE(WaitSaveEnabled(true).ok)
        << "redone away from the saved state the Script reads saved";
    ASSERT_TRUE(ChooseMenuItem(app.Main(), L'e', L'u', milliseconds(3000)))
        << "编辑(&E) did not open";
    ExpectTree(Loaded(), "编辑 → 撤销");

    // Written again from what undo restored, not left as it was.
    ASSERT_TRUE(WriteWholeFile(script, "replaced"));
    ASSERT_TRUE(app.ChooseSave()) << "文件(&F) did not open";
    const auto saved =
        PollUntil([&] { return ReadWholeFile(script); },
                  [&](const std::string& b) { return b == image; }, milliseconds(5000));
    EXPECT_TRUE(saved.ok) << FirstDifference(saved.last, image);
}

}  // namespace
}  // namespace e2e
