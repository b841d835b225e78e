// A Script made with the keyboard alone: 编辑 → 新增指令 by its mnemonics, the editor panel
// opened with the context-menu key and Shift+F10 and closed with Esc, a caption edited
// with F2, an Instruction deleted with Delete, the arrow keys, and Ctrl+S.
#include "driver/controls.h"
#include "driver/key_chord.h"
#include "tavo_target_fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kHeader[] = L"practice|400|300|1|0|";

class TavoKeyboard : public TavoTargetTest {
protected:
    void Strike(std::initializer_list<WORD> keys, const std::string& what) {
        ASSERT_TRUE(StrikeChord(keys)) << what << " was not struck";
    }

    void Type(const std::string& letters) {
        for (const char c : letters) ASSERT_NO_FATAL_FAILURE(Strike({static_cast<WORD>(c)}, {c}));
    }

    // Alt+E, then N once the drop-down shows.
    void AddInstruction() {
        ASSERT_NO_FATAL_FAILURE(Strike({VK_MENU, 'E'}, "Alt+E"));
        DWORD pid = 0;
        GetWindowThreadProcessId(app.Main(), &pid);
        ASSERT_TRUE(PollUntil([&] { return PopupMenuShown(pid); }, [](bool s) { return s; },
                              milliseconds(3000))
                        .ok)
            << "编辑(&E) did not open";
        ASSERT_NO_FATAL_FAILURE(Strike({'N'}, "N"));
    }

    void ExpectFocus(HWND expected, const std::string& what) {
        const auto focus = PollUntil([&] { return FocusOf(app.Main()); },
                                     [&](HWND w) { return w == expected; }, milliseconds(3000));
        ASSERT_TRUE(focus.ok) << "the focus is not in " << what;
    }

    // The panel opened by `keys` on the selected Instruction, `letters` typed into lChar,
    // and the panel closed with Esc.
    void TypeIntoPanel(std::initializer_list<WORD> keys, const std::string& letters) {
        ASSERT_NO_FATAL_FAILURE(Strike(keys, "the panel's key"));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), true).ok) << "no editor panel";
        ASSERT_NO_FATAL_FAILURE(ExpectFocus(app.Control(IDC_LCHAR), "lChar"));
        ASSERT_NO_FATAL_FAILURE(Type(letters));
        ASSERT_NO_FATAL_FAILURE(Strike({VK_ESCAPE}, "Esc"));
        ASSERT_TRUE(WaitShown(app.Control(IDC_PICT), false).ok) << "Esc left the panel open";
        ASSERT_NO_FATAL_FAILURE(ExpectFocus(app.Tree(), "the tree"));
    }

    void ExpectTree(const std::vector<TreeItem>& expected, const std::string& after) {
        const auto tree = WaitTree(expected);
        ASSERT_TRUE(tree.ok) << "after " << after << ": " << Describe(tree.last);
    }
};

TEST_F(TavoKeyboard, ATwoInstructionScriptIsMadeAndSavedWithoutTheMouse) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"keyboard"));
    script = folder + L"\\keys.gmx";
    ASSERT_NO_FATAL_FAILURE(PlaceScript(script, GmxImage(kHeader, {})));
    app.Start(exe, {script});
    // A Script without Instructions is said so; Enter answers.
    const auto told = PollUntil([&] { return MessageText(FindOwnedDialog(app.Main())); },
                                [](const std::wstring& t) { return t == L"没有找到有效指令!"; },
                                milliseconds(5000));
    ASSERT_TRUE(told.ok) << "no message about the empty Script: " << Narrow(told.last);
    ASSERT_TRUE(BringToForeground(FindOwnedDialog(app.Main())).ok);
    ASSERT_NO_FATAL_FAILURE(Strike({VK_RETURN}, "Enter"));
    const auto held =
        PollUntil([&] { return app.Label1Text(); },
                  [](const std::wstring& t) { return t == kCountOne; }, kDiscoveryTimeout);
    ASSERT_TRUE(held.ok) << "no target held, 编辑 stays disabled: " << Narrow(held.last);
    ASSERT_NO_FATAL_FAILURE(BringToFront());

    ASSERT_NO_FATAL_FAILURE(AddInstruction());
    ASSERT_NO_FATAL_FAILURE(ExpectTree({{0, L"practice1"}}, "新增指令"));
    ASSERT_NO_FATAL_FAILURE(ExpectFocus(app.Tree(), "the tree"));
    ASSERT_NO_FATAL_FAILURE(TypeIntoPanel({VK_APPS}, "AB"));

    ASSERT_NO_FATAL_FAILURE(Strike({VK_F2}, "F2"));
    const auto editBox = PollUntil([&] { return TreeView_GetEditControl(app.Tree()); },
                                   [](HWND w) { return w != nullptr; }, milliseconds(3000));
    ASSERT_TRUE(editBox.ok) << "F2 started no caption edit";
    ASSERT_NO_FATAL_FAILURE(Type("ONE"));
    ASSERT_NO_FATAL_FAILURE(Strike({VK_RETURN}, "Enter"));
    ASSERT_NO_FATAL_FAILURE(ExpectTree({{0, L"one"}}, "F2"));

    ASSERT_NO_FATAL_FAILURE(AddInstruction());
    ASSERT_NO_FATAL_FAILURE(ExpectTree({{0, L"one"}, {0, L"practice2"}}, "新增指令"));
    ASSERT_NO_FATAL_FAILURE(TypeIntoPanel({VK_SHIFT, VK_F10}, "CD"));

    // A third, deleted again with Delete as 删除 would.
    ASSERT_NO_FATAL_FAILURE(AddInstruction());
    ASSERT_NO_FATAL_FAILURE(ExpectTree({{0, L"one"}, {0, L"practice2"}, {0, L"practice3"}}, "新增指令"));
    ASSERT_NO_FATAL_FAILURE(Strike({VK_DELETE}, "Delete"));
    ASSERT_NO_FATAL_FAILURE(ExpectTree({{0, L"one"}, {0, L"practice2"}}, "Delete"));

    ASSERT_NO_FATAL_FAILURE(Strike({VK_UP}, "Up"));
    const auto selected = PollUntil([&] { return SelectedItemText(app.Tree()); },
                                    [](const auto& t) { return t == L"one"; }, milliseconds(3000));
    EXPECT_TRUE(selected.ok) << "Up did not select the first Instruction";

    ASSERT_NO_FATAL_FAILURE(Strike({VK_CONTROL, 'S'}, "Ctrl+S"));
    ASSERT_TRUE(WaitSaveEnabled(false).ok)
        << "not saved; " << Narrow(MessageText(FindOwnedDialog(app.Main())));
    const std::string expected =
        GmxImage(kHeader, {{.NodeKey = L"L1", .NodeText = L"one", .pChar = L"ab"},
                           {.NodeKey = L"L2", .NodeText = L"practice2", .pChar = L"cd"}});
    const std::string written = ReadWholeFile(script);
    EXPECT_TRUE(written == expected) << FirstDifference(written, expected);
}

}  // namespace
}  // namespace e2e
