#include <gtest/gtest.h>

#include "core/runner/run_loop.h"
#include "core/runner/run_trace.h"
#include "fakes/fake_services.h"
#include "script_builder.h"

namespace tavo {
namespace {

const std::string kSeen = "000111000111000111000111000111000111";
const std::string kStored = "000111000111000111000111000111000110";

TEST(RunTrace, ALineSaysWhereWhatWasSeenAndWhatWasDone) {
    const LocalDateTime t{2026, 12, 8, 21, 5, 9};
    StepRecord hit{"L3", "click OK", true, {}, "L4", 2};
    hit.report.recognition = ExecutionReport::Recognition{{100, 50}, kSeen, kStored, 35, 97};
    hit.report.click = ClientPoint{400, 300};
    hit.report.text = "abc";
    EXPECT_EQ(FormatTraceLine({t, 1, 0x2A, "练习 target", hit}),
              "2026-12-08 21:05:09  slot 1  window 0x2A \"练习 target\"  L3 \"click OK\"  at "
              "(100,50) seen " +
                  kSeen + " stored " + kStored +
                  " 35/36 97%  hit  click (400,300)  text \"abc\"  next L4  pause 2s");

    StepRecord miss{"L5", "", false, {}, "L6", 0};
    miss.report.recognition = ExecutionReport::Recognition{{-3, 7}, "", kStored, 0, 0};
    EXPECT_EQ(FormatTraceLine({t, 0, 0x2A, "", miss}),
              "2026-12-08 21:05:09  slot 0  window 0x2A \"\"  L5 \"\"  at (-3,7) seen - stored " +
                  kStored + " 0/36 0%  miss  next L6");

    const StepRecord plain{"L1", "type", true, {}, "", 0};
    EXPECT_EQ(FormatTraceLine({t, 0, 7, "t", plain}),
              "2026-12-08 21:05:09  slot 0  window 0x7 \"t\"  L1 \"type\"  hit  next -");
}

// The loop reports every executed Instruction with where the run goes next and the
// pause it starts.
TEST(RunTrace, TheRunLoopReportsEachExecutedInstruction) {
    ScriptState script;
    testing::BuildScript(script, {{"L1", "", 0}, {"L2", "", 3}});
    testing::FakeExecutor executor;
    executor.outcome["L1"] = false;  // a miss goes on with L2
    testing::FakeClock clock;
    testing::FakePump pump;
    RunLoop loop(script, executor, clock, pump);
    std::vector<std::string> seen;
    loop.SetStepObserver([&](const StepRecord& s) {
        seen.push_back(s.key + (s.ok ? " hit " : " miss ") + s.nextKey + " " +
                       std::to_string(s.pause));
    });
    const auto step = [&] {
        loop.RunStep([] { return ExecutionTarget{7, 7, true}; }, [] { return true; });
    };
    step();  // positions the run
    step();
    EXPECT_EQ(seen, (std::vector<std::string>{"L1 miss L2 0", "L2 hit L1 3"}));
}

}  // namespace
}  // namespace tavo
