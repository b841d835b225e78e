// The skin: the library Tavo carries is written beside it on the first start only, whatever
// its folder is called, draws the title bar, and the skinned caption buttons still minimise
// and close. A damaged library leaves Tavo unskinned and working.
#include "driver/paths.h"
#include "driver/pixels.h"
#include "driver/poll.h"
#include "driver/registry.h"
#include "driver/tavo_app.h"
#include "driver/user_input.h"
#include "tavo_fixture.h"

namespace e2e {
namespace {

constexpr std::chrono::milliseconds kTimeout{5000};

bool InFront(HWND window) { return BringToForeground(window, kTimeout).ok; }

// A band in the middle of the title bar, right of the caption text and left of the buttons.
RECT CaptionBand(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int border = client.x - frame.left, width = frame.right - frame.left;
    const int middle = frame.top + border + GetSystemMetrics(SM_CYCAPTION) / 2;
    return {frame.left + width * 45 / 100, middle - 2, frame.left + width * 65 / 100, middle + 2};
}

// The first point from the right of the title bar's middle row that the window reports as `hit`.
std::optional<POINT> CaptionPointOf(HWND window, LRESULT hit) {
    const RECT band = CaptionBand(window);
    RECT frame{};
    GetWindowRect(window, &frame);
    const int y = (band.top + band.bottom) / 2;
    for (int x = frame.right - 1; x > band.left; --x) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &result);
        if (static_cast<LRESULT>(result) == hit) return POINT{x - 3, y};  // inside, not on its edge
    }
    return std::nullopt;
}

// The title bar's colour once drawn: the screen shows black where nothing is drawn yet.
COLORREF CaptionColour(HWND window) {
    COLORREF before = CLR_INVALID;
    const auto drawn = PollUntil(
        [&] {
            const COLORREF now = CommonScreenColour(CaptionBand(window));
            const bool settled = now == before && now != RGB(0, 0, 0);
            before = now;
            return settled;
        },
        [](bool settled) { return settled; }, kTimeout);
    return drawn.ok ? before : CLR_INVALID;
}

bool HasTheSixOperations(const std::wstring& library) {
    HMODULE module = LoadLibraryExW(library.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) return false;
    bool all = true;
    for (const char* name : {"SkinH_AttachEx", "SkinH_Detach", "SkinH_SetAero", "SkinH_AdjustHSV",
                             "SkinH_SetMenuAlpha", "SkinH_AdjustAero"})
        all = all && GetProcAddress(module, name) != nullptr;
    FreeLibrary(module);
    return all;
}

class TavoSkin : public ::testing::Test {
protected:
    void SetUp() override { ResetTavoRegistry(); }
    void TearDown() override { app.Kill(); }
    TavoApp app;
};

// In a folder whose name the ANSI code page cannot spell, too: the library goes into it,
// not beside it, and is loaded from there.
TEST_F(TavoSkin, LibraryIsWrittenOnceIntoTavosFolderAndADamagedOneLeavesTavoUnskinnedAndWorking) {
    const std::wstring exe = FreshTavoFolder(L"skin 한글 ✓");
    ASSERT_FALSE(exe.empty());
    const std::wstring library = DirectoryOf(exe) + L"\\Skin.tg";
    app.Start(exe);
    // Written while the main window is being made, which the start may not wait for.
    ASSERT_TRUE(PollUntil([&] { return FileExists(library); }, [](bool e) { return e; }, kTimeout).ok)
        << "no Skin.tg after the first start";
    EXPECT_TRUE(HasTheSixOperations(library));
    EXPECT_FALSE(FileExists(DirectoryOf(DirectoryOf(exe)) + L"\\Skin.tg")) << "written into the parent folder";
    ASSERT_TRUE(InFront(app.Main()));
    const COLORREF skinned = CaptionColour(app.Main());
    ASSERT_NE(skinned, CLR_INVALID) << "the title bar was not drawn";
    app.Kill();

    const std::string damaged = "not a library";
    ASSERT_TRUE(WriteWholeFile(library, damaged));
    app.Start(exe);
    ASSERT_TRUE(InFront(app.Main()));
    EXPECT_EQ(ReadWholeFile(library), damaged) << "Skin.tg was written again";
    const COLORREF plain = CaptionColour(app.Main());
    ASSERT_NE(plain, CLR_INVALID) << "the title bar was not drawn";
    EXPECT_NE(plain, skinned) << "the title bar looks the same with and without the skin";
    app.ChooseSetup();
    const auto panel = PollUntil([&] { return IsWindowVisible(app.Fram()) != FALSE; }, [](bool v) { return v; },
                                 kTimeout);
    EXPECT_TRUE(panel.ok) << "the settings panel did not open without the skin";
}

TEST_F(TavoSkin, SkinnedCaptionButtonsMinimiseAndClose) {
    app.Start();
    ASSERT_TRUE(InFront(app.Main()));
    const auto minimise = CaptionPointOf(app.Main(), HTMINBUTTON);
    ASSERT_TRUE(minimise) << "no minimise button on the title bar";
    ASSERT_EQ(WindowFromPoint(*minimise), app.Main());
    ASSERT_TRUE(Click(*minimise));
    EXPECT_TRUE(PollUntil([&] { return IsIconic(app.Main()) != FALSE; }, [](bool v) { return v; }, kTimeout).ok)
        << "the minimise button did not minimise";

    ShowWindow(app.Main(), SW_RESTORE);
    ASSERT_TRUE(InFront(app.Main()));
    const auto close = CaptionPointOf(app.Main(), HTCLOSE);
    ASSERT_TRUE(close) << "no close button on the title bar";
    ASSERT_EQ(WindowFromPoint(*close), app.Main());
    ASSERT_TRUE(Click(*close));
    EXPECT_TRUE(app.Proc().WaitForExit(5000)) << "the close button did not end Tavo";
}

}  // namespace
}  // namespace e2e
