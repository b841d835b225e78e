// The core's own costs, natively: a 230-Instruction Script loaded, rebuilt and saved; one
// run step with an executor that does nothing, without and with the run trace; a 50-byte
// text full of key commands typed into a keyboard that only records.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/acting/instruction_executor.h"
#include "core/acting/key_sender.h"
#include "core/model/script_file.h"
#include "core/model/script_loader.h"
#include "core/runner/run_loop.h"
#include "core/runner/run_trace.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "script_builder.h"

namespace tavo {
namespace {

constexpr int kMaxInstructions = 230;

std::vector<testing::NodePlan> FullScript() {
    std::vector<testing::NodePlan> plans;
    const auto key = [](int number) {
        std::string k = std::to_string(number);
        return k.insert(0, 1, 'L');
    };
    for (int i = 1; i <= kMaxInstructions; ++i) {
        // Every tenth a child of the one before, as Scripts are nested.
        plans.push_back({key(i), i % 10 == 0 ? key(i - 1) : std::string(), 0, "", "", key(i)});
    }
    return plans;
}

void LoadRebuildSave(benchmark::State& state) {
    const std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    ScriptState script;
    testing::BuildScript(script, FullScript());
    const std::string file = BuildScriptFile(*codePage, GmxHeader{}, PlanSave(script.Tree()).nodes);
    for (auto _ : state) {
        ScriptTree tree;
        LoadScriptFile(*codePage, file, tree, [](const std::vector<std::string>&) {});
        benchmark::DoNotOptimize(BuildScriptFile(*codePage, GmxHeader{}, PlanSave(tree).nodes));
    }
}
BENCHMARK(LoadRebuildSave)->Unit(benchmark::kMicrosecond);

class NothingExecutor : public InstructionExecutor {
public:
    bool ExecuteInstruction(const Instruction&, const ExecutionTarget&) override {
        ++executed;
        return true;
    }
    std::int64_t executed = 0;
};

// One run step, per executed Instruction; with range(0) set, every executed Instruction
// is traced as well: the line made, written nowhere.
void RunStepPerInstruction(benchmark::State& state) {
    ScriptState script;
    testing::BuildScript(script, FullScript());
    NothingExecutor executor;
    testing::FakeClock clock;
    testing::FakePump pump;
    RunLoop loop(script, executor, clock, pump);
    if (state.range(0) != 0)
        loop.SetStepObserver([](const StepRecord& step) {
            const TraceEntry entry{LocalDateTime{}, 0, 7, "Tavo practice target", step};
            benchmark::DoNotOptimize(FormatTraceLine(entry));
        });
    const auto target = [] { return ExecutionTarget{7, 7, false}; };
    const auto running = [] { return true; };
    for (auto _ : state) loop.RunStep(target, running);
    state.SetItemsProcessed(executor.executed);  // items: executed Instructions
}
BENCHMARK(RunStepPerInstruction)->ArgName("traced")->Arg(0)->Arg(1);

void TypeKeyCommands(benchmark::State& state) {
    const std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    testing::FakeKeyboard keyboard;
    KeySender keys(keyboard, *codePage);
    const std::string text = "/*Ctrl+v*//*F5*/abcde/*Enter*//*Shift+End*//*Esc*/";  // 50 bytes
    for (auto _ : state) {
        keys.SendText(7, text, 0);
        keyboard.events.clear();
    }
}
BENCHMARK(TypeKeyCommands);

}  // namespace
}  // namespace tavo

BENCHMARK_MAIN();
