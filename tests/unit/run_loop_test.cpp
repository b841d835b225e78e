#include <gtest/gtest.h>

#include "core/runner/run_loop.h"
#include "fakes/fake_services.h"
#include "script_builder.h"

namespace tavo {
namespace {

using testing::Execution;
using testing::NodePlan;
using Keys = std::vector<std::string>;

class RunLoopTest : public ::testing::Test {
protected:
    void Build(const std::vector<NodePlan>& plans) { testing::BuildScript(script, plans); }
    // One step; returns the keys executed in it.
    Keys Step() {
        executor.executed.clear();
        loop.RunStep([this] { return ExecutionTarget{served, first, true}; },
                     [this] { return running; });
        return executor.Keys();
    }
    std::string CurrentKey() const {
        const ScriptNode* node = script.CurrentNode();
        return node ? node->key : "";
    }

    ScriptState script;
    testing::FakeExecutor executor;
    testing::FakeClock clock;
    testing::FakePump pump;
    RunLoop loop{script, executor, clock, pump};
    WindowHandle served = 11, first = 11;
    bool running = true;
};

TEST_F(RunLoopTest, FirstStepOnlyPositionsTheRun) {
    Build({{"L1", ""}, {"L2", ""}});
    EXPECT_EQ(Step(), Keys{});
    EXPECT_EQ(loop.State().CurrentIndex, 1);
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
}

// When the Instruction executed last is node 1 itself, the run is positioned on node 1
// again and executes it on the following step: the run never stalls.
TEST_F(RunLoopTest, ANodeOneExecutedLastRunsAgainOnTheStepAfterTheRepositioning) {
    struct Case {
        const char* name;
        std::vector<NodePlan> script;
        bool l1Fails;
        std::vector<Keys> steps;
    };
    // Success ends the pass and the step; failure and the jump meet node 1 again within
    // the step, which repositions the run at once.
    const Case cases[] = {
        {"lone node 1", {{"L1", ""}}, false, {{}, {"L1"}, {}, {"L1"}, {}}},
        {"failing node 1 with a child", {{"L1", ""}, {"L2", "L1"}}, true,
         {{}, {"L1"}, {"L1"}, {"L1"}, {"L1"}}},
        {"node 1 jumping to itself", {{"L1", "", 0, "L1"}, {"L2", ""}}, false,
         {{}, {"L1"}, {"L1"}, {"L1"}, {"L1"}}},
    };
    for (const Case& c : cases) {
        script.Tree().Clear();
        loop.Restart();
        Build(c.script);
        executor.outcome["L1"] = !c.l1Fails;
        std::vector<Keys> steps;
        for (std::size_t i = 0; i < c.steps.size(); ++i) steps.push_back(Step());
        EXPECT_EQ(steps, c.steps) << c.name;
    }
}

TEST_F(RunLoopTest, ASucceedingParentLoopsOverItsChildren) {
    Build({{"L1", ""}, {"L2", "L1"}, {"L3", "L1"}});
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
}

TEST_F(RunLoopTest, AFailingParentSkipsItsChildren) {
    Build({{"L1", ""}, {"L2", "L1"}, {"L3", "L1"}, {"L4", ""}});
    executor.outcome["L1"] = false;
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L4"}));
}

TEST_F(RunLoopTest, AFailingChildGoesToItsSiblingThenBackToTheParent) {
    Build({{"L1", ""}, {"L2", "L1"}, {"L3", "L1"}, {"L4", ""}});
    executor.outcome["L2"] = false;
    executor.outcome["L3"] = false;
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);
}

TEST_F(RunLoopTest, APauseHoldsTheRunForWholeSeconds) {
    Build({{"L1", "", 3}, {"L2", ""}});
    Step();
    clock.monotonicMs = 100'400;  // success at 100.4 s: the pause counts from 100 s
    EXPECT_EQ(Step(), Keys{"L1"});
    ASSERT_TRUE(loop.State().PauseStart.has_value());
    EXPECT_EQ(*loop.State().PauseStart, 100);
    clock.monotonicMs = 102'999;
    EXPECT_EQ(Step(), Keys{});
    clock.monotonicMs = 103'000;
    EXPECT_EQ(Step(), Keys{"L2"});
}

TEST_F(RunLoopTest, APauseStartTakenToTheNearestSecondRoundsUp) {
    Build({{"L1", "", 2}, {"L2", ""}});
    Step();
    clock.monotonicMs = 100'600;  // counts from 101 s
    Step();
    clock.monotonicMs = 102'900;
    EXPECT_EQ(Step(), Keys{});
    clock.monotonicMs = 103'000;
    EXPECT_EQ(Step().front(), "L2");
}

TEST_F(RunLoopTest, APauseOnTheLastTopLevelNodeStartsTheNextPassAfterIt) {
    Build({{"L1", ""}, {"L2", "", 2}});
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);
    clock.AdvanceMs(1000);
    EXPECT_EQ(Step(), Keys{});
    clock.AdvanceMs(1000);
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
}

TEST_F(RunLoopTest, AFailedInstructionNeverPauses) {
    Build({{"L1", "", 5}, {"L2", ""}, {"L3", ""}});
    executor.outcome["L1"] = false;
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
    EXPECT_FALSE(loop.State().PauseStart.has_value());
}

TEST_F(RunLoopTest, AJumpToAnInstructionAlreadyRunEndsTheStep) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "L2"}, {"L4", ""}});
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
    EXPECT_EQ(loop.State().CurrentIndex, 2);
    EXPECT_EQ(Step(), (Keys{"L2", "L3"}));
}

TEST_F(RunLoopTest, AJumpToItselfSendsTheRunBackToNodeOne) {
    Build({{"L1", ""}, {"L2", "", 0, "L2"}, {"L3", ""}});
    Step();
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);  // L3 is never reached
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
}

TEST_F(RunLoopTest, FailureJumpAndMissingJumpTargets) {
    Build({{"L1", "", 0, "L9", "L3"}, {"L2", ""}, {"L3", "", 0, "", "L8"}, {"L4", ""}});
    Step();
    // L1 succeeds: its success jump names no node, so the walk goes on to L2 as without one.
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3", "L4"}));
    executor.outcome["L1"] = false;
    executor.outcome["L3"] = false;
    EXPECT_EQ(Step(), (Keys{"L1", "L3", "L4"}));
}

TEST_F(RunLoopTest, AnIndexBeyondTheTreeMeansNodeOne) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}});
    Step();
    Step();
    loop.State().CurrentIndex = 9;
    EXPECT_EQ(Step(), (Keys{"L1", "L2", "L3"}));
}

TEST_F(RunLoopTest, AnEmptyScriptDoesNothing) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Step(), Keys{});
}

TEST_F(RunLoopTest, ANodeRemovedWhileItRunsDoesNotBreakTheWalk) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}});
    Step();
    executor.during = [this] {
        if (KeyOf(script.Current().NodeKey) == "L2") script.Tree().Remove("L2");
    };
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);
}

// The window answers during an execution: a click on the tree there selects another
// Instruction, whose pause and jumps must not steer the step.
TEST_F(RunLoopTest, AnInstructionSelectedDuringAnExecutionDoesNotSteerTheStep) {
    Build({{"L1", ""}, {"L2", "", 3, "L1"}, {"L3", ""}});
    Step();
    executor.during = [this] {
        if (KeyOf(script.Current().NodeKey) == "L1") script.SelectInstruction(script.Tree().Find("L2"));
    };
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(loop.State().CurrentIndex, 1);
}

TEST_F(RunLoopTest, StopDuringAStepFinishesItAndSelectsTheNextInstruction) {
    Build({{"L1", ""}, {"L2", "", 2}, {"L3", ""}});
    Step();
    executor.during = [this] { running = false; };
    EXPECT_EQ(Step(), (Keys{"L1", "L2"}));
    EXPECT_EQ(CurrentKey(), "L3");
}

TEST_F(RunLoopTest, WhileRunningTheTreeFollowsTheLastExecutedInstruction) {
    Build({{"L1", ""}, {"L2", "", 2}, {"L3", ""}});
    Step();
    Step();
    EXPECT_EQ(CurrentKey(), "L2");
}

TEST_F(RunLoopTest, EventsArePumpedAfterEveryInstructionThatDoesNotEndTheStep) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 1}});
    Step();
    Step();
    EXPECT_EQ(pump.calls, 2);
}

TEST_F(RunLoopTest, TwoWindowsShareOnePositionInTheScript) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "L1"}});
    first = 21;
    std::vector<Execution> all;
    auto stepFor = [&](WindowHandle w) {
        served = w;
        Step();
        all.insert(all.end(), executor.executed.begin(), executor.executed.end());
    };
    stepFor(21);  // slot 0 positions the run
    stepFor(22);  // slot 1 already executes node 1
    stepFor(21);
    const std::vector<Execution> expected = {
        {"L1", 22, 21}, {"L2", 22, 21}, {"L3", 22, 21},
        {"L1", 21, 21}, {"L2", 21, 21}, {"L3", 21, 21}};
    EXPECT_EQ(all, expected);
}

}  // namespace
}  // namespace tavo
