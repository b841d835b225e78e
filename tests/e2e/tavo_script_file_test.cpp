// Script files as a user meets them: the Script loaded at start-up, saving it back,
// and the question when unsaved changes would be lost on closing.
#include "tavo_script_fixture.h"

namespace e2e {
namespace {

constexpr wchar_t kCloseQuestion[] = L"你更新的数据还没有保存，你确定要放弃吗?";
constexpr wchar_t kDiscardQuestion[] = L"当前脚本尚未保存，更改窗口设置将清空脚本。是否继续?";

class TavoScriptFile : public TavoScriptTest {};

TEST_F(TavoScriptFile, ScriptNamedInTheRegistryIsLoadedAtStartUpIntoTheTreeAndTheSettings) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"load"));
    EXPECT_EQ(TreeItemCount(app.Tree()), std::optional<size_t>(4));
    // Every loaded node is shown: the child's parent is expanded.
    const std::vector<std::wstring> shown = ExpandedItemTexts(app.Tree());
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"开始", L"进入", L"子项", L"结束"})) << shown.size() << " shown";
    EXPECT_FALSE(IsWindowVisible(app.Fram())) << "the settings panel starts hidden";

    EXPECT_EQ(Narrow(app.BoxText(IDC_NAME_TXT)), "Game");
    EXPECT_EQ(Narrow(app.BoxText(IDC_WIDTH_TXT)), "640");
    EXPECT_EQ(Narrow(app.BoxText(IDC_HEIGHT_TXT)), "480");
    EXPECT_EQ(Narrow(app.BoxText(IDC_TEXT1)), "3");
    EXPECT_EQ(app.SpinnerPosition(), -3);
    // Flag 1: other windows, so "其它窗体" is the selected (disabled) kind.
    EXPECT_TRUE(IsWindowEnabled(app.Control(IDC_OPTION1)));
    EXPECT_FALSE(IsWindowEnabled(app.Control(IDC_OPTION2)));
    // The header's keyword went through the keyword box, which remembers it.
    EXPECT_EQ(Narrow(ReadTavoValue(L"WindowsName").value_or(L"<none>")), "Game");
}

// Scripts written by hand as JSON reach Tavo through tavo-cli.
TEST_F(TavoScriptFile, ScriptConvertedByTavoCliIsLoadedAtStartUp) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"cli"));
    const std::string json = R"({"format": "tavo-script 1",
        "settings": {"keyword": "Game", "minWidth": 640, "minHeight": 480, "windowCount": 3, "windowKind": "other"},
        "records": [
          {"NodeKey": "L1", "NodeText": "开始", "LocationX": 120, "Locationy": 45, "pChar": "你好"},
          {"NodeKey": "L2", "NodeText": "进入", "pChar": "x", "pYesNext": "L4"},
          {"NodeKey": "L3", "NodeParent": "L2", "NodeText": "子项", "pChar": "{ENTER}"},
          {"NodeKey": "L4", "NodeText": "结束", "pChar": "abc"}]})";
    ASSERT_TRUE(WriteWholeFile(folder + L"\\hand.json", json));
    Process cli = Process::Launch(TavoCliExePath(), {L"convert", folder + L"\\hand.json", folder + L"\\hand.gmx"});
    ASSERT_TRUE(cli.WaitForExit(20000)) << "tavo-cli did not finish";
    ASSERT_EQ(cli.ExitCode(), 0u) << "tavo-cli convert failed";
    ASSERT_TRUE(WriteTavoValue(L"FileName", L"hand"));
    app.Start(exe);
    const auto tree = WaitTree(SampleTree());
    EXPECT_TRUE(tree.ok) << "tree " << Describe(tree.last);
    EXPECT_EQ(Narrow(app.BoxText(IDC_WIDTH_TXT)), "640");
    EXPECT_EQ(app.SpinnerPosition(), -3);
}

TEST_F(TavoScriptFile, LoneScriptBesideTavoIsLoadedWhenNoNameIsStored) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"lone"));
    ASSERT_NO_FATAL_FAILURE(PlaceScript(folder + L"\\lone.gmx", GmxImage(kSampleHeader, SampleRecords())));
    app.Start(exe);
    const auto tree = WaitTree(SampleTree());
    EXPECT_TRUE(tree.ok) << "tree " << Describe(tree.last);
}

TEST_F(TavoScriptFile, StartUpWithoutAnyScriptShowsAnEmptyTreeAndNoMessage) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"empty"));
    app.Start(exe);
    const auto quiet = HoldsFor([&] { return FindOwnedDialog(app.Main()); }, [](HWND w) { return w == nullptr; },
                                milliseconds(1000));
    EXPECT_TRUE(quiet.ok) << "a message: " << Narrow(MessageText(quiet.last));
    EXPECT_EQ(TreeItemCount(app.Tree()), std::optional<size_t>(0));
}

TEST_F(TavoScriptFile, SaveOnTheToolbarWritesTheLoadedFileAgainByteForByte) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"save"));
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(true).ok) << "设置(&P) did not show the settings panel";

    // The box's rule answers the typing: "12abc" comes back as 12.
    ASSERT_TRUE(app.TypeInto(IDC_WIDTH_TXT, L"12abc"));
    const auto normalised = WaitBox(IDC_WIDTH_TXT, L"12");
    ASSERT_TRUE(normalised.ok) << "Width_txt reads " << Narrow(normalised.last);
    EXPECT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));
    ASSERT_TRUE(app.TypeInto(IDC_WIDTH_TXT, L"640"));
    ASSERT_TRUE(WaitBox(IDC_WIDTH_TXT, L"640").ok) << Narrow(app.BoxText(IDC_WIDTH_TXT));
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(false).ok) << "设置(&P) did not hide the settings panel";

    ASSERT_TRUE(app.ClickButton(kButtonSave)) << "no rectangle for toolbar button 5";
    const auto saved = WaitSaveEnabled(false);
    ASSERT_TRUE(saved.ok) << "Save still " << Describe(app.Button(kButtonSave));
    const std::string written = ReadWholeFile(script);
    EXPECT_TRUE(written == image) << FirstDifference(written, image);
    // A named Script is saved in place: no dialog, no backup.
    EXPECT_EQ(FindOwnedDialog(app.Main()), nullptr) << Narrow(MessageText(FindOwnedDialog(app.Main())));
    EXPECT_FALSE(FileExists(script + L".bak"));

    // Nothing is left unsaved, so closing asks nothing.
    PostMessageW(app.Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.Proc().WaitForExit(5000)) << "still running; box: " << Narrow(MessageText(FindOwnedDialog(app.Main())));
}

TEST_F(TavoScriptFile, ScriptNamedOnTheCommandLineIsLoadedAndSavedFromTheFileMenu) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"argument"));
    const std::wstring elsewhere = folder + L"\\other scripts";
    ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr)) << "error " << GetLastError() << " " << Narrow(elsewhere);
    script = elsewhere + L"\\my farm.v2.gmx";
    image = GmxImage(kSampleHeader, SampleRecords());
    PlaceScript(script, image);
    app.Start(exe, {script});

    const auto tree = WaitTree(SampleTree());
    ASSERT_TRUE(tree.ok) << "tree " << Describe(tree.last);
    // The name is cut at its first "." and remembered for the next start.
    EXPECT_EQ(Narrow(ReadTavoValue(L"FileName").value_or(L"<none>")), "my farm");
    // Settings that differ from the panel's leave the loaded Script modified.
    ASSERT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));

    ASSERT_TRUE(app.ChooseSave()) << "文件(&F) did not open";
    const auto saved = WaitSaveEnabled(false);
    ASSERT_TRUE(saved.ok) << "Save still " << Describe(app.Button(kButtonSave));
    const std::string written = ReadWholeFile(script);
    EXPECT_TRUE(written == image) << FirstDifference(written, image);
    EXPECT_FALSE(FileExists(folder + L"\\my farm.gmx")) << "saved beside tavo.exe instead";
}

TEST_F(TavoScriptFile, UnquotedPathWithSpacesOnTheCommandLineIsTakenWhole) {
    ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"unquoted"));
    const std::wstring elsewhere = folder + L"\\two  spaces";
    ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr));
    script = elsewhere + L"\\a b.gmx";
    ASSERT_NO_FATAL_FAILURE(PlaceScript(script, GmxImage(kSampleHeader, SampleRecords())));
    app.StartWithTail(exe, L"  " + script + L" ");

    const auto tree = WaitTree(SampleTree());
    EXPECT_TRUE(tree.ok) << "tree " << Describe(tree.last);
    EXPECT_EQ(Narrow(ReadTavoValue(L"FileName").value_or(L"<none>")), "a b");
}

TEST_F(TavoScriptFile, ClosingWithUnsavedChangesAsksAndNoKeepsTheWindowYesClosesIt) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"close"));
    ASSERT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));

    PostMessageW(app.Main(), WM_CLOSE, 0, 0);
    HWND box = WaitForOwnedDialog(app.Main(), milliseconds(3000));
    ASSERT_NE(box, nullptr) << "no question on closing with unsaved changes";
    EXPECT_EQ(Narrow(MessageText(box)), Narrow(kCloseQuestion));
    ASSERT_TRUE(Answer(box, IDNO));

    const auto gone = PollUntil([&] { return FindOwnedDialog(app.Main()); }, [](HWND w) { return w == nullptr; },
                                milliseconds(3000));
    ASSERT_TRUE(gone.ok) << "the question stayed";
    const auto kept = HoldsFor([&] { return IsWindow(app.Main()) && app.Proc().Running(); }, [](bool k) { return k; },
                               milliseconds(1000));
    EXPECT_TRUE(kept.ok) << "No did not keep the window";
    // Everything is as it was: the Script and its unsaved state.
    EXPECT_EQ(ReadTreeItems(app.Tree()), SampleTree()) << Describe(ReadTreeItems(app.Tree()));
    EXPECT_TRUE(app.Button(kButtonSave).enabled) << Describe(app.Button(kButtonSave));

    PostMessageW(app.Main(), WM_CLOSE, 0, 0);
    box = WaitForOwnedDialog(app.Main(), milliseconds(3000));
    ASSERT_NE(box, nullptr) << "no question on the second closing";
    ASSERT_TRUE(Answer(box, IDYES));
    EXPECT_TRUE(app.Proc().WaitForExit(5000)) << "Yes did not close Tavo";
    const std::string after = ReadWholeFile(script);
    EXPECT_TRUE(after == image) << "closing without saving changed the file: " << FirstDifference(after, image);
}

// The keyword box empties the tree: with unsaved work Tavo asks first, and No keeps it.
TEST_F(TavoScriptFile, KeystrokeInTheKeywordBoxAsksBeforeDiscardingUnsavedWorkAndNoKeepsIt) {
    ASSERT_NO_FATAL_FAILURE(StartWithSampleScript(L"discard"));
    ASSERT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(true).ok) << "设置(&P) did not show the settings panel";

    // Posted: the box's handler waits in the question until it is answered.
    ASSERT_TRUE(PostMessageW(app.Control(IDC_NAME_TXT), WM_CHAR, L'x', 1));
    HWND box = WaitForOwnedDialog(app.Main(), milliseconds(3000));
    ASSERT_NE(box, nullptr) << "no question before the tree was emptied; tree " << Describe(ReadTreeItems(app.Tree()));
    EXPECT_EQ(Narrow(MessageText(box)), Narrow(kDiscardQuestion));
    ASSERT_TRUE(Answer(box, IDNO));

    const auto restored = WaitBox(IDC_NAME_TXT, L"Game");
    EXPECT_TRUE(restored.ok) << "Name_txt reads " << Narrow(restored.last);
    EXPECT_EQ(ReadTreeItems(app.Tree()), SampleTree()) << Describe(ReadTreeItems(app.Tree()));
    EXPECT_TRUE(app.Button(kButtonSave).enabled) << Describe(app.Button(kButtonSave));
}

}  // namespace
}  // namespace e2e
