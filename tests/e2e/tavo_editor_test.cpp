// The Script editor as a user works it: Instructions added from the toolbar and given
// their texts in the editor panel, a caption edited in place, nodes dragged with the
// mouse and moved by the panel's buttons, the on-screen keyboard, and Tab between boxes.
// Clicks and drags are real pointer input, so the tree's own handling of the mouse, its
// capture and the stacking of the panels take part as they would for a person.
#include <algorithm>
#include <string_view>

#include "core/editor/editor_panel_view.h"
#include "core/editor/key_board.h"
#include "driver/practice_log.h"
#include "tavo_target_fixture.h"

namespace e2e {
namespace {

// Keyword "practice" (in the practice target's title), Flash windows, one window.
constexpr wchar_t kHeader[] = L"practice|400|300|1|0|";
constexpr wchar_t kCannotDrop[] = L"指令不能移动到此位置。";

std::vector<GmxRecord> Records() {
    return {{.NodeKey = L"L1", .NodeText = L"alpha", .pChar = L"hi"},
            {.NodeKey = L"L2", .NodeText = L"beta", .pChar = L"b"},
            {.NodeKey = L"L3", .NodeParent = L"L2", .NodeText = L"child", .pChar = L"c"},
            {.NodeKey = L"L4", .NodeText = L"gamma", .pChar = L"d"}};
}

std::vector<TreeItem> Loaded() { return {{0, L"alpha"}, {0, L"beta"}, {1, L"child"}, {0, L"gamma"}}; }

// What the target took in as typing: posted characters, and "<Enter>" or "<Ctrl+V>" for
// a key-down, with CTRL as the target read it while handling the key.
std::string Typed(const PracticeTarget& target) {
    std::string typed;
    for (const LoggedInput& in : PostedInput(ParseInput(target.LogLines()))) {
        if (in.name == "WM_CHAR") typed += static_cast<char>(in.wParam);
        if (in.name != "WM_KEYDOWN") continue;
        typed += in.ctrl ? "<Ctrl+" : "<";
        if (in.wParam == VK_RETURN) typed += "Enter";
        else typed += static_cast<char>(in.wParam);
        typed += '>';
    }
    return typed;
}

// A record's text fields, after its eight numbers, for failure messages.
std::string TextFields(const std::string& record) {
    std::wstring text(record.size(), L'\0');
    const int n = MultiByteToWideChar(936, 0, record.data() + 16, static_cast<int>(record.size()) - 16, text.data(),
                                      static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    std::string fields = "[";
    fields += Narrow(text);
    return fields += ']';
}

class TavoEditor : public TavoTargetTest {
protected:
    // Tavo on a Script of Records(), the target held, Tavo in front.
    void StartOnRecords() {
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"editor"));
        script = folder + L"\\edit.gmx";
        ASSERT_NO_FATAL_FAILURE(PlaceScript(script, GmxImage(kHeader, Records())));
        app.Start(exe, {script});
        const auto loaded = WaitTree(Loaded());
        ASSERT_TRUE(loaded.ok) << Describe(loaded.last);
        ASSERT_NO_FATAL_FAILURE(WaitHeld());
        ASSERT_NO_FATAL_FAILURE(BringToFront());
    }

    void WaitHeld() {
        const auto held = PollUntil([&] { return app.Label1Text(); },
                                    [](const std::wstring& t) { return t == kCountOne; }, kDiscoveryTimeout);
        ASSERT_TRUE(held.ok) << "Label1 reads " << Narrow(held.last);
    }

    // A right click on the node opens the editor panel for it.
    void OpenEditor(const std::wstring& caption) {
        const auto at = LabelCentre(app.Tree(), FindItem(app.Tree(), caption));
        ASSERT_TRUE(at) << Narrow(caption) << " does not show in " << Describe(ReadTreeItems(app.Tree()));
        ASSERT_NO_FATAL_FAILURE(ClickAt(*at, app.Tree(), Narrow(caption), Button::Right));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), true).ok) << "no editor panel for " << Narrow(caption);
    }

    void ClickControl(int id) {
        const RECT r = WindowRectOf(app.Control(id));
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ASSERT_NO_FATAL_FAILURE(ClickAt(centre, app.Control(id), "control " + std::to_string(id)));
    }

    // Keys are laid out in twips of the keyboard's fixed size, whatever its DPI.
    void ClickKey(std::string_view name) {
        HWND keyboard = app.Control(IDC_TKEYBOARD);
        const auto keys = tavo::KeyBoardKeys();
        const auto key = std::ranges::find(keys, name, &tavo::KeyBoardKey::name);
        ASSERT_NE(key, keys.end()) << name;
        RECT client{};
        GetClientRect(keyboard, &client);
        POINT at{MulDiv(key->left + key->width / 2, client.right, tavo::kKeyBoardWidth),
                 MulDiv(key->top + key->height / 2, client.bottom, tavo::kKeyBoardHeight)};
        ClientToScreen(keyboard, &at);
        ASSERT_NO_FATAL_FAILURE(ClickAt(at, keyboard, "key " + std::string(name)));
    }

    // Pressed on one node, moved by hand's steps, released on the other.
    void DragNode(const std::wstring& from, const std::wstring& to) {
        const auto b = LabelCentre(app.Tree(), FindItem(app.Tree(), to));
        ASSERT_TRUE(b) << Narrow(to) << " does not show";
        ASSERT_NO_FATAL_FAILURE(DragNodeTo(from, *b));
    }

    void DragNodeTo(const std::wstring& from, POINT to) {
        const auto a = LabelCentre(app.Tree(), FindItem(app.Tree(), from));
        ASSERT_TRUE(a) << Narrow(from) << " does not show";
        ASSERT_TRUE(PointTo(*a) && PressButton(Button::Left, *a));
        const auto captured = PollUntil([&] { return CaptureOf(app.Tree()); }, [&](HWND w) { return w == app.Tree(); },
                                        milliseconds(3000));
        ASSERT_TRUE(captured.ok) << "the tree did not take the press";
        constexpr int kSteps = 6;
        for (int i = 1; i <= kSteps; ++i) {
            Sleep(20);  // the pace of a hand, not a wait for a result
            ASSERT_TRUE(PointTo({a->x + (to.x - a->x) * i / kSteps, a->y + (to.y - a->y) * i / kSteps}));
        }
        ASSERT_TRUE(ReleaseButton(Button::Left, to));
    }

    // Where a top-level node's +/- button lies: in the first indent column of its row.
    std::optional<POINT> ButtonOf(const std::wstring& caption) {
        const auto label = LabelCentre(app.Tree(), FindItem(app.Tree(), caption));
        if (!label) return std::nullopt;
        POINT at{static_cast<LONG>(SendMessageW(app.Tree(), TVM_GETINDENT, 0, 0)) / 2, 0};
        ClientToScreen(app.Tree(), &at);
        return POINT{at.x, label->y};
    }

    bool Expanded(const std::wstring& caption) {
        const auto item = reinterpret_cast<WPARAM>(FindItem(app.Tree(), caption));
        return (SendMessageW(app.Tree(), TVM_GETITEMSTATE, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }

    Polled<bool> WaitExpanded(const std::wstring& caption, bool expanded) {
        return PollUntil([&] { return Expanded(caption); }, [&](bool e) { return e == expanded; },
                         milliseconds(3000));
    }

    void ExpectSaved(const std::vector<GmxRecord>& expected) { ExpectSavedRecords(kHeader, expected, TextFields); }

    static HWND EditControlOf(HWND tree) {
        DWORD_PTR edit = 0;
        SendMessageTimeoutW(tree, TVM_GETEDITCONTROL, 0, 0, SMTO_ABORTIFHUNG, 2000, &edit);
        return reinterpret_cast<HWND>(edit);
    }

    Polled<HWND> WaitFocus(int id) {
        return PollUntil([&] { return FocusOf(app.Main()); }, [&](HWND w) { return w == app.Control(id); },
                         milliseconds(3000));
    }

    Polled<std::string> WaitTyped(const std::string& expected) {
        return PollUntil([&] { return Typed(target); }, [&](const std::string& t) { return t == expected; },
                         milliseconds(5000));
    }
};

TEST_F(TavoEditor, ScriptBuiltFromTheToolbarAndThePanelIsSavedAndLoadsAgain) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"build"));
    app.Start(exe);
    ASSERT_NO_FATAL_FAILURE(BringToFront());
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(true).ok) << "设置(&P) did not show the settings panel";
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_NAME_TXT));
    ASSERT_TRUE(WaitFocus(IDC_NAME_TXT).ok) << "the click left the focus on " << FocusOf(app.Main());
    ASSERT_TRUE(app.TypeInto(IDC_NAME_TXT, L"practice"));
    ASSERT_TRUE(StrikeKey(VK_TAB));
    const auto tabbed = WaitFocus(IDC_WIDTH_TXT);
    EXPECT_TRUE(tabbed.ok) << "Tab from the keyword box went to control " << GetDlgCtrlID(tabbed.last);
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(false).ok) << "设置(&P) did not hide the settings panel";
    ASSERT_NO_FATAL_FAILURE(WaitHeld());

    const std::wstring texts[] = {L"one", L"two2", L"3x"};
    for (int n = 1; n <= 3; ++n) {
        const std::wstring caption = L"practice" + std::to_wstring(n);
        const auto newOn = PollUntil([&] { return app.Button(kButtonNew).enabled; }, [](bool on) { return on; },
                                     milliseconds(3000));
        ASSERT_TRUE(newOn.ok) << "toolbar button 3 stays off before " << Narrow(caption);
        ASSERT_TRUE(app.ClickButton(kButtonNew));
        const auto added = PollUntil([&] { return SelectedItemText(app.Tree()).value_or(L"<none>"); },
                                     [&](const std::wstring& t) { return t == caption; }, milliseconds(3000));
        ASSERT_TRUE(added.ok) << "selected: " << Narrow(added.last) << "; tree " << Describe(ReadTreeItems(app.Tree()));
        EXPECT_FALSE(app.Button(kButtonNew).enabled) << "button 3 is on while the new Instruction is empty";

        ASSERT_NO_FATAL_FAILURE(OpenEditor(caption));
        ASSERT_TRUE(app.TypeInto(IDC_LCHAR, texts[n - 1]));
        PostMessageW(app.Control(IDC_LCHAR), WM_KEYDOWN, VK_RETURN, 1);
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "Enter did not close the editor panel";
    }
    const std::vector<TreeItem> built = {{0, L"practice1"}, {0, L"practice2"}, {0, L"practice3"}};
    EXPECT_EQ(ReadTreeItems(app.Tree()), built) << Describe(ReadTreeItems(app.Tree()));
    // Each Enter typed its text into the target at once.
    const auto typed = WaitTyped("one<Enter>two2<Enter>3x<Enter>");
    EXPECT_TRUE(typed.ok) << "the target took in " << typed.last;

    // In place, on the selected node: shown as typed, stored trimmed.
    DWORD_PTR edit = 0, ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(app.Tree(), TVM_EDITLABELW, 0,
                                    reinterpret_cast<LPARAM>(FindItem(app.Tree(), L"practice3")), SMTO_ABORTIFHUNG,
                                    2000, &edit) &&
                edit)
        << "no caption edit started";
    const auto editBox = reinterpret_cast<HWND>(edit);
    ASSERT_TRUE(SendMessageTimeoutW(editBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"  收尾 "), SMTO_ABORTIFHUNG, 2000,
                                    &ignored));
    PostMessageW(editBox, WM_KEYDOWN, VK_RETURN, 1);
    const auto renamed = WaitTree({{0, L"practice1"}, {0, L"practice2"}, {0, L"  收尾 "}});
    EXPECT_TRUE(renamed.ok) << Describe(renamed.last);

    ASSERT_TRUE(app.ChooseSave()) << "文件(&F) did not open";
    script = folder + L"\\built.gmx";
    ASSERT_TRUE(ChooseFileInDialog(app.Main(), L"tavo", script)) << "no Save dialog took " << Narrow(script);
    ASSERT_TRUE(WaitSaveEnabled(false).ok) << "not saved";
    const std::string written = ReadWholeFile(script);
    EXPECT_EQ(written.substr(0, 9), "practice|") << "header " << written.substr(0, 40);
    const std::string expected = GmxImage(L"", {{.NodeKey = L"L1", .NodeText = L"practice1", .pChar = L"one"},
                                                {.NodeKey = L"L2", .NodeText = L"practice2", .pChar = L"two2"},
                                                {.NodeKey = L"L3", .NodeText = L"收尾", .pChar = L"3x"}});
    ASSERT_EQ(written.size(), expected.size());
    for (size_t n = 1; n <= 3; ++n) {
        const std::string record = written.substr(142 * n, 142), wanted = expected.substr(142 * n, 142);
        EXPECT_TRUE(record == wanted) << "record " << n << "\n  written:  " << TextFields(record)
                                      << "\n  expected: " << TextFields(wanted);
    }

    app.Kill();
    app.Start(exe, {script});
    const auto reloaded = WaitTree({{0, L"practice1"}, {0, L"practice2"}, {0, L"收尾"}});
    ASSERT_TRUE(reloaded.ok) << Describe(reloaded.last);
    ASSERT_NO_FATAL_FAILURE(BringToFront());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"practice2"));
    const auto text = WaitBox(IDC_LCHAR, L"two2");
    EXPECT_TRUE(text.ok) << "lChar after the restart reads " << Narrow(text.last);
}

TEST_F(TavoEditor, DraggedNodeTakesItsSubtreeAlongButNeverIntoItself) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());

    ASSERT_NO_FATAL_FAILURE(DragNode(L"beta", L"child"));
    HWND box = WaitForOwnedDialog(app.Main(), milliseconds(3000), L"Tavo");
    ASSERT_NE(box, nullptr) << "no refusal; tree " << Describe(ReadTreeItems(app.Tree()));
    EXPECT_EQ(Narrow(MessageText(box)), Narrow(kCannotDrop));
    ASSERT_TRUE(Answer(box, IDOK));
    const auto kept = HoldsFor([&] { return ReadTreeItems(app.Tree()); },
                               [](const std::vector<TreeItem>& items) { return items == Loaded(); }, milliseconds(500));
    EXPECT_TRUE(kept.ok) << Describe(kept.last);

    ASSERT_NO_FATAL_FAILURE(DragNode(L"beta", L"alpha"));
    const auto moved = WaitTree({{0, L"alpha"}, {1, L"beta"}, {2, L"child"}, {0, L"gamma"}});
    EXPECT_TRUE(moved.ok) << Describe(moved.last);
}

TEST_F(TavoEditor, MoveButtonsAndDeleteActOnTheSelectedNode) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"gamma"));

    const std::vector<TreeItem> raised = {{0, L"alpha"}, {0, L"gamma"}, {0, L"beta"}, {1, L"child"}};
    const struct {
        int button;
        std::vector<TreeItem> tree;
    } moves[] = {
        {IDC_COMMAND3_BASE + 0, raised},  // up: before its previous sibling
        {IDC_COMMAND3_BASE + 3, {{0, L"alpha"}, {1, L"gamma"}, {0, L"beta"}, {1, L"child"}}},  // child of previous
        {IDC_COMMAND3_BASE + 2, raised},    // up a level: after its parent
        {IDC_COMMAND3_BASE + 1, Loaded()},  // down: after its next sibling
    };
    for (const auto& move : moves) {
        ASSERT_NO_FATAL_FAILURE(ClickControl(move.button));
        const auto tree = WaitTree(move.tree);
        EXPECT_TRUE(tree.ok) << "after button " << move.button << ": " << Describe(tree.last);
        EXPECT_EQ(Narrow(SelectedItemText(app.Tree()).value_or(L"<none>")), "gamma");
    }
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_DELORDER));
    const auto deleted = WaitTree({{0, L"alpha"}, {0, L"beta"}, {1, L"child"}});
    EXPECT_TRUE(deleted.ok) << Describe(deleted.last);
    EXPECT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "the editor panel stayed after 删除";
}

TEST_F(TavoEditor, OnScreenKeyboardAddsCtrlVToTheTextAndTypesItIntoTheTarget) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"alpha"));
    ASSERT_TRUE(WaitBox(IDC_LCHAR, L"hi").ok) << Narrow(app.BoxText(IDC_LCHAR));
    // Tab leaves the two-line text box as it leaves a one-line box.
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_LCHAR));
    ASSERT_TRUE(WaitFocus(IDC_LCHAR).ok) << "the click left the focus on " << FocusOf(app.Main());
    ASSERT_TRUE(StrikeKey(VK_TAB));
    const auto tabbed = WaitFocus(IDC_COMMT1);
    EXPECT_TRUE(tabbed.ok) << "Tab from lChar went to control " << GetDlgCtrlID(tabbed.last);
    EXPECT_EQ(Narrow(app.BoxText(IDC_LCHAR)), "hi");

    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_COMM3));
    HWND keyboard = app.Control(IDC_TKEYBOARD);
    ASSERT_TRUE(WaitShown(keyboard, true).ok) << "no keyboard";
    EXPECT_TRUE(WaitFocus(IDC_TKEYBOARD).ok) << "the keyboard did not take the focus";
    ASSERT_NO_FATAL_FAILURE(ClickKey("Ctrl"));
    ASSERT_NO_FATAL_FAILURE(ClickKey("V"));

    const auto text = WaitBox(IDC_LCHAR, L"hi/*Ctrl+v*/");
    EXPECT_TRUE(text.ok) << "lChar reads " << Narrow(text.last);
    const auto typed = WaitTyped("hi<Ctrl+V><Enter>");
    EXPECT_TRUE(typed.ok) << "the target took in " << typed.last;
    EXPECT_TRUE(WaitShown(keyboard, false).ok) << "the keyboard stayed";
    EXPECT_TRUE(WaitFocus(IDC_LDELAY).ok) << "the focus went to " << GetDlgCtrlID(FocusOf(app.Main()));

    // Stored in the Instruction: opened again after another node, the panel shows it.
    ASSERT_NO_FATAL_FAILURE(ClickControl(IDC_COMM5));
    ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "确定 did not close the editor panel";
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"gamma"));
    ASSERT_TRUE(WaitBox(IDC_LCHAR, L"d").ok) << Narrow(app.BoxText(IDC_LCHAR));
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"alpha"));
    EXPECT_TRUE(WaitBox(IDC_LCHAR, L"hi/*Ctrl+v*/").ok) << Narrow(app.BoxText(IDC_LCHAR));
}

// An edit in the panel must land on the Instruction it shows: whatever makes another one
// current closes it.
TEST_F(TavoEditor, TheEditorPanelClosesWheneverAnotherInstructionBecomesCurrent) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    HWND panel = app.Control(IDC_PICT);
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"gamma"));
    ASSERT_NO_FATAL_FAILURE(DragNode(L"alpha", L"beta"));
    const auto moved = WaitTree({{0, L"beta"}, {1, L"child"}, {1, L"alpha"}, {0, L"gamma"}});
    ASSERT_TRUE(moved.ok) << Describe(moved.last);
    EXPECT_TRUE(WaitShown(panel, false).ok) << "the panel stayed open over the dragged Instruction";
    // Whatever still reaches the closed panel's box edits no Instruction.
    ASSERT_TRUE(app.TypeInto(IDC_LCHAR, L"zz"));
    const std::vector<GmxRecord> loaded = Records();
    GmxRecord alpha = loaded[0];
    alpha.NodeParent = L"L2";
    ASSERT_NO_FATAL_FAILURE(ExpectSaved({loaded[1], loaded[2], alpha, loaded[3]}));

    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"gamma"));
    ASSERT_TRUE(ChooseMenuItem(app.Main(), L'e', L'n', milliseconds(3000))) << "编辑(&E) did not open";
    EXPECT_TRUE(WaitShown(panel, false).ok) << "新增指令 left the panel open over the new Instruction";
    const auto added = PollUntil([&] { return SelectedItemText(app.Tree()).value_or(L"<none>"); },
                                 [](const std::wstring& t) { return t == L"practice5"; }, milliseconds(3000));
    EXPECT_TRUE(added.ok) << "selected: " << Narrow(added.last);
}

TEST_F(TavoEditor, ADropOnDelOrderDeletesTheDraggedInstruction) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    ASSERT_NO_FATAL_FAILURE(OpenEditor(L"gamma"));
    HWND delOrder = app.Control(IDC_DELORDER);
    const RECT r = WindowRectOf(delOrder);
    const POINT on{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_EQ(WindowFromPoint(on), delOrder) << "删除 is covered";
    ASSERT_NO_FATAL_FAILURE(DragNodeTo(L"alpha", on));
    const auto deleted = WaitTree({{0, L"beta"}, {1, L"child"}, {0, L"gamma"}});
    EXPECT_TRUE(deleted.ok) << Describe(deleted.last);
    EXPECT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "the panel stayed open";
}

TEST_F(TavoEditor, CollapsingKeepsTheCurrentInstructionAndADoubleClickTogglesANode) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    const auto selected = [&] { return SelectedItemText(app.Tree()).value_or(L"<none>"); };
    const auto child = LabelCentre(app.Tree(), FindItem(app.Tree(), L"child"));
    const auto button = ButtonOf(L"beta");
    ASSERT_TRUE(child && button) << Describe(ReadTreeItems(app.Tree()));
    ASSERT_NO_FATAL_FAILURE(ClickAt(*child, app.Tree(), "child"));
    ASSERT_TRUE(PollUntil(selected, [](const std::wstring& t) { return t == L"child"; }, milliseconds(3000)).ok);

    ASSERT_NO_FATAL_FAILURE(ClickAt(*button, app.Tree(), "beta's button"));
    EXPECT_TRUE(WaitExpanded(L"beta", false).ok) << "the button did not collapse beta";
    // Hidden, the current Instruction shows no highlight, and no other node takes it.
    const auto hidden = HoldsFor(selected, [](const std::wstring& t) { return t == L"<none>"; }, milliseconds(500));
    EXPECT_TRUE(hidden.ok) << "with child hidden the tree shows " << Narrow(hidden.last) << " selected";
    ASSERT_NO_FATAL_FAILURE(ClickAt(*button, app.Tree(), "beta's button"));
    EXPECT_TRUE(WaitExpanded(L"beta", true).ok) << "the button did not expand beta";
    const auto kept = PollUntil(selected, [](const std::wstring& t) { return t == L"child"; }, milliseconds(3000));
    EXPECT_TRUE(kept.ok) << "collapsing beta made " << Narrow(kept.last) << " current";
    // Another program's collapse is the same.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(app.Tree(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FindItem(app.Tree(), L"beta")),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
    EXPECT_TRUE(WaitExpanded(L"beta", false).ok);
    EXPECT_EQ(Narrow(selected()), "<none>");

    const auto beta = LabelCentre(app.Tree(), FindItem(app.Tree(), L"beta"));
    ASSERT_TRUE(beta);
    ASSERT_TRUE(Click(*beta) && Click(*beta));
    EXPECT_TRUE(WaitExpanded(L"beta", true).ok) << "a double click did not expand beta";
    // Longer than the double-click time: the second click was no caption edit's start.
    const auto noEdit = HoldsFor([&] { return EditControlOf(app.Tree()); }, [](HWND w) { return w == nullptr; },
                                 milliseconds(GetDoubleClickTime() + 500));
    EXPECT_TRUE(noEdit.ok) << "a double click started a caption edit";
}

// The question about an empty Instruction protects the Script, not the user's time
// elsewhere: renaming the Instruction, or another program in front, asks nothing.
TEST_F(TavoEditor, ANewEmptyInstructionIsRenamedInPlaceAndNothingIsAskedWhileTheUserIsElsewhere) {
    ASSERT_NO_FATAL_FAILURE(StartOnRecords());
    ASSERT_TRUE(app.ClickButton(kButtonNew));
    ASSERT_TRUE(WaitTree({{0, L"alpha"}, {0, L"beta"}, {1, L"child"}, {0, L"gamma"}, {0, L"practice5"}}).ok);
    ASSERT_TRUE(PollUntil([&] { return FocusOf(app.Main()); }, [&](HWND w) { return w == app.Tree(); },
                          milliseconds(3000)).ok)
        << "the tree did not take the focus";
    const auto elsewhere = BringToForeground(target.Window());
    ASSERT_TRUE(elsewhere.ok) << "the target stays behind " << elsewhere.last << "; "
                              << Narrow(MessageText(FindOwnedDialog(app.Main())));
    HWND asked = WaitForOwnedDialog(app.Main(), kNothingHappensPeriod);
    EXPECT_EQ(asked, nullptr) << "asked while another program was in front: " << Narrow(MessageText(asked));
    if (asked) Answer(asked, IDNO);

    ASSERT_NO_FATAL_FAILURE(BringToFront());
    const auto label = LabelCentre(app.Tree(), FindItem(app.Tree(), L"practice5"));
    ASSERT_TRUE(label);
    ASSERT_NO_FATAL_FAILURE(ClickAt(*label, app.Tree(), "practice5"));  // the selected node's caption
    const auto editing = PollUntil([&] { return EditControlOf(app.Tree()); }, [](HWND w) { return w != nullptr; },
                                   milliseconds(3000));
    ASSERT_TRUE(editing.ok) << "no caption edit started; " << Narrow(MessageText(FindOwnedDialog(app.Main())));
    DWORD_PTR ignored = 0;
    ASSERT_TRUE(SendMessageTimeoutW(editing.last, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"收尾"), SMTO_ABORTIFHUNG,
                                    2000, &ignored));
    ASSERT_TRUE(StrikeKey(VK_RETURN));
    const auto renamed = WaitTree({{0, L"alpha"}, {0, L"beta"}, {1, L"child"}, {0, L"gamma"}, {0, L"收尾"}});
    EXPECT_TRUE(renamed.ok) << Describe(renamed.last) << "; " << Narrow(MessageText(FindOwnedDialog(app.Main())));
    EXPECT_EQ(FindOwnedDialog(app.Main()), nullptr);
}

}  // namespace
}  // namespace e2e
