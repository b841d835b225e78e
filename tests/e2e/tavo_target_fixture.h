#pragma once
// Tavo started by the test with the practice target right of its window, over the screen
// centre, and the real-input steps the cases that act on Tavo by hand share.
#include "driver/practice.h"
#include "driver/user_input.h"
#include "tavo_fixture.h"
#include "tavo_script_fixture.h"

namespace e2e {

class TavoTargetTest : public TavoScriptTest {
protected:
    void SetUp() override {
        TavoScriptTest::SetUp();
        TargetSetup setup;  // right of Tavo's window, over the screen centre
        setup.x = 700;
        setup.y = 240;
        target.Start(setup);
    }

    void TearDown() override {
        target.Kill();
        TavoScriptTest::TearDown();
    }

    // As a user's click on its window would: keys then go to Tavo, and the CTRL that Tavo
    // presses for a key command is read by the target as the system-wide state.
    void BringToFront() {
        const auto front = BringToForeground(app.Main());
        ASSERT_TRUE(front.ok) << "foreground window stays " << front.last;
    }

    void ClickAt(POINT at, HWND expected, const std::string& what, Button button = Button::Left) {
        ASSERT_EQ(WindowFromPoint(at), expected) << what << " is covered at " << at.x << "," << at.y;
        ASSERT_TRUE(Click(at, button));
    }

    Polled<bool> WaitShown(HWND window, bool shown) {
        return PollUntil([&] { return IsWindowVisible(window) != FALSE; }, [&](bool s) { return s == shown; },
                         std::chrono::milliseconds(3000));
    }

    PracticeTarget target;
};

}  // namespace e2e
