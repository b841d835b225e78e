#pragma once
// A Script run against the practice target, read back from the target's input log: the
// fixture the cases of the run's actions share.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "documented_pictures.h"
#include "driver/gmx_image.h"
#include "driver/paths.h"
#include "driver/pixels.h"
#include "driver/poll.h"
#include "driver/practice.h"
#include "driver/practice_log.h"
#include "driver/registry.h"
#include "driver/tavo_app.h"
#include "driver/text.h"
#include "driver/tree_view.h"

namespace e2e {

// Keyword "practice" (in the target's title), 400 × 300, one window, other windows.
inline constexpr wchar_t kHeader[] = L"practice|400|300|1|1|";
inline constexpr wchar_t kChinese = L'你';
inline constexpr POINT kClickAt{650, 100};  // flat background
inline constexpr POINT kParked{200, 1000};  // bare desktop, clear of both windows

inline std::string Hex(unsigned long long v, int digits = 0) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%0*llx", digits, v);
    return buffer;
}

// What the target logs for a posted key stroke as the key sender makes it.
inline std::vector<std::string> KeyStroke(UINT vk, int ups = 2) {
    const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) & 0xFF;
    std::vector<std::string> lines = {"WM_KEYDOWN " + Hex(vk) + " " + Hex((scan << 16) | 1u, 8)};
    for (int i = 0; i < ups; ++i) lines.push_back("WM_KEYUP " + Hex(vk) + " " + Hex(0xC0000001u | (scan << 16), 8));
    return lines;
}

inline std::string PostedChar(unsigned long long code) { return "WM_CHAR " + Hex(code) + " 0x00000001"; }

template <class T>
inline void Append(std::vector<T>& to, const std::vector<T>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

inline std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += "\n  " + l;
    return text;
}

class TavoActionsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTavoRegistry(); }
    void TearDown() override {
        target.Kill();
        app.Kill();
    }

    // Right of Tavo's window and over the screen centre, uncovered: the screen copy
    // reads what the target shows.
    void StartTarget(const std::wstring& pictures) {
        TargetSetup setup;
        setup.pictures = pictures;
        StartTarget(setup);
    }
    void StartTarget(TargetSetup setup) {
        setup.x = 700;
        setup.y = 240;
        target.Start(setup);
        GetClientRect(target.Window(), &client);
    }

    // L1 recognises P1 and, on success, clicks (given from the client area's centre) and
    // types; its child L2 types "yes". On failure L3 types "no". Both end the pass with
    // a long pause, so one pass is all the log holds.
    std::vector<GmxRecord> Records() const {
        GmxRecord l1{.LocationX = FromCentre(kClickAt.x, client.right),
                     .Locationy = FromCentre(kClickAt.y, client.bottom),
                     .pLocationX = static_cast<std::int16_t>(kGrids[0].centre.x),
                     .pLocationy = static_cast<std::int16_t>(kGrids[0].centre.y),
                     .LocationBase = tavo::kCentre,
                     .pLocationBase = tavo::kTopLeft,
                     .pDelay = 500,  // CTRL stays down half a second around the C key
                     .pNotNext = L"L3",
                     .NodeKey = L"L1",
                     .NodeText = L"识别",
                     .pChar = std::wstring(L"/*ctrl+c*/hi") + kChinese,
                     .pPicture = Widen(GridFingerprint(kGrids[0]))};
        GmxRecord l2{.pPause = 30, .NodeKey = L"L2", .NodeParent = L"L1", .NodeText = L"成功", .pChar = L"yes"};
        GmxRecord l3{.pPause = 30, .NodeKey = L"L3", .NodeText = L"失败", .pChar = L"no"};
        return {l1, l2, l3};
    }

    void StartTavoWithScript() {
        StartTavoWithScript(Records(), {{0, L"识别"}, {1, L"成功"}, {0, L"失败"}});
    }

    void StartTavoWithScript(const std::vector<GmxRecord>& records, const std::vector<TreeItem>& tree,
                             const wchar_t* header = kHeader) {
        const std::wstring exe = FreshTavoFolder(L"actions");
        ASSERT_FALSE(exe.empty());
        ASSERT_TRUE(WriteWholeFile(DirectoryOf(exe) + L"\\actions.gmx", GmxImage(header, records)));
        ASSERT_TRUE(WriteTavoValue(L"FileName", L"actions"));
        tracePath = DirectoryOf(exe) + L"\\run trace.txt";
        app.Start(exe, {L"--trace", tracePath});
        const auto loaded = PollUntil([&] { return ReadTreeItems(app.Tree()); },
                                      [&](const auto& items) { return items == tree; }, milliseconds(5000));
        ASSERT_TRUE(loaded.ok) << Describe(loaded.last);
        // The header chose other windows: Option1 (plug-in windows) is now the one to click.
        EXPECT_TRUE(IsWindowEnabled(app.Control(IDC_OPTION1)));
        EXPECT_FALSE(IsWindowEnabled(app.Control(IDC_OPTION2)));
        ASSERT_LT(WindowRectOf(app.Main()).right, 700) << "Tavo's window would cover the target";
        ASSERT_EQ(WindowFromPoint(ScreenCentre()), target.Window()) << "target not under the screen centre";
        const auto found = PollUntil([&] { return app.Label1Text(); },
                                     [](const std::wstring& t) { return t == L"识别窗口数: 1"; }, milliseconds(5000));
        ASSERT_TRUE(found.ok) << Narrow(found.last);
    }

    // Tavo in front, as after a user's click on its menu: CTRL pressed through the
    // keyboard input then goes to Tavo, and the target reads the system-wide state.
    void BringTavoToFront() {
        const auto front = BringToForeground(app.Main());
        ASSERT_TRUE(front.ok) << "foreground window stays " << front.last;
    }

    // Runs until the target has seen `count` posted messages, then stops the run.
    std::vector<LoggedInput> RunUntilPosted(size_t count) {
        EXPECT_TRUE(app.ChooseRun()) << "控制(&C) did not open";
        const auto posted = PollUntil([&] { return PostedInput(ParseInput(target.LogLines())); },
                                      [&](const auto& p) { return p.size() >= count; }, milliseconds(10000));
        const auto stopOn = PollUntil([&] { return app.Button(kButtonStop).enabled; }, [](bool on) { return on; },
                                      milliseconds(3000));
        EXPECT_TRUE(stopOn.ok && app.ClickButton(kButtonStop)) << "could not stop the run";
        EXPECT_TRUE(PollUntil([&] { return app.Button(kButtonRun).enabled; }, [](bool on) { return on; },
                              milliseconds(3000)).ok) << "the run did not stop";
        return PostedInput(ParseInput(target.LogLines()));
    }

    // Where the click of kClickAt is given from: the client area's centre.
    std::int16_t FromCentre(LONG point, LONG size) const { return static_cast<std::int16_t>(point - (size + 1) / 2); }

    // The run trace's line for an Instruction, from "  KEY \"" on; empty when none.
    std::string TraceOf(const std::string& key) const {
        std::istringstream lines(ReadWholeFile(tracePath));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t at = line.find("  " + key + " \"");
            if (at != std::string::npos) return line.substr(at + 2, line.find('\r') - at - 2);
        }
        return "";
    }

    TavoApp app;
    PracticeTarget target;
    RECT client{};
    std::wstring tracePath;
};

}  // namespace e2e
