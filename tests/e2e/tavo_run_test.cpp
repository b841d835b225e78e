// Run control: the start and stop records in Journal, and the menus and toolbar buttons
// that follow the run.
#include "tavo_fixture.h"

namespace e2e {
namespace {

using std::chrono::milliseconds;

class TavoRun : public TavoTest {
protected:
    void SetUp() override {
        TavoTest::SetUp();
        StartTarget(TargetSetup::Centred(L"MozillaWindowClassTavoPractice", 800, 600));
        const auto label = WaitLabel(kCountOne);
        ASSERT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);
    }
};

// While a run is on the menus are locked, so Stop comes from the toolbar.
TEST_F(TavoRun, RunFromTheMenuAndStopOnTheToolbarWriteStartAndStopRecordsInOrder) {
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
    ASSERT_TRUE(WaitEvents(1).ok) << JournalForMessage();
    EXPECT_FALSE(app.ChooseStop(kNothingHappensPeriod)) << "控制(&C) opened during a run";

    const auto stopOn = PollUntil([&] { return app.Button(kButtonStop); },
                                  [](const ToolbarButton& b) { return b.enabled; }, milliseconds(2000));
    ASSERT_TRUE(stopOn.ok) << "Stop " << Describe(stopOn.last);
    ASSERT_TRUE(app.ClickButton(kButtonStop)) << "no rectangle for toolbar button 9";
    const auto stopped = WaitEvents(2);
    ASSERT_TRUE(stopped.ok) << JournalForMessage();
    EXPECT_EQ(Describe(stopped.last.events), Describe({RunEvent::Start, RunEvent::Stop})) << JournalForMessage();
    EXPECT_TRUE(stopped.last.problems.empty()) << JournalForMessage();

    // The log ends with the separator and one empty line.
    const std::wstring text = app.JournalText();
    const std::wstring tail = std::wstring(24, L'-') + L" \r\n\r\n";
    EXPECT_TRUE(text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
        << JournalForMessage();

    // After Stop: Run on (even for an empty Script), Stop off, and the menu works again.
    const auto runOn = PollUntil([&] { return app.Button(kButtonRun); },
                                 [](const ToolbarButton& b) { return b.enabled; }, milliseconds(2000));
    EXPECT_TRUE(runOn.ok) << "Run " << Describe(runOn.last);
    EXPECT_FALSE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open after Stop";
    const auto again = WaitEvents(3);
    ASSERT_TRUE(again.ok) << JournalForMessage();
    EXPECT_EQ(Describe(again.last.events), Describe({RunEvent::Start, RunEvent::Stop, RunEvent::Start}));
}

TEST_F(TavoRun, StopChosenFromTheMenuWhileIdleStillWritesTheStopRecord) {
    ASSERT_TRUE(app.ChooseStop()) << "控制(&C) did not open";
    const auto stopped = WaitEvents(1);
    ASSERT_TRUE(stopped.ok) << JournalForMessage();
    EXPECT_EQ(Describe(stopped.last.events), Describe({RunEvent::Stop})) << JournalForMessage();
    EXPECT_TRUE(stopped.last.problems.empty()) << JournalForMessage();
    EXPECT_TRUE(app.Button(kButtonRun).enabled) << Describe(app.Button(kButtonRun));
    EXPECT_FALSE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
}

}  // namespace
}  // namespace e2e
