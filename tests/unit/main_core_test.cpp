#include <gtest/gtest.h>

#include "main_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;
using testing::ShownMessage;

const char* const kHeader = "后台操作记录-Tavo  V1.2.3\r\n2026-12-06   21:15:03\r\n\r\n";
const char* const kStart = "2026-12-06   21:15:03\r\n21:15:03  手动起动程序。\r\n";
const char* const kStop = "21:15:03  手动终止程序。\r\n------------------------ \r\n\r\n";

class MainCoreTest : public testing::MainTest {
protected:
    MainCoreTest() { main.Startup(); }

    static std::array<bool, 5> Buttons(bool open, bool add, bool save, bool run, bool stop) {
        return {open, add, save, run, stop};
    }
};

TEST_F(MainCoreTest, StartsWithOnlyTheFileMenuAndTheLogHeader) {
    const MainViewModel v = View();
    EXPECT_EQ(v.journal, kHeader);
    EXPECT_EQ(v.label1, "识别窗口数: 0");
    EXPECT_TRUE(v.menuFile);
    EXPECT_FALSE(v.menuEdit);
    EXPECT_FALSE(v.menuCtrl);
    EXPECT_FALSE(v.pictEnabled);
    EXPECT_FALSE(v.journalEnabled);
    EXPECT_EQ(Toolbar(v), Buttons(true, true, false, false, false));
}

TEST_F(MainCoreTest, AFoundWindowEnablesEditingAndRunningAndLosingItDisablesThem) {
    AddTarget();
    main.RunTick();
    MainViewModel v = View();
    EXPECT_EQ(v.label1, "识别窗口数: 1");
    EXPECT_TRUE(v.menuEdit && v.menuCtrl && v.pictEnabled && v.journalEnabled);

    windows.Close(7);
    main.RunTick();
    v = View();
    EXPECT_EQ(v.label1, "识别窗口数: 0");
    EXPECT_FALSE(v.menuEdit || v.menuCtrl || v.pictEnabled || v.journalEnabled);
    EXPECT_TRUE(v.menuFile);
}

TEST_F(MainCoreTest, RunButtonNeedsAWindowANonEmptyInstructionAndAScript) {
    Build({{"L1", ""}});
    EXPECT_FALSE(View().toolbar.run);
    AddTarget();
    main.RunTick();
    EXPECT_EQ(Toolbar(View()), Buttons(true, true, false, true, false));

    main.Script().Current().pChar = std::string(kCharWidth, ' ');  // now empty
    main.RefreshRunButtons();
    // A Script exists, so adding is off until the empty Instruction is resolved.
    EXPECT_EQ(Toolbar(View()), Buttons(true, false, false, false, false));
}

TEST_F(MainCoreTest, RunAndStopLockAndUnlockAndWriteTheLog) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}});
    main.Choose(Command::CtrlRun);
    MainViewModel v = View();
    EXPECT_TRUE(main.Running());
    EXPECT_EQ(v.journal, std::string(kHeader) + kStart);
    EXPECT_EQ(Toolbar(v), Buttons(false, false, false, false, true));
    EXPECT_FALSE(v.menuFile || v.menuEdit || v.menuCtrl || v.menuSetup);
    EXPECT_FALSE(v.pictEnabled || v.treeEditable || v.clearEnabled || v.delOrderEnabled);

    main.Choose(Command::CtrlStop);
    v = View();
    EXPECT_FALSE(main.Running());
    EXPECT_EQ(v.journal, std::string(kHeader) + kStart + kStop);
    EXPECT_EQ(Toolbar(v), Buttons(true, true, false, true, false));
    EXPECT_TRUE(v.menuFile && v.menuEdit && v.menuCtrl && v.menuSetup);
    EXPECT_TRUE(v.pictEnabled && v.treeEditable && v.clearEnabled && v.delOrderEnabled);
}

TEST_F(MainCoreTest, StopWhileIdleStillWritesTheStopLines) {
    main.Choose(Command::CtrlStop);
    EXPECT_EQ(View().journal, std::string(kHeader) + kStop);
}

TEST_F(MainCoreTest, AnEmptyCurrentInstructionBlocksTheRunWithAQuestion) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "", "", ""}});
    main.Script().SelectInstruction(main.Script().Tree().Find("L3"));
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};

    main.Choose(Command::CtrlRun);
    const ShownMessage question{"不能预留空指令，是否自动删除L3指令?", MessageButtons::YesNo,
                                MessageIcon::Question};
    EXPECT_EQ(messages.shown, std::vector<ShownMessage>{question});
    EXPECT_FALSE(main.Running());
    EXPECT_NE(main.Script().Tree().Find("L3"), nullptr);

    main.Choose(Command::CtrlRun);  // Yes: the empty Instruction goes, the run still does not start
    EXPECT_FALSE(main.Running());
    EXPECT_EQ(main.Script().Tree().Find("L3"), nullptr);
    EXPECT_EQ(View().selectedKey, "L2");
    EXPECT_TRUE(main.Script().Modified());
    EXPECT_EQ(View().journal, kHeader);
}

TEST_F(MainCoreTest, NewInstructionsAreGuardedAndClearingReloadsTheOpenPanel) {
    main.Handle(SettingsBoxEdited{SettingsBox::Name_txt, "game"});
    windows.Add(7, 560, 240, 800, 600, "MozillaWindowClass", "a game");
    main.RunTick();
    main.Choose(Command::EditNew);
    EXPECT_EQ(View().selectedKey, "L1");
    main.Choose(Command::EditNew);  // L1 is still empty: asked, not added
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L1指令?"});
    EXPECT_EQ(main.Script().Tree().Count(), 1);

    main.Fields().ShowEditorPanel(true);
    main.Fields().CharChanged("hi");
    main.Fields().CloseEditorPanel();
    EXPECT_TRUE(View().toolbar.run);
    main.Fields().ShowEditorPanel(true);
    messages.answers = {MessageAnswer::Yes};
    main.Choose(Command::EditClear);
    EXPECT_EQ(View().pict.lChar, "");
    main.Fields().CloseEditorPanel();
    EXPECT_FALSE(View().toolbar.run);
    EXPECT_EQ(main.Script().Tree().Find("L1")->caption, "game1");

    main.Fields().ShowEditorPanel(true);
    main.Fields().CharChanged("hi");
    main.Choose(Command::CtrlRun);  // the run selects other Instructions
    EXPECT_FALSE(View().pict.shown);
}

TEST_F(MainCoreTest, EachHeldWindowGetsAStepWithItsOwnWindowServed) {
    main.Settings().MaxWindows = 2;
    windows.Add(1, 860, 240, 410, 600);
    windows.Add(2, 1260, 240, 400, 600);
    for (int i = 0; i < 4 && main.Slots().WindowCount() < 2; ++i) main.RunTick();
    ASSERT_EQ(main.Slots().WindowCount(), 2);
    const WindowHandle slot0 = main.Slots().hWnd(0), slot1 = main.Slots().hWnd(1);
    Build({{"L1", ""}, {"L2", "", 0, "L1"}});
    main.Choose(Command::CtrlRun);
    main.RunTick();
    const std::vector<testing::Execution> expected = {{"L1", slot1, slot0}, {"L2", slot1, slot0}};
    EXPECT_EQ(executor.executed, expected);
}

TEST_F(MainCoreTest, ATickFallingDueDuringAStepRunsAfterIt) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}});
    main.Choose(Command::CtrlRun);
    main.RunTick();  // positions the run
    std::size_t executedDuringNestedTick = 99;
    pump.events[pump.calls + 1] = [&] {
        const std::size_t before = executor.executed.size();
        main.RunTick();
        executedDuringNestedTick = executor.executed.size() - before;
    };
    main.RunTick();
    EXPECT_EQ(executedDuringNestedTick, 0u);
    // The outer step ran L1..L3; the deferred tick then ran its own step right after.
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L2", "L3", "L1", "L2", "L3"}));
}

TEST_F(MainCoreTest, StopChosenDuringAStepTakesEffectAtItsEnd) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}, {"L2", "", 3}, {"L3", ""}});
    main.Choose(Command::CtrlRun);
    main.RunTick();
    executor.during = [this] {
        if (main.Running()) main.Choose(Command::CtrlStop);
    };
    main.RunTick();
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(View().selectedKey, "L3");
    main.RunTick();
    EXPECT_EQ(executor.executed.size(), 2u);
}

TEST_F(MainCoreTest, ACloseAskedForDuringAStepWaitsForTheEndOfTheTick) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}, {"L2", "", 3}});
    main.Script().SetModified(true);
    main.Choose(Command::CtrlRun);
    EXPECT_FALSE(main.RunTick());  // positions the run
    std::optional<bool> closedDuringStep;
    executor.during = [&] {
        if (!closedDuringStep) closedDuringStep = main.Closing();
    };
    EXPECT_TRUE(main.RunTick());
    EXPECT_EQ(closedDuringStep, false);
    EXPECT_TRUE(MessageTexts().empty());  // nothing asked in the middle of the step
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_FALSE(main.RunTick());  // said once
}

TEST_F(MainCoreTest, AFaultInAStepIsLoggedAndTheTicksGoOn) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}, {"L2", ""}});
    main.Choose(Command::CtrlRun);
    main.RunTick();  // positions the run
    executor.during = [this] {
        if (executor.executed.size() == 1) throw std::runtime_error("capture\r\nfailed");
    };
    main.RunTick();
    EXPECT_EQ(View().journal, std::string(kHeader) + kStart + "21:15:03  执行出错: capture  failed\r\n");
    main.RunTick();  // the failed Instruction is where the run resumes: node 1
    main.RunTick();
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L1", "L2"}));
}

}  // namespace
}  // namespace tavo
