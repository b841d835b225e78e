#pragma once
// A main controller wired to fakes of every platform service. Start-up is left to the
// test, so it can prepare the registry and the program folder first.
#include <gtest/gtest.h>

#include <memory>

#include "core/main/main_controller.h"
#include "fakes/fake_capture.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "fakes/fake_storage.h"
#include "fakes/fake_windows.h"
#include "script_builder.h"

namespace tavo::testing {

inline constexpr const char* kFolder = "C:\\Tavo\\";

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() { dialogs.clockMs = &clock.monotonicMs; }

    void AddTarget(WindowHandle h = 7) { windows.Add(h, 560, 240, 800, 600); }
    void Build(const std::vector<NodePlan>& plans) {
        BuildScript(controller.Script(), plans);
        controller.Script().SelectInstruction(controller.Script().Tree().NodeAt(1));
        controller.RefreshRunButtons();
    }
    MainViewModel View() const { return controller.View(); }
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
    MainController controller{
        {windows, clock, pump, messages, executor, registry, files, dialogs, *codePage, keys, capture,
         pimage},
        {"Tavo", 1, 2, 3},
        {"C:\\Tavo", "tavo"}};
};

}  // namespace tavo::testing
