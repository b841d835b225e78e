#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "case_names.h"
#include "core/runner/hot_key.h"
#include "core/runner/window_slots.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_services.h"
#include "fakes/fake_windows.h"

namespace tavo {
namespace {

struct MessageCase {
    const char* name;
    std::uint32_t message;
    std::uint64_t wParam;
    std::uint32_t lParam;
    std::optional<std::int16_t> action;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class HotKeyTableTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(HotKeyTableTest, RecordsTheActionTheMessageAsksFor) {
    const MessageCase& c = GetParam();
    EXPECT_EQ(ActionFor(c.message, c.wParam, c.lParam, kModControl), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, HotKeyTableTest,
    ::testing::Values(
        MessageCase{"Ctrl F2 toggles", kWmHotKey, 2, 0x00710002, kToggleMainWindow},
        MessageCase{"Ctrl F3 toggles recording", kWmHotKey, 3, 0x00720002, kToggleRecording},
        MessageCase{"unregistered F1 row records 1", kWmHotKey, 1, 0x00700002, 1},
        MessageCase{"F4 row", kWmHotKey, 4, 0x00730002, 4},
        MessageCase{"key of another row", kWmHotKey, 2, 0x00700002, std::nullopt},
        MessageCase{"identifier without a row", kWmHotKey, 5, 0x00740002, std::nullopt},
        MessageCase{"identifier 0", kWmHotKey, 0, 0x00710002, std::nullopt},
        MessageCase{"Shift instead of Ctrl", kWmHotKey, 2, 0x00710004, std::nullopt},
        MessageCase{"Ctrl and Shift", kWmHotKey, 2, 0x00710006, std::nullopt},
        MessageCase{"wParam compared whole", kWmHotKey, 0x100000002, 0x00710002, std::nullopt},
        MessageCase{"WA_ACTIVE", kWmActivate, 1, 0, kMainWindowActivated},
        MessageCase{"WA_CLICKACTIVE", kWmActivate, 2, 0, kMainWindowActivated},
        MessageCase{"WA_INACTIVE", kWmActivate, 0, 0, kMainWindowDeactivated},
        MessageCase{"active while minimised", kWmActivate, 0x00010001, 0, kMainWindowDeactivated},
        MessageCase{"other message", 0x0113, 2, 0x00710002, std::nullopt}),
    case_names::ByName{});

// Posted messages with the window they went to.
class AddressedKeyboard : public testing::FakeKeyboard {
public:
    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override {
        FakeKeyboard::Post(window, message, wParam, lParam);
        events.back() += " to " + std::to_string(window);
    }
};

class NoRun : public SlotVisitor {
public:
    bool Running() override { return false; }
    void RunStep() override {}
    void ApplyWindowCount() override {}
};

struct RunCase {
    const char* name;
    std::vector<std::int16_t> posted;
    bool twoHeld;
    WindowEffect effect;
    std::vector<std::string> events;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class PendingActionTest : public ::testing::TestWithParam<RunCase> {
protected:
    // Windows 1 and 2 found by discovery, as the run holds them.
    void HoldTwoWindows() {
        testing::FakeWindows windows;
        testing::FakePump pump;
        NoRun visitor;
        DiscoverySettings settings;
        settings.MaxWindows = 2;
        windows.Add(1, 860, 240, 410, 600);
        windows.Add(2, 1260, 240, 400, 600);
        for (int i = 0; i < 4 && slots.WindowCount() < 2; ++i)
            slots.MaintainSlots(settings, windows, pump, visitor);
        ASSERT_EQ(slots.WindowCount(), 2);
    }

    WindowSlots slots;
    AddressedKeyboard keyboard;
};

const std::string kClick = "LBUTTONDOWN 0x0 0x10001 to ";

TEST_P(PendingActionTest, RunsTheLastPostedActionOnce) {
    const RunCase& c = GetParam();
    if (c.twoHeld) {
        ASSERT_NO_FATAL_FAILURE(HoldTwoWindows());
    }
    PendingAction pending;
    for (std::int16_t code : c.posted) pending.Post(code);
    EXPECT_EQ(pending.Run(slots.HeldWindows(), keyboard), c.effect);
    EXPECT_EQ(keyboard.events, c.events);
    EXPECT_EQ(pending.Code(), 0);
    EXPECT_EQ(pending.Run(slots.HeldWindows(), keyboard), WindowEffect::None);
    EXPECT_EQ(keyboard.events, c.events);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, PendingActionTest,
    ::testing::Values(
        RunCase{"activated clicks every held window", {kMainWindowActivated}, true,
                WindowEffect::None, {kClick + "2", kClick + "1"}},
        RunCase{"deactivated likewise", {kMainWindowDeactivated}, true, WindowEffect::None,
                {kClick + "2", kClick + "1"}},
        RunCase{"no window held posts nothing", {kMainWindowActivated}, false,
                WindowEffect::None, {}},
        RunCase{"toggle is left to the window", {kToggleMainWindow}, true,
                WindowEffect::ToggleVisibility, {}},
        RunCase{"a later post replaces the toggle", {kToggleMainWindow, kMainWindowDeactivated},
                true, WindowEffect::None, {kClick + "2", kClick + "1"}},
        RunCase{"and the toggle replaces a click", {kMainWindowActivated, kToggleMainWindow}, true,
                WindowEffect::ToggleVisibility, {}},
        RunCase{"recording is left to the window", {kToggleRecording}, true, WindowEffect::ToggleRecording, {}},
        RunCase{"unregistered hot key does nothing", {1}, true, WindowEffect::None, {}},
        RunCase{"nothing pending", {}, true, WindowEffect::None, {}}),
    case_names::ByName{});

}  // namespace
}  // namespace tavo
