#include "core/runner/run_loop.h"

#include <string>
#include <vector>

namespace tavo {

std::int64_t RunLoop::NowWholeSeconds() {
    return (clock_.MonotonicMilliseconds() + 500) / 1000;
}

void RunLoop::Observe(const std::string& key, const std::string& caption, bool ok, int pause) {
    const ScriptNode* next = script_.Tree().NodeAt(state_.CurrentIndex);
    observer_({key, caption, ok, executor_.LastReport(), next ? next->key : std::string(),
               state_.PauseStart ? pause : 0});
}

bool RunLoop::PauseStillRunning() {
    const double now = static_cast<double>(clock_.MonotonicMilliseconds()) / 1000.0;
    return now - static_cast<double>(*state_.PauseStart) < script_.Current().pPause;
}

int RunLoop::JumpIndex(const std::string& field) const {
    const std::string key = KeyOf(field);
    if (key.empty()) return 0;
    return script_.Tree().IndexOf(script_.Tree().Find(key));
}

int RunLoop::NextOnSuccess(const ScriptNode& node, const Instruction& executed,
                           bool hadChild) const {
    const ScriptTree& tree = script_.Tree();
    if (const int jump = JumpIndex(executed.pYesNext)) return jump;
    if (hadChild && !node.children.empty()) return tree.IndexOf(node.children.front());
    if (const ScriptNode* next = tree.NextSibling(&node)) return tree.IndexOf(next);
    if (node.parent) return tree.IndexOf(node.parent);
    return 0;  // the last top-level Instruction: the pass ends
}

int RunLoop::NextOnFailure(const ScriptNode& node, const Instruction& executed) const {
    const ScriptTree& tree = script_.Tree();
    if (const int jump = JumpIndex(executed.pNotNext)) return jump;
    if (const ScriptNode* next = tree.NextSibling(&node)) return tree.IndexOf(next);
    if (node.parent) return tree.IndexOf(node.parent);
    return 1;
}

void RunLoop::RunStep(const TargetSource& target, const RunningFlag& running) {
    if (state_.PauseStart && PauseStillRunning()) return;

    ScriptTree& tree = script_.Tree();
    std::vector<bool> visited(static_cast<std::size_t>(tree.Count()) + 1, false);
    for (;;) {
        state_.PauseStart.reset();
        if (state_.CurrentIndex == state_.LoadedIndex) {
            // Positioned on node 1 with nothing executed since: even when node 1 is the
            // Instruction executed last, the next step executes it again.
            state_.CurrentIndex = 1;
            state_.LoadedIndex = 0;
            return;
        }
        // The tree may have changed under the run: an index beyond it means node 1.
        if (state_.CurrentIndex < 1 || state_.CurrentIndex > tree.Count()) state_.CurrentIndex = 1;
        ScriptNode* node = tree.NodeAt(state_.CurrentIndex);
        if (!node) return;  // empty Script: nothing to do
        const auto at = static_cast<std::size_t>(state_.CurrentIndex);
        if (at >= visited.size()) visited.resize(at + 1, false);
        if (visited[at]) break;
        visited[at] = true;

        state_.LoadedIndex = state_.CurrentIndex;
        script_.SelectInstruction(node);
        const std::string key = node->key;
        const std::string caption = node->caption;
        const bool hadChild = !node->children.empty();
        // Events run during the execution (its waits keep the window answering) and may
        // select another Instruction: the step goes on with the one it executes.
        const Instruction executed = script_.Current();
        const bool ok = executor_.ExecuteInstruction(executed, target());

        // The node may be gone since.
        node = tree.Find(key);
        const std::int16_t pause = executed.pPause;
        bool stop = false;
        if (!node) {
            state_.CurrentIndex = 1;
        } else if (ok) {
            const int next = NextOnSuccess(*node, executed, hadChild);
            stop = next == 0 || pause > 0;
            if (pause > 0) state_.PauseStart = NowWholeSeconds();
            state_.CurrentIndex = static_cast<std::int16_t>(next == 0 ? 1 : next);
        } else {
            state_.CurrentIndex = static_cast<std::int16_t>(NextOnFailure(*node, executed));
        }
        if (observer_) Observe(key, caption, ok, pause);
        if (stop) break;
        pump_.ProcessPendingEvents();
    }
    if (!running()) script_.SelectInstruction(tree.NodeAt(state_.CurrentIndex));
}

}  // namespace tavo
