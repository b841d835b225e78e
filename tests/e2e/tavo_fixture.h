#pragma once
// A fresh tavo.exe for every test, with practice targets beside it; everything started
// is ended in TearDown, whatever happened in the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <list>
#include <string>

#include "driver/journal.h"
#include "driver/poll.h"
#include "driver/practice.h"
#include "driver/registry.h"
#include "driver/tavo_app.h"
#include "driver/text.h"
#include "driver/windows.h"

namespace e2e {

inline constexpr wchar_t kCountNone[] = L"识别窗口数: 0";
inline constexpr wchar_t kCountOne[] = L"识别窗口数: 1";
inline constexpr std::chrono::milliseconds kDiscoveryTimeout{5000};
// Long enough for two discovery ticks of one second each.
inline constexpr std::chrono::milliseconds kNotFoundPeriod{2500};
inline constexpr std::chrono::milliseconds kNothingHappensPeriod{1500};

class TavoTest : public ::testing::Test {
protected:
    // Registry values of an earlier test would steer the start-up (keyword, Script name).
    void SetUp() override {
        ResetTavoRegistry();
        app.Start();
    }

    void TearDown() override {
        for (PracticeTarget& t : targets) t.Kill();
        app.Kill();
    }

    PracticeTarget& StartTarget(const TargetSetup& setup) {
        targets.emplace_back();
        targets.back().Start(setup);
        return targets.back();
    }

    // The window really lies under the screen centre, so a refusal is Tavo's doing.
    static void ExpectUnderCentre(HWND window) {
        const POINT c = ScreenCentre();
        EXPECT_EQ(WindowFromPoint(c), window) << "target not under the screen centre (" << c.x << "," << c.y << ")";
    }

    Polled<std::wstring> WaitLabel(const std::wstring& text, std::chrono::milliseconds timeout = kDiscoveryTimeout) {
        return PollUntil([&] { return app.Label1Text(); }, [&](const std::wstring& t) { return t == text; }, timeout);
    }

    Polled<std::wstring> LabelStays(const std::wstring& text, std::chrono::milliseconds period) {
        return HoldsFor([&] { return app.Label1Text(); }, [&](const std::wstring& t) { return t == text; }, period);
    }

    Polled<JournalReading> WaitEvents(size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
        return PollUntil([&] { return ReadJournal(app.JournalLines()); },
                         [&](const JournalReading& r) { return r.events.size() >= count; }, timeout);
    }

    std::string JournalForMessage() { return "Journal:\n" + Narrow(app.JournalText()); }

    TavoApp app;
    std::list<PracticeTarget> targets;  // stable addresses for the references handed out
};

}  // namespace e2e
