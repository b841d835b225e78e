#pragma once
// The main window's core wired to fakes of every platform service, through the same
// rooms the window composes. Start-up is left to the test, so it can prepare the registry
// and the program folder first.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/main/main_core.h"
#include "fakes/fake_capture.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "fakes/fake_storage.h"
#include "fakes/fake_windows.h"
#include "script_builder.h"

namespace tavo::testing {

inline constexpr const char* kFolder = "C:\\Tavo\\";

// The window's events through MainCore; the rooms' state read where the window cannot.
class MainUnderTest {
public:
    MainUnderTest(MainRooms& rooms, MainCore& core) : rooms_(rooms), core_(core) {}
    void Startup(const std::optional<std::string>& argument = std::nullopt) { core_.Startup(argument); }
    bool Closing() { return core_.Closing(); }
    bool RunTick() { return core_.RunTick(); }
    void Choose(Command command) { core_.Choose(command); }
    void Handle(const SettingsEvent& event) { core_.Handle(event); }
    void Handle(const TreeEvent& event) { core_.Handle(event); }
    void Handle(const EditorEvent& event) { core_.Handle(event); }
    void Handle(const PickEvent& event) { core_.Handle(event); }
    int Handle(const PointPickEvent& event) { return core_.Handle(event); }
    MainViewModel View() const { return core_.View(); }

    ScriptState& Script() { return rooms_.script; }
    const ScriptState& Script() const { return rooms_.script; }
    const WorkingState& State() const { return rooms_.state; }
    DiscoverySettings& Settings() { return rooms_.state.settings; }
    const WindowSlots& Slots() const { return rooms_.run.Slots(); }
    FieldEditor& Fields() { return rooms_.fields; }
    bool Running() const { return rooms_.commands.Running(); }
    void RefreshRunButtons() { rooms_.run.RefreshRunButtons(); }

private:
    MainRooms& rooms_;
    MainCore& core_;
};

class MainTest : public ::testing::Test {
protected:
    MainTest() { dialogs.clockMs = &clock.monotonicMs; }

    void AddTarget(WindowHandle h = 7) { windows.Add(h, 560, 240, 800, 600); }
    void Build(const std::vector<NodePlan>& plans) {
        BuildScript(main.Script(), plans);
        main.Script().SelectInstruction(main.Script().Tree().NodeAt(1));
        main.RefreshRunButtons();
    }
    MainViewModel View() const { return main.View(); }
    // Open, New Instruction, Save, Run, Stop.
    static std::array<bool, 5> Toolbar(const MainViewModel& v) {
        return {v.toolbar.open, v.toolbar.newInstruction, v.saveEnabled, v.toolbar.run, v.toolbar.stop};
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.shown) texts.push_back(m.text);
        return texts;
    }

    FakeWindows windows;
    FakeClock clock;
    FakePump pump;
    FakeMessages messages;
    FakeExecutor executor;
    FakeRegistry registry;
    FakeFiles files;
    FakeDialogs dialogs;
    std::unique_ptr<CodePage936> codePage = MakeCodePage936();
    FakeKeyboard keyboard;
    KeySender keys{keyboard, *codePage};
    FakeCapture capture;
    PictureBuffer pimage;
    MainRooms rooms{
        {windows, clock, pump, messages, executor, registry, files, dialogs, *codePage, keys, capture,
         pimage},
        {"Tavo", 1, 2, 3},
        {"C:\\Tavo", "tavo"}};
    MainCore core{rooms};
    MainUnderTest main{rooms, core};
};

}  // namespace tavo::testing
