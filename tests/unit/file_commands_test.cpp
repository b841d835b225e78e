#include "main_fixture.h"
#include "core/model/script_file.h"

namespace tavo {
namespace {

using testing::kFolder;
using testing::NodePlan;
using Requests = std::vector<FileDialogRequest>;

constexpr const char* kNoInstructions = "没有找到有效指令!";
constexpr const char* kFilter = "gmx文件   (*.gmx)|*.gmx";

class FileCommandsTest : public testing::MainTest {
protected:
    // A .gmx image of the given Instructions, as the program writes it.
    std::string ScriptBytes(const std::vector<NodePlan>& plans, GmxHeader header = {}) {
        ScriptState script;
        testing::BuildScript(script, plans);
        return BuildScriptFile(*codePage, header, PlanSave(script.Tree()).nodes);
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> found;
        for (const ScriptNode* n : main.Script().Tree().PreOrder()) found.push_back(n->key);
        return found;
    }
    FileDialogRequest Dialog(bool isSave, const std::string& name) const {
        return {isSave, "tavo", kFilter, name, ".gmx", "C:\\Tavo"};
    }
};

TEST_F(FileCommandsTest, StartUpLoadsTheScriptTheRegistryNames) {
    registry.values = {{"FileName", "farm"}, {"WindowsName", "game"}};
    files.files[std::string(kFolder) + "farm.gmx"] =
        ScriptBytes({{"L1", ""}, {"L2", "L1"}}, {"game", 500, 300, 2, false});
    files.files[std::string(kFolder) + "other.gmx"] = ScriptBytes({{"L9", ""}});
    main.Startup();
    EXPECT_EQ(Keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(View().selectedKey, "L1");
    EXPECT_EQ(View().settings.Width_txt, "500");
    EXPECT_EQ(View().settings.Text1, "2");
    EXPECT_EQ(main.State().settings.MinWidth, 500);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(View().delOrderEnabled && View().clearEnabled);
}

TEST_F(FileCommandsTest, StartUpWithoutRegistryLoadsTheFirstScriptOfTheFolder) {
    files.files[std::string(kFolder) + "demo.gmx"] = ScriptBytes({{"L3", ""}});
    main.Startup();
    EXPECT_EQ(Keys(), std::vector<std::string>{"L3"});
    EXPECT_EQ(main.State().ScriptPath, std::string(kFolder) + "demo.gmx");
}

TEST_F(FileCommandsTest, StartUpWithNoScriptAnywhereEndsEmptyAndQuiet) {
    main.Startup();
    EXPECT_TRUE(main.Script().Tree().Empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(main.State().ScriptName, kDefaultScriptName);
    EXPECT_TRUE(files.log.empty());  // nothing was created
}

TEST_F(FileCommandsTest, StartUpWithOnlyAKeywordTriesTheKeywordAsScriptName) {
    registry.values = {{"WindowsName", "game"}};
    files.files[std::string(kFolder) + "game.gmx"] = ScriptBytes({{"L5", ""}}, {"game"});
    files.files[std::string(kFolder) + "a.gmx"] = ScriptBytes({{"L6", ""}});
    main.Startup();
    EXPECT_EQ(main.State().ScriptName, "game");
    EXPECT_EQ(Keys(), std::vector<std::string>{"L5"});
}

TEST_F(FileCommandsTest, AScriptNamedOnTheCommandLineIsOpenedWithoutAQuestion) {
    files.files["D:\\work\\farm.old.gmx"] = ScriptBytes({{"L1", ""}});
    main.Startup("D:\\work\\farm.old.gmx");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(main.State().ScriptName, "farm");
    EXPECT_EQ(registry.values["FileName"], "farm");
    EXPECT_EQ(Keys(), std::vector<std::string>{"L1"});
}

TEST_F(FileCommandsTest, OpenAsksThenLoadsAndRemembersTheName) {
    main.Startup();
    files.files["D:\\work\\farm.old.gmx"] = ScriptBytes({{"L1", ""}, {"L2", ""}});
    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {{"D:\\work\\farm.old.gmx"}};
    main.Choose(Command::MenuOpen);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"导入新数据将丢失现有数据,确定要执行些操作吗?"});
    EXPECT_EQ(dialogs.requests, Requests{Dialog(false, kDefaultScriptName)});
    EXPECT_EQ(registry.values["FileName"], "farm");
    EXPECT_EQ(Keys(), (std::vector<std::string>{"L1", "L2"}));
}

TEST_F(FileCommandsTest, OpeningAMissingFileFindsNothingAndCreatesNothing) {
    main.Startup();
    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {{"C:\\gone.gmx"}};
    main.Choose(Command::MenuOpen);
    EXPECT_EQ(MessageTexts().back(), kNoInstructions);
    EXPECT_FALSE(files.FileExists("C:\\gone.gmx"));
}

// The record that stopped the load is the current Instruction, and no node is current:
// the guard has nothing to ask about (here the record is even an empty one), so the
// Script that was read can be saved, run and set up.
TEST_F(FileCommandsTest, AStoppedLoadKeepsWhatItReadAndLeavesItUsable) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}, {"L2", ""}});
    main.Startup();
    main.Script().SelectInstruction(main.Script().Tree().Find("L2"));
    std::string bytes = ScriptBytes({{"L1", ""}, {"L2", ""}});
    // A parent that never came, in an empty record.
    bytes += EncodeRecord(*codePage, testing::InstructionFor({"L4", "L3", 0, "", "", ""}));
    files.files["C:\\x.gmx"] = bytes;
    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {{"C:\\x.gmx"}};
    main.Choose(Command::MenuOpen);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(main.Script().CurrentNode(), nullptr);
    EXPECT_EQ(KeyOf(main.Script().Current().NodeKey), "L4");
    main.Choose(Command::Setup);
    EXPECT_TRUE(View().framShown);
    EXPECT_EQ(MessageTexts().size(), 1u);  // only the Open question
    EXPECT_EQ(Keys(), (std::vector<std::string>{"L1", "L2"}));
}

TEST_F(FileCommandsTest, SaveOfANamedScriptWritesWithoutDialogOrBackup) {
    registry.values = {{"FileName", "farm"}};
    const std::string original = ScriptBytes({{"L1", ""}, {"L2", "L1"}, {"L3", ""}});
    files.files[std::string(kFolder) + "farm.gmx"] = original;
    main.Startup();
    main.Script().SetModified(true);
    main.Fields().ShowEditorPanel(true);
    files.log.clear();
    main.Choose(Command::MenuSave);
    EXPECT_FALSE(View().pict.shown);  // it would show L1 while L3 is current
    EXPECT_TRUE(dialogs.requests.empty());
    EXPECT_EQ(files.log, std::vector<std::string>{"replace C:\\Tavo\\farm.gmx"});
    EXPECT_EQ(files.files[std::string(kFolder) + "farm.gmx"], original);
    EXPECT_FALSE(main.Script().Modified());
    EXPECT_EQ(View().selectedKey, "L3");  // the last record written
}

// A Script made by New has no file until a save gives it one, even after a state reset
// has read the old Script's name back from the registry.
TEST_F(FileCommandsTest, SaveAfterNewBacksUpThePreviousFileThenAsks) {
    registry.values = {{"FileName", "farm"}};
    const std::string farm = ScriptBytes({{"L1", ""}});
    files.files[std::string(kFolder) + "farm.gmx"] = farm;
    main.Startup();
    main.Choose(Command::MenuNew);
    EXPECT_EQ(main.State().ScriptName, kUntitledScriptName);
    main.Handle(OtherWindowsChosen{});  // resets the state: ScriptName is "farm" again
    Build({{"L1", ""}, {"L2", ""}});
    files.log.clear();
    dialogs.answers = {{"C:\\Tavo\\new.gmx"}};
    main.Choose(Command::MenuSave);
    EXPECT_EQ(files.log, (std::vector<std::string>{"copy C:\\Tavo\\farm.gmx -> C:\\Tavo\\farm.gmx.bak",
                                                   "replace C:\\Tavo\\new.gmx"}));
    EXPECT_EQ(dialogs.requests, Requests{Dialog(true, kUntitledScriptName)});
    EXPECT_EQ(files.files[std::string(kFolder) + "farm.gmx"], farm);
    EXPECT_EQ(registry.values["FileName"], "new");

    // Now it has its file: a plain Save writes it without a dialog.
    main.Choose(Command::MenuSave);
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(files.log.back(), "replace C:\\Tavo\\new.gmx");
}

// A save that writes nothing changes no name: the next start-up must not look for a file
// that was never written.
TEST_F(FileCommandsTest, ASaveAsThatWritesNothingKeepsTheNames) {
    struct Case {
        const char* name;
        std::vector<NodePlan> script;
        bool writeFails;
    };
    std::vector<NodePlan> tooMany;
    for (int i = 1; i <= kMaxRecords + 1; ++i) tooMany.push_back({NodeKeyFor(i), ""});
    const Case cases[] = {
        {"empty Instruction", {{"L1", ""}, {"L2", "", 0, "", "", ""}}, false},
        {"too many Instructions", tooMany, false},
        {"write fails", {{"L1", ""}}, true},
    };
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    for (const Case& c : cases) {
        main.Startup();
        main.Choose(Command::MenuClear);
        Build(c.script);
        files.readOnly.clear();
        if (c.writeFails) files.readOnly.insert("C:\\Tavo\\copy.gmx");
        dialogs.answers = {{"C:\\Tavo\\copy.gmx"}};
        main.Choose(Command::MenuSaveAs);
        EXPECT_FALSE(files.FileExists("C:\\Tavo\\copy.gmx")) << c.name;
        EXPECT_EQ(registry.values["FileName"], "farm") << c.name;
        EXPECT_EQ(main.State().ScriptName, "farm") << c.name;
        EXPECT_EQ(main.State().ScriptPath, std::string(kFolder) + "farm.gmx") << c.name;
    }
}

// Save As asks before replacing another existing file (No shows the dialog again), never
// before replacing the Script's own file.
TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingAnotherFile) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    files.files["D:\\other.gmx"] = "other";
    main.Startup();
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    dialogs.answers = {{"D:\\other.gmx"}, {"D:\\other.gmx"}};
    main.Choose(Command::MenuSaveAs);
    const testing::ShownMessage question{"other.gmx 已存在。\n要替换它吗?", MessageButtons::YesNo,
                                         MessageIcon::Exclamation};
    EXPECT_EQ(messages.shown, (std::vector{question, question}));
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_NE(files.files["D:\\other.gmx"], "other");

    messages.shown.clear();
    dialogs.answers = {{"d:/OTHER.gmx"}};  // now its own file, however spelt
    main.Choose(Command::MenuSaveAs);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(files.log.back(), "replace d:/OTHER.gmx");
}

TEST_F(FileCommandsTest, SaveAsRenewsTheBackupEvenWhenCancelled) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    files.files[std::string(kFolder) + "farm.gmx.bak"] = "old backup";
    main.Startup();
    dialogs.answers = {{std::nullopt, 3000}};
    main.Choose(Command::MenuSaveAs);
    EXPECT_EQ(files.files[std::string(kFolder) + "farm.gmx.bak"], files.files[std::string(kFolder) + "farm.gmx"]);
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(FileCommandsTest, AnEmptyInstructionStopsTheSaveBeforeTheFileIsTouched) {
    registry.values = {{"FileName", "farm"}};
    const std::string original = ScriptBytes({{"L1", ""}});
    files.files[std::string(kFolder) + "farm.gmx"] = original;
    main.Startup();
    main.Script().Tree().AddTopLevel("L2", "empty", kIconInstruction);
    Instruction empty;
    empty.NodeKey = "L2   ";
    main.Script().Tree().SetTag(main.Script().Tree().Find("L2"), BuildTag(empty));
    main.Script().SetModified(true);
    files.log.clear();
    main.Choose(Command::MenuSave);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"发现空指令,请检查数据是否正确!"});
    EXPECT_EQ(View().selectedKey, "L2");
    EXPECT_TRUE(files.log.empty());
    EXPECT_EQ(files.files[std::string(kFolder) + "farm.gmx"], original);
    EXPECT_TRUE(main.Script().Modified());
}

TEST_F(FileCommandsTest, AFailedWriteIsReportedAndKeepsTheChanges) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    files.readOnly.insert(std::string(kFolder) + "farm.gmx");
    main.Startup();
    main.Script().SetModified(true);
    main.Choose(Command::MenuSave);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"脚本保存失败,请检查文件是否可以写入!"});
    EXPECT_TRUE(main.Script().Modified());
}

TEST_F(FileCommandsTest, MoreInstructionsThanAFileHoldsAreRefusedNotCut) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    main.Startup();
    main.Choose(Command::MenuClear);
    std::vector<NodePlan> plans;
    for (int i = 1; i <= kMaxRecords + 1; ++i) plans.push_back({NodeKeyFor(i), ""});
    Build(plans);
    main.Script().SetModified(true);
    files.log.clear();
    main.Choose(Command::MenuSave);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"脚本超过230条指令,无法保存!请删除多余的指令。"});
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(main.Script().Modified());
}

TEST_F(FileCommandsTest, AFileOf230InstructionsLoadsWhole) {
    std::vector<NodePlan> plans;
    for (int i = 1; i <= kMaxRecords; ++i) plans.push_back({NodeKeyFor(i), i > 1 ? "L1" : ""});
    std::string bytes = ScriptBytes(plans);
    bytes += ScriptBytes({{"L999", ""}}).substr(kBlockSize) + "tail";
    files.files[std::string(kFolder) + "big.gmx"] = bytes;
    main.Startup();
    EXPECT_EQ(main.Script().Tree().Count(), kMaxRecords);
    EXPECT_EQ(View().selectedKey, "L1");
}

TEST_F(FileCommandsTest, DialogRetriesOnceWithoutTheNameWhenItFailsAtOnce) {
    main.Startup();
    dialogs.answers = {{std::nullopt, 5}, {"C:\\Tavo\\x.gmx"}};
    Build({{"L1", ""}});
    main.Choose(Command::MenuSaveAs);
    EXPECT_EQ(dialogs.requests, (Requests{Dialog(true, kDefaultScriptName), Dialog(true, "")}));
    EXPECT_TRUE(files.FileExists("C:\\Tavo\\x.gmx"));
}

TEST_F(FileCommandsTest, ACancelledDialogIsNotRetried) {
    main.Startup();
    dialogs.answers = {{std::nullopt, 3000}};
    main.Choose(Command::MenuSaveAs);
    EXPECT_EQ(dialogs.requests.size(), 1u);
}

TEST_F(FileCommandsTest, ANameOf256CharactersIsRefusedBeforeTheDialog) {
    files.files["D:\\" + std::string(256, 'a') + ".gmx"] = ScriptBytes({{"L1", ""}});
    main.Startup("D:\\" + std::string(256, 'a') + ".gmx");
    main.Choose(Command::MenuSaveAs);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"文件名太长!"});
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST_F(FileCommandsTest, DeleteScriptDeletesTheFileButNotAfterNew) {
    registry.values = {{"FileName", "farm"}};
    files.files[std::string(kFolder) + "farm.gmx"] = ScriptBytes({{"L1", ""}});
    main.Startup();
    main.Choose(Command::MenuNew);
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    main.Choose(Command::MenuDel);
    EXPECT_TRUE(files.FileExists(std::string(kFolder) + "farm.gmx"));

    main.Startup();
    main.Choose(Command::MenuDel);  // No
    EXPECT_TRUE(files.FileExists(std::string(kFolder) + "farm.gmx"));
    messages.answers = {MessageAnswer::Yes};
    main.Choose(Command::MenuDel);
    EXPECT_FALSE(files.FileExists(std::string(kFolder) + "farm.gmx"));
    EXPECT_TRUE(main.Script().Tree().Empty());
}

TEST_F(FileCommandsTest, ClosingWithUnsavedChangesAsks) {
    main.Startup();
    EXPECT_TRUE(main.Closing());
    EXPECT_TRUE(messages.shown.empty());

    main.Script().SetModified(true);
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(main.Closing());
    const testing::ShownMessage question{"你更新的数据还没有保存，你确定要放弃吗?", MessageButtons::YesNo,
                                         MessageIcon::Information};
    EXPECT_EQ(messages.shown.back(), question);
    EXPECT_TRUE(main.Script().Modified());
    EXPECT_TRUE(main.Closing());
}

TEST_F(FileCommandsTest, LargeSettingsSurviveALoadAndASave) {
    registry.values = {{"FileName", "farm"}};
    const std::string original = ScriptBytes({{"L1", ""}}, {"game", 200000, 1000000, 10, false});
    files.files[std::string(kFolder) + "farm.gmx"] = original;
    main.Startup();
    main.Choose(Command::MenuSave);
    EXPECT_EQ(View().settings.Width_txt, "200000");
    EXPECT_EQ(files.files[std::string(kFolder) + "farm.gmx"], original);
}

TEST_F(FileCommandsTest, AHeaderWithAKindFlagThatIsNoNumberStopsTheLoad) {
    std::string bytes = ScriptBytes({{"L1", ""}});
    bytes.replace(0, 17, "Game|400|300|1|x|");
    files.files[std::string(kFolder) + "a.gmx"] = bytes;
    main.Startup();
    EXPECT_TRUE(main.Script().Tree().Empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileCommandsTest, OtherWindowsInTheHeaderSelectOtherWindows) {
    files.files[std::string(kFolder) + "a.gmx"] = ScriptBytes({{"L1", ""}}, {"", 400, 300, 1, true});
    main.Startup();
    EXPECT_FALSE(main.State().settings.FlashMode);
    EXPECT_TRUE(View().settings.Option1Enabled);
    EXPECT_EQ(Keys(), std::vector<std::string>{"L1"});
}

}  // namespace
}  // namespace tavo
