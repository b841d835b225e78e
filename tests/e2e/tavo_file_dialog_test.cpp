// The Open and Save As commands through the common file dialogs: the dialog's title and
// default name, the chosen file loaded or written, and the backup made before.
#include "tavo_script_fixture.h"

namespace e2e {
namespace {

constexpr int kFileNameControl = 1148;  // the explorer-style dialog's file name box
constexpr wchar_t kDialogTitle[] = L"tavo";  // the executable's name without extension
constexpr wchar_t kOpenQuestion[] = L"导入新数据将丢失现有数据,确定要执行些操作吗?";

class TavoFileDialog : public TavoScriptTest {
protected:
    // Waits for the dialog, then chooses `path` in it.
    void ChooseInDialog(const std::wstring& path, std::wstring* defaultName = nullptr) {
        HWND dialog = WaitForOwnedDialog(app.Main(), milliseconds(5000), kDialogTitle);
        ASSERT_NE(dialog, nullptr) << "no file dialog titled tavo";
        HWND name = WaitForControl(dialog, kFileNameControl, milliseconds(3000));
        ASSERT_NE(name, nullptr) << "the dialog has no file name box";
        if (defaultName) *defaultName = ReadText(name).value_or(L"<no answer>");
        DWORD_PTR ok = 0;
        ASSERT_TRUE(SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG,
                                        2000, &ok));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        const auto closed = PollUntil([&] { return IsWindow(dialog) != FALSE; }, [](bool open) { return !open; },
                                      milliseconds(3000));
        ASSERT_TRUE(closed.ok) << "the dialog did not take " << Narrow(path);
    }
};

TEST_F(TavoFileDialog, OpenOnTheToolbarAsksThenLoadsTheChosenFile) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"open"));
    // Out of the program's folder, where start-up would find it.
    const std::wstring elsewhere = folder + L"\\scripts";
    ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr));
    const std::wstring chosen = elsewhere + L"\\other.gmx";
    ASSERT_NO_FATAL_FAILURE(PlaceScript(chosen, GmxImage(kSampleHeader, SampleRecords())));
    app.Start(exe);
    EXPECT_EQ(TreeItemCount(app.Tree()), std::optional<size_t>(0));

    ASSERT_TRUE(app.ClickButton(kButtonOpen)) << "no rectangle for toolbar button 1";
    HWND question = WaitForOwnedDialog(app.Main(), milliseconds(3000), L"Tavo");
    ASSERT_NE(question, nullptr) << "Open asked nothing";
    EXPECT_EQ(Narrow(MessageText(question)), Narrow(kOpenQuestion));
    ASSERT_TRUE(Answer(question, IDYES));
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(chosen));

    const auto tree = WaitTree(SampleTree());
    EXPECT_TRUE(tree.ok) << "tree " << Describe(tree.last);
    EXPECT_EQ(Narrow(ReadTavoValue(L"FileName").value_or(L"<none>")), "other");
}

TEST_F(TavoFileDialog, SaveAsBacksUpTheOpenFileThenWritesTheChosenOne) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"saveas"));
    ASSERT_TRUE(ChooseMenuItem(app.Main(), L'f', L'a')) << "文件(&F) did not open";
    const std::wstring copy = folder + L"\\copy.gmx";
    std::wstring defaultName;
    ASSERT_NO_FATAL_FAILURE(ChooseInDialog(copy, &defaultName));
    EXPECT_EQ(Narrow(defaultName), "demo") << "the dialog should offer the Script's name";

    const auto saved = WaitSaveEnabled(false);
    ASSERT_TRUE(saved.ok) << "Save still " << Describe(app.Button(kButtonSave));
    const std::string written = ReadWholeFile(copy);
    EXPECT_TRUE(written == image) << FirstDifference(written, image);
    const std::string backup = ReadWholeFile(script + L".bak");
    EXPECT_TRUE(backup == image) << "demo.gmx.bak: " << FirstDifference(backup, image);
    EXPECT_EQ(Narrow(ReadTavoValue(L"FileName").value_or(L"<none>")), "copy");
}

// After New the old Script's file is no longer the Script's, also once a change of the
// window kind has read its name back: Save asks for a file and leaves the old one alone.
TEST_F(TavoFileDialog, SaveAfterNewAndAWindowKindChangeAsksForAFileAndKeepsTheOldOne) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"new"));
    ASSERT_TRUE(ChooseMenuItem(app.Main(), L'f', L'n')) << "文件(&F) did not open";
    ASSERT_TRUE(WaitTree({}).ok) << "新建脚本 left " << Describe(ReadTreeItems(app.Tree()));
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(true).ok) << "设置(&P) did not show the settings panel";
    // The sample chose other windows: Flash windows is the kind to click.
    ASSERT_TRUE(app.ClickOption(IDC_OPTION1));
    ASSERT_TRUE(PollUntil([&] { return IsWindowEnabled(app.Control(IDC_OPTION1)) != FALSE; },
                          [](bool enabled) { return !enabled; }, milliseconds(3000)).ok);
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(false).ok) << "设置(&P) did not hide the settings panel";

    ASSERT_TRUE(app.ChooseSave()) << "文件(&F) did not open";
    HWND dialog = WaitForOwnedDialog(app.Main(), milliseconds(5000), kDialogTitle);
    ASSERT_NE(dialog, nullptr) << "Save wrote without asking for a file";
    HWND name = WaitForControl(dialog, kFileNameControl, milliseconds(3000));
    EXPECT_EQ(Narrow(ReadText(name).value_or(L"<no answer>")), "未命名");
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(PollUntil([&] { return IsWindow(dialog) != FALSE; }, [](bool open) { return !open; },
                          milliseconds(3000)).ok) << "the dialog did not close";
    const std::string after = ReadWholeFile(script);
    EXPECT_TRUE(after == image) << FirstDifference(after, image);
}

}  // namespace
}  // namespace e2e
