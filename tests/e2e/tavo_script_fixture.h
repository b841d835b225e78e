#pragma once
// tavo.exe started by the test, after it has laid out the folder and the registry the
// program starts from; a sample Script whose file image is built by the test.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "driver/gmx_image.h"
#include "driver/message_box.h"
#include "driver/paths.h"
#include "driver/poll.h"
#include "driver/registry.h"
#include "driver/tavo_app.h"
#include "driver/text.h"
#include "driver/tree_view.h"
#include "driver/windows.h"

namespace e2e {

// Keyword Game, minimum 640 × 480, three windows, other windows (flag 1).
inline constexpr wchar_t kSampleHeader[] = L"Game|640|480|3|1|";

// Three top-level Instructions, the second with a child; negative, large and jump values,
// Chinese captions and texts, a picture: every field kind travels through load and save.
inline std::vector<GmxRecord> SampleRecords() {
    return {
        {.LocationX = 120, .Locationy = 45, .LocationBase = 1, .pPause = 2, .NodeKey = L"L1", .NodeText = L"开始",
         .pChar = L"你好 hello"},
        {.LocationX = -15, .Locationy = 10, .pLocationX = 300, .pLocationy = 200, .pLocationBase = 2, .pDelay = 50,
         .pYesNext = L"L4", .NodeKey = L"L2", .NodeText = L"进入", .pPicture = L"010011000111100001111100000111111000"},
        {.pNotNext = L"L1", .NodeKey = L"L3", .NodeParent = L"L2", .NodeText = L"子项", .pChar = L"{ENTER}"},
        {.LocationX = 32000, .Locationy = -1, .NodeKey = L"L4", .NodeText = L"结束", .pChar = L"abc"},
    };
}

inline std::vector<TreeItem> SampleTree() { return {{0, L"开始"}, {0, L"进入"}, {1, L"子项"}, {0, L"结束"}}; }

// Where two byte strings first differ, for failure messages.
inline std::string FirstDifference(const std::string& actual, const std::string& expected) {
    size_t i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
    if (i == actual.size() && i == expected.size()) return "identical";
    return "size " + std::to_string(actual.size()) + " (expected " + std::to_string(expected.size()) +
           "), first difference at byte " + std::to_string(i) + " (block " + std::to_string(i / 142) + ")";
}

class TavoScriptTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTavoRegistry(); }
    void TearDown() override { app.Kill(); }

    // A folder of its own with tavo.exe, and optionally a Script file in it.
    void PrepareFolder(const std::wstring& stem) {
        exe = FreshTavoFolder(stem);
        ASSERT_FALSE(exe.empty()) << "cannot prepare a folder with tavo.exe";
        folder = DirectoryOf(exe);
    }
    void PlaceScript(const std::wstring& path, const std::string& bytes) {
        ASSERT_TRUE(WriteWholeFile(path, bytes)) << "cannot write " << Narrow(path);
    }

    // demo.gmx beside tavo.exe and named in the registry, as the last run left it; Tavo
    // started and the Script loaded.
    void StartWithSampleScript(const std::wstring& stem) {
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(stem));
        script = folder + L"\\demo.gmx";
        image = GmxImage(kSampleHeader, SampleRecords());
        ASSERT_NO_FATAL_FAILURE(PlaceScript(script, image));
        ASSERT_TRUE(WriteTavoValue(L"FileName", L"demo"));
        app.Start(exe);
        const auto tree = WaitTree(SampleTree());
        ASSERT_TRUE(tree.ok) << "tree " << Describe(tree.last);
    }

    Polled<std::vector<TreeItem>> WaitTree(const std::vector<TreeItem>& expected,
                                           milliseconds timeout = milliseconds(5000)) {
        return PollUntil([&] { return ReadTreeItems(app.Tree()); },
                         [&](const std::vector<TreeItem>& items) { return items == expected; }, timeout);
    }

    Polled<std::wstring> WaitBox(int id, const std::wstring& text, milliseconds timeout = milliseconds(3000)) {
        return PollUntil([&] { return app.BoxText(id); }, [&](const std::wstring& t) { return t == text; }, timeout);
    }

    Polled<bool> WaitSaveEnabled(bool enabled, milliseconds timeout = milliseconds(3000)) {
        return PollUntil([&] { return app.Button(kButtonSave).enabled; }, [&](bool e) { return e == enabled; },
                         timeout);
    }

    // Saved in place from the toolbar; the file's records compared with `expected`, each
    // shown by `describe` when it differs.
    void ExpectSavedRecords(const wchar_t* header, const std::vector<GmxRecord>& expected,
                            std::string (*describe)(const std::string& record)) {
        ASSERT_TRUE(WaitSaveEnabled(true).ok) << "nothing to save";
        ASSERT_TRUE(app.ClickButton(kButtonSave));
        ASSERT_TRUE(WaitSaveEnabled(false).ok) << "not saved; " << Narrow(MessageText(FindOwnedDialog(app.Main())));
        const std::string written = ReadWholeFile(script), wanted = GmxImage(header, expected);
        ASSERT_EQ(written.size(), wanted.size());
        for (size_t n = 1; n <= expected.size(); ++n) {
            const std::string record = written.substr(142 * n, 142), want = wanted.substr(142 * n, 142);
            EXPECT_TRUE(record == want) << "record " << n << "\n  saved:    " << describe(record)
                                        << "\n  expected: " << describe(want);
        }
    }

    Polled<bool> WaitFramShown(bool shown, milliseconds timeout = milliseconds(3000)) {
        return PollUntil([&] { return IsWindowVisible(app.Fram()) != FALSE; }, [&](bool s) { return s == shown; },
                         timeout);
    }

    TavoApp app;
    std::wstring exe;
    std::wstring folder;
    std::wstring script;  // the sample Script's file
    std::string image;    // and its bytes
};

}  // namespace e2e
