// Target window discovery as a user sees it: the window-count label, and the menus and
// toolbar that a held window unlocks. Screen centre and probe row come from the screen.
#include "tavo_fixture.h"

namespace e2e {
namespace {

using std::chrono::milliseconds;

const wchar_t kPluginClass[] = L"MozillaWindowClassTavoPractice";

class TavoDiscovery : public TavoTest {};

TEST_F(TavoDiscovery, StartsWithNoWindowAndEditingLocked) {
    EXPECT_EQ(Narrow(app.Label1Text()), Narrow(kCountNone));
    EXPECT_FALSE(app.Button(kButtonRun).enabled) << Describe(app.Button(kButtonRun));
    EXPECT_FALSE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
    const JournalReading before = ReadJournal(app.JournalLines());
    EXPECT_FALSE(app.ChooseRun(milliseconds(1000))) << "控制(&C) opened with no window held";
    EXPECT_EQ(ReadJournal(app.JournalLines()).events, before.events) << JournalForMessage();
}

TEST_F(TavoDiscovery, PluginWindowUnderTheCentreIsHeldAndUnlocksRunning) {
    const PracticeTarget& target = StartTarget(TargetSetup::Centred(kPluginClass, 800, 600));
    ExpectUnderCentre(target.Window());
    const auto label = WaitLabel(kCountOne);
    ASSERT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);

    // An empty Script: Run stays off on the toolbar, but the menu item works.
    EXPECT_FALSE(app.Button(kButtonRun).enabled) << Describe(app.Button(kButtonRun));
    EXPECT_FALSE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
    EXPECT_TRUE(app.Button(kButtonOpen).enabled) << Describe(app.Button(kButtonOpen));
    EXPECT_TRUE(app.Button(kButtonNew).enabled) << Describe(app.Button(kButtonNew));

    const std::wstring today = LocalDate();
    ASSERT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
    const auto started = WaitEvents(1);
    ASSERT_TRUE(started.ok) << JournalForMessage();
    EXPECT_EQ(started.last.events, std::vector<RunEvent>{RunEvent::Start});
    EXPECT_TRUE(started.last.problems.empty()) << JournalForMessage();
    const std::vector<std::wstring> lines = app.JournalLines();
    EXPECT_NE(std::find_if(lines.begin(), lines.end(), [&](const std::wstring& l) { return l.rfind(today, 0) == 0; }),
              lines.end())
        << "no line dated " << Narrow(today) << "\n" << JournalForMessage();

    // While running: Stop on, Run, Open and New off; the window stays held.
    auto stopOn = PollUntil([&] { return app.Button(kButtonStop); }, [](const ToolbarButton& b) { return b.enabled; },
                            milliseconds(2000));
    EXPECT_TRUE(stopOn.ok) << "Stop " << Describe(stopOn.last);
    EXPECT_FALSE(app.Button(kButtonRun).enabled) << Describe(app.Button(kButtonRun));
    EXPECT_FALSE(app.Button(kButtonOpen).enabled) << Describe(app.Button(kButtonOpen));
    EXPECT_FALSE(app.Button(kButtonNew).enabled) << Describe(app.Button(kButtonNew));
    EXPECT_EQ(Narrow(app.Label1Text()), Narrow(kCountOne));
}

TEST_F(TavoDiscovery, WindowOfAnOrdinaryClassIsNotHeldWhileFlashWindowsAreSelected) {
    const PracticeTarget& target = StartTarget(TargetSetup::Centred(L"TavoPlainTarget", 800, 600));
    ExpectUnderCentre(target.Window());
    const auto label = LabelStays(kCountNone, kNotFoundPeriod);
    EXPECT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);
}

TEST_F(TavoDiscovery, PluginWindowNarrowerThanTheMinimumWidthIsNotHeld) {
    const PracticeTarget& target = StartTarget(TargetSetup::Centred(kPluginClass, 300, 600));
    ExpectUnderCentre(target.Window());
    const auto label = LabelStays(kCountNone, kNotFoundPeriod);
    EXPECT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);
}

TEST_F(TavoDiscovery, PluginWindowExactlyTheMinimumSizeIsHeld) {
    const PracticeTarget& target = StartTarget(TargetSetup::Centred(kPluginClass, 400, 300));
    ExpectUnderCentre(target.Window());
    const auto label = WaitLabel(kCountOne);
    EXPECT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);
}

TEST_F(TavoDiscovery, ClosingTheHeldWindowLocksEditingAndRunningAgain) {
    PracticeTarget& target = StartTarget(TargetSetup::Centred(kPluginClass, 800, 600));
    ASSERT_TRUE(WaitLabel(kCountOne).ok) << "Label1 reads " << Narrow(app.Label1Text());
    ASSERT_TRUE(target.Close()) << "practice target did not close";

    const auto label = WaitLabel(kCountNone);
    ASSERT_TRUE(label.ok) << "Label1 reads " << Narrow(label.last);
    EXPECT_FALSE(app.Button(kButtonRun).enabled) << Describe(app.Button(kButtonRun));

    // Neither the toolbar nor the menu may start a run now.
    const JournalReading before = ReadJournal(app.JournalLines());
    ASSERT_TRUE(app.ClickButton(kButtonRun)) << "no rectangle for toolbar button 7";
    EXPECT_FALSE(app.ChooseRun(kNothingHappensPeriod)) << "控制(&C) opened with no window held";
    const auto quiet = HoldsFor([&] { return ReadJournal(app.JournalLines()).events; },
                                [&](const std::vector<RunEvent>& e) { return e == before.events; },
                                milliseconds(300));
    EXPECT_TRUE(quiet.ok) << "run events now " << Describe(quiet.last) << "\n" << JournalForMessage();
    EXPECT_FALSE(app.Button(kButtonStop).enabled) << Describe(app.Button(kButtonStop));
}

}  // namespace
}  // namespace e2e
