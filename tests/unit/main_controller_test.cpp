#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;
using testing::ShownMessage;

const char* const kHeader = "后台操作记录-Tavo  V1.2.3\r\n2026-12-06   21:15:03\r\n\r\n";
const char* const kStart = "2026-12-06   21:15:03\r\n21:15:03  手动起动程序。\r\n";
const char* const kStop = "21:15:03  手动终止程序。\r\n------------------------ \r\n\r\n";

class MainControllerTest : public testing::ControllerTest {
protected:
    MainControllerTest() { controller.Startup(); }

    std::array<bool, 10> Buttons(bool open, bool add, bool save, bool run, bool stop) {
        std::array<bool, 10> b{};
        b[1] = open, b[3] = add, b[5] = save, b[7] = run, b[9] = stop;
        return b;
    }
};

TEST_F(MainControllerTest, StartsWithOnlyTheFileMenuAndTheLogHeader) {
    const MainViewModel v = View();
    EXPECT_EQ(v.journal, kHeader);
    EXPECT_EQ(v.label1, "识别窗口数: 0");
    EXPECT_TRUE(v.menuFile);
    EXPECT_FALSE(v.menuEdit);
    EXPECT_FALSE(v.menuCtrl);
    EXPECT_FALSE(v.pictEnabled);
    EXPECT_FALSE(v.journalEnabled);
    EXPECT_EQ(v.toolbarEnabled, Buttons(true, true, false, false, false));
}

TEST_F(MainControllerTest, AFoundWindowEnablesEditingAndRunningAndLosingItDisablesThem) {
    AddTarget();
    controller.RunTick();
    MainViewModel v = View();
    EXPECT_EQ(v.label1, "识别窗口数: 1");
    EXPECT_TRUE(v.menuEdit && v.menuCtrl && v.pictEnabled && v.journalEnabled);

    windows.Close(7);
    controller.RunTick();
    v = View();
    EXPECT_EQ(v.label1, "识别窗口数: 0");
    EXPECT_FALSE(v.menuEdit || v.menuCtrl || v.pictEnabled || v.journalEnabled);
    EXPECT_TRUE(v.menuFile);
}

TEST_F(MainControllerTest, RunButtonNeedsAWindowANonEmptyInstructionAndAScript) {
    Build({{"L1", ""}});
    EXPECT_FALSE(View().toolbarEnabled[kButtonRun]);
    AddTarget();
    controller.RunTick();
    EXPECT_EQ(View().toolbarEnabled, Buttons(true, true, false, true, false));

    controller.Script().Current().pChar = std::string(kCharWidth, ' ');  // now empty
    controller.RefreshRunButtons();
    // A Script exists, so adding is off until the empty Instruction is resolved.
    EXPECT_EQ(View().toolbarEnabled, Buttons(true, false, false, false, false));
}

TEST_F(MainControllerTest, RunAndStopLockAndUnlockAndWriteTheLog) {
    AddTarget();
    controller.RunTick();
    Build({{"L1", ""}});
    controller.Choose(Command::CtrlRun);
    MainViewModel v = View();
    EXPECT_TRUE(controller.Running());
    EXPECT_EQ(v.journal, std::string(kHeader) + kStart);
    EXPECT_EQ(v.toolbarEnabled, Buttons(false, false, false, false, true));
    EXPECT_FALSE(v.menuFile || v.menuEdit || v.menuCtrl || v.menuSetup);
    EXPECT_FALSE(v.pictEnabled || v.treeEditable || v.clearEnabled || v.delOrderEnabled);

    controller.RunToolbarCommand(kButtonStop);
    v = View();
    EXPECT_FALSE(controller.Running());
    EXPECT_EQ(v.journal, std::string(kHeader) + kStart + kStop);
    EXPECT_EQ(v.toolbarEnabled, Buttons(true, true, false, true, false));
    EXPECT_TRUE(v.menuFile && v.menuEdit && v.menuCtrl && v.menuSetup);
    EXPECT_TRUE(v.pictEnabled && v.treeEditable && v.clearEnabled && v.delOrderEnabled);
}

TEST_F(MainControllerTest, StopWhileIdleStillWritesTheStopLines) {
    controller.StopRun();
    EXPECT_EQ(View().journal, std::string(kHeader) + kStop);
}

TEST_F(MainControllerTest, AnEmptyCurrentInstructionBlocksTheRunWithAQuestion) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "", "", ""}});
    controller.Script().SelectInstruction(controller.Script().Tree().Find("L3"));
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};

    controller.StartRun();
    const ShownMessage question{"不能预留空指令，是否自动删除L3指令?", MessageButtons::YesNo,
                                MessageIcon::Question};
    EXPECT_EQ(messages.shown, std::vector<ShownMessage>{question});
    EXPECT_FALSE(controller.Running());
    EXPECT_NE(controller.Script().Tree().Find("L3"), nullptr);

    controller.StartRun();  // Yes: the empty Instruction goes, the run still does not start
    EXPECT_FALSE(controller.Running());
    EXPECT_EQ(controller.Script().Tree().Find("L3"), nullptr);
    EXPECT_EQ(View().selectedKey, "L2");
    EXPECT_TRUE(controller.Script().Modified());
    EXPECT_EQ(View().journal, kHeader);
}

TEST_F(MainControllerTest, NewInstructionsAreGuardedAndClearingReloadsTheOpenPanel) {
    controller.EditSettingsBox(SettingsBox::Name_txt, "game");
    windows.Add(7, 560, 240, 800, 600, "MozillaWindowClass", "a game");
    controller.RunTick();
    controller.RunToolbarCommand(kButtonNewInstruction);
    EXPECT_EQ(View().selectedKey, "L1");
    controller.Choose(Command::EditNew);  // L1 is still empty: asked, not added
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L1指令?"});
    EXPECT_EQ(controller.Script().Tree().Count(), 1);

    controller.Fields().ShowEditorPanel(true);
    controller.Fields().CharChanged("hi");
    controller.Fields().CloseEditorPanel();
    EXPECT_TRUE(View().toolbarEnabled[kButtonRun]);
    controller.Fields().ShowEditorPanel(true);
    messages.answers = {MessageAnswer::Yes};
    controller.InitializeInstruction();
    EXPECT_EQ(View().pict.lChar, "");
    controller.Fields().CloseEditorPanel();
    EXPECT_FALSE(View().toolbarEnabled[kButtonRun]);
    EXPECT_EQ(controller.Script().Tree().Find("L1")->caption, "game1");

    controller.Fields().ShowEditorPanel(true);
    controller.Fields().CharChanged("hi");
    controller.Choose(Command::CtrlRun);  // the run selects other Instructions
    EXPECT_FALSE(View().pict.shown);
}

TEST_F(MainControllerTest, EachHeldWindowGetsAStepWithItsOwnWindowServed) {
    controller.Settings().MaxWindows = 2;
    windows.Add(1, 860, 240, 410, 600);
    windows.Add(2, 1260, 240, 400, 600);
    for (int i = 0; i < 4 && controller.Slots().WindowCount() < 2; ++i) controller.RunTick();
    ASSERT_EQ(controller.Slots().WindowCount(), 2);
    const WindowHandle slot0 = controller.Slots().hWnd(0), slot1 = controller.Slots().hWnd(1);
    Build({{"L1", ""}, {"L2", "", 0, "L1"}});
    controller.StartRun();
    controller.RunTick();
    const std::vector<testing::Execution> expected = {{"L1", slot1, slot0}, {"L2", slot1, slot0}};
    EXPECT_EQ(executor.executed, expected);
}

TEST_F(MainControllerTest, ATickFallingDueDuringAStepRunsAfterIt) {
    AddTarget();
    controller.RunTick();
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}});
    controller.StartRun();
    controller.RunTick();  // positions the run
    std::size_t executedDuringNestedTick = 99;
    pump.events[pump.calls + 1] = [&] {
        const std::size_t before = executor.executed.size();
        controller.RunTick();
        executedDuringNestedTick = executor.executed.size() - before;
    };
    controller.RunTick();
    EXPECT_EQ(executedDuringNestedTick, 0u);
    // The outer step ran L1..L3; the deferred tick then ran its own step right after.
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L2", "L3", "L1", "L2", "L3"}));
}

TEST_F(MainControllerTest, StopChosenDuringAStepTakesEffectAtItsEnd) {
    AddTarget();
    controller.RunTick();
    Build({{"L1", ""}, {"L2", "", 3}, {"L3", ""}});
    controller.StartRun();
    controller.RunTick();
    executor.during = [this] {
        if (controller.Running()) controller.StopRun();
    };
    controller.RunTick();
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L2"}));
    EXPECT_EQ(View().selectedKey, "L3");
    controller.RunTick();
    EXPECT_EQ(executor.executed.size(), 2u);
}

TEST_F(MainControllerTest, AFaultInAStepIsLoggedAndTheTicksGoOn) {
    AddTarget();
    controller.RunTick();
    Build({{"L1", ""}, {"L2", ""}});
    controller.StartRun();
    controller.RunTick();  // positions the run
    executor.during = [this] {
        if (executor.executed.size() == 1) throw std::runtime_error("capture\r\nfailed");
    };
    controller.RunTick();
    EXPECT_EQ(View().journal, std::string(kHeader) + kStart + "21:15:03  执行出错: capture  failed\r\n");
    controller.RunTick();  // the failed Instruction is where the run resumes: node 1
    controller.RunTick();
    EXPECT_EQ(executor.Keys(), (std::vector<std::string>{"L1", "L1", "L2"}));
}

}  // namespace
}  // namespace tavo
