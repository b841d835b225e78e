#include "cli/simulation.h"

#include <map>
#include <memory>
#include <optional>

#include "cli/key_listing.h"
#include "cli/load_simulation.h"
#include "core/acting/recognition.h"
#include "core/acting/target_actions.h"
#include "core/model/gmx_format.h"
#include "core/model/script_state.h"
#include "core/runner/run_loop.h"
#include "core/runner/run_trace.h"

namespace tavo::cli {
namespace {

constexpr WindowHandle kWindow = 1;
constexpr int kTickMs = 1000;

// The screenshot is both what the window prints and what the screen shows.
class ScreenshotWindow final : public WindowCapture {
public:
    explicit ScreenshotWindow(const Picture& shot) : shot_(shot) {}
    ClientSize ClientArea(WindowHandle) override { return {shot_.width, shot_.height}; }
    Picture PrintClient(WindowHandle) override { return shot_; }
    Picture CopyClientFromScreen(WindowHandle) override { return shot_; }
    Picture PrintClientRegion(WindowHandle, ClientRect region) override {
        return CutRegion(shot_, region);
    }
    Picture CopyClientRegionFromScreen(WindowHandle, ClientRect region) override {
        return CutRegion(shot_, region);
    }

private:
    const Picture& shot_;
};

// Time moves only by the run's own waits and the ticks.
class SteppingClock final : public Clock {
public:
    LocalDateTime Now() override {
        const auto s = static_cast<int>(ms_ / 1000 % 86400);
        return {2000, 1, 1, s / 3600, s / 60 % 60, s % 60};
    }
    std::int64_t MonotonicMilliseconds() override { return ms_; }
    void Sleep(int ms) override { ms_ += ms; }

private:
    std::int64_t ms_ = 0;
};

// Lists what would be posted and pressed, as `keys` does; waits move the clock too.
class SteppedKeyboard final : public KeyboardInput {
public:
    SteppedKeyboard(std::ostream& out, SteppingClock& clock)
        : listing_(out, SystemScanCode), clock_(clock) {}
    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override {
        listing_.Post(window, message, wParam, lParam);
    }
    bool IsUnicodeWindow(WindowHandle window) override { return listing_.IsUnicodeWindow(window); }
    void PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                  std::uint32_t lParam) override {
        listing_.PostWide(window, message, wParam, lParam);
    }
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) override {
        listing_.KeybdEvent(virtualKey, scan, flags);
    }
    std::uint32_t ScanCode(std::uint32_t code) override { return listing_.ScanCode(code); }
    void Sleep(int ms) override {
        listing_.Sleep(ms);
        clock_.Sleep(ms);
    }

private:
    ListingKeyboard listing_;
    SteppingClock& clock_;
};

class NoEvents final : public EventPump {
public:
    void ProcessPendingEvents() override {}
};

bool FlashModeOf(const LoadView& load) {
    if (load.headerFields.size() < 5) return true;
    const std::optional<bool> otherWindows = ReadKindFlag(load.headerFields[4]);
    return !otherWindows || !*otherWindows;
}

}  // namespace

SimulationOutcome Simulate(const std::string& scriptBytes, const Picture& window, int ticks,
                           const std::string& windowName, std::ostream& out) {
    const std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    ScriptState script;
    const LoadView load = SimulateLoad(*codePage, scriptBytes, script.Tree());
    ScreenshotWindow capture(window);
    SteppingClock clock;
    SteppedKeyboard keyboard(out, clock);
    KeySender keys(keyboard, *codePage);
    PictureBuffer pimage;
    TargetActions executor(capture, keyboard, keys, pimage);
    NoEvents pump;
    RunLoop loop(script, executor, clock, pump);
    SimulationOutcome outcome;
    std::map<std::string, bool> found;  // recognising Instructions: found at least once
    for (const ScriptNode* node : script.Tree().PreOrder()) {
        Instruction in;
        ParseTag(in, node->tag, node->caption);
        if (in.pLocationX != 0 || in.pLocationy != 0) found[node->key] = false;
    }
    loop.SetStepObserver([&](const StepRecord& step) {
        ++outcome.executed;
        if (step.ok && found.count(step.key)) found[step.key] = true;
        out << FormatTraceLine({clock.Now(), 0, kWindow, windowName, step}) << '\n';
    });
    const ExecutionTarget target{kWindow, kWindow, FlashModeOf(load)};
    for (int tick = 0; tick < ticks; ++tick) {
        loop.RunStep([&] { return target; }, [] { return true; });
        clock.Sleep(kTickMs);
    }
    outcome.everyPictureFound = true;
    for (const auto& [key, hit] : found)
        outcome.everyPictureFound = outcome.everyPictureFound && hit;
    return outcome;
}

}  // namespace tavo::cli
