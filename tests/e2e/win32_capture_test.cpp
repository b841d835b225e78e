// Tavo's Win32 capture and key posting (src/platform/win32) on a practice target window
// made in this process: Wine lets a window draw into a PrintWindow surface only within one
// process, while Windows also lets other processes' windows draw, which is how Tavo
// captures targets there.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/acting/target_actions.h"
#include "documented_pictures.h"
#include "driver/poll.h"
#include "platform/win32/win32_keyboard_input.h"
#include "platform/win32/win32_window_capture.h"
#include "practice_target/target_window.h"

namespace e2e {
namespace {

using tavo::Picture;

constexpr std::uint32_t kGrey = 0x808080;

class Win32CaptureTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (window) DestroyWindow(window);
    }

    void Open(practice::PictureMode mode = practice::PictureMode::Normal) {
        practice::TargetOptions options;
        options.className = L"TavoCaptureTestTarget";
        options.x = 60;
        options.y = 60;
        options.quitOnDestroy = false;
        options.pictures = mode;
        window = practice::CreateTargetWindow(GetModuleHandleW(nullptr), options);
        ASSERT_NE(window, nullptr);
        Pump();
    }

    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    tavo::WindowHandle Handle() const { return reinterpret_cast<tavo::WindowHandle>(window); }

    RECT Client() const {
        RECT r{};
        GetClientRect(window, &r);
        return r;
    }

    void ExpectDocumentedPictures(const Picture& client) {
        const RECT r = Client();
        ASSERT_EQ(client.width, r.right);
        ASSERT_EQ(client.height, r.bottom);
        for (const DocumentedGrid& g : kGrids) {
            EXPECT_EQ(FingerprintAt(client, g.centre), g.fingerprint)
                << "picture at client (" << g.centre.x << "," << g.centre.y << ")";
        }
        EXPECT_EQ(client.At(650, 100), kGrey);
        EXPECT_EQ(client.At(kGrids[0].centre.x - 6, kGrids[0].centre.y - 6), 0x000000);
        EXPECT_EQ(client.At(kGrids[0].centre.x - 4, kGrids[0].centre.y - 6), 0xFFFFFF);
        EXPECT_EQ(client.At(kGrids[0].centre.x - 4, kGrids[0].centre.y - 4), 0x000000);
    }

    HWND window = nullptr;
    tavo::Win32WindowCapture capture;
};

TEST_F(Win32CaptureTest, DocumentedGridsGiveTheDocumentedFingerprints) {
    for (const DocumentedGrid& g : kGrids) EXPECT_EQ(GridFingerprint(g), g.fingerprint);
}

TEST_F(Win32CaptureTest, PrintClientHoldsTheWindowsOwnDrawingAndAsksForARepaint) {
    ASSERT_NO_FATAL_FAILURE(Open());
    const RECT r = Client();
    ValidateRect(window, nullptr);
    const tavo::ClientSize size = capture.ClientArea(Handle());
    EXPECT_EQ(size.width, r.right);
    EXPECT_EQ(size.height, r.bottom);
    ExpectDocumentedPictures(capture.PrintClient(Handle()));
    RECT update{};
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE)) << "no repaint asked for after the capture";
    EXPECT_TRUE(EqualRect(&update, &r));
}

TEST_F(Win32CaptureTest, CopyClientFromScreenHoldsWhatTheScreenShows) {
    ASSERT_NO_FATAL_FAILURE(Open());
    const auto picture = PollUntil([&] { return capture.CopyClientFromScreen(Handle()); },
                                   [](const Picture& p) { return FingerprintAt(p, kGrids[0].centre) == kGrids[0].fingerprint; },
                                   milliseconds(3000));
    ExpectDocumentedPictures(picture.last);
}

// The target marks a click with a red cross: red must not come back as blue.
TEST_F(Win32CaptureTest, ColoursKeepRedAndBlueInTheirPlaces) {
    ASSERT_NO_FATAL_FAILURE(Open());
    PostMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(650, 100));
    Pump();
    constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
    EXPECT_EQ(capture.PrintClient(Handle()).At(650, 100), kRed);
    UpdateWindow(window);
    EXPECT_EQ(capture.CopyClientFromScreen(Handle()).At(648, 100), kRed);
}

TEST_F(Win32CaptureTest, RotatedPicturesShowTheNextGridAtEachPlace) {
    ASSERT_NO_FATAL_FAILURE(Open(practice::PictureMode::Rotated));
    const Picture client = capture.PrintClient(Handle());
    for (size_t i = 0; i < std::size(kGrids); ++i) {
        EXPECT_EQ(FingerprintAt(client, kGrids[i].centre), kGrids[(i + 1) % std::size(kGrids)].fingerprint) << i;
    }
}

TEST_F(Win32CaptureTest, BlankPicturesLeaveNoContrast) {
    ASSERT_NO_FATAL_FAILURE(Open(practice::PictureMode::Blank));
    const Picture client = capture.PrintClient(Handle());
    for (const DocumentedGrid& g : kGrids) EXPECT_EQ(FingerprintAt(client, g.centre), "") << g.centre.x;
}

TEST_F(Win32CaptureTest, AMinimisedWindowGivesEmptyPicturesAndABlackBlock) {
    ASSERT_NO_FATAL_FAILURE(Open());
    ShowWindow(window, SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(window));
    EXPECT_EQ(capture.PrintClient(Handle()), Picture());
    EXPECT_EQ(capture.CopyClientFromScreen(Handle()), Picture());
    const Picture block = tavo::CaptureBlock(capture, Handle(), 100, 100, 12, 12, tavo::kTopLeft, false);
    EXPECT_EQ(block, Picture(12, 12, 0));
}

// The block read alone is the block cut from the whole area, in both window sizes the
// benchmarks measure: each orientation, inside and across the edges, printed and (where
// the print is black and plug-in windows are not required) taken from the screen.
TEST_F(Win32CaptureTest, TheBlockAloneEqualsTheBlockCutFromTheWholeArea) {
    ASSERT_NO_FATAL_FAILURE(Open());
    for (const SIZE size : {SIZE{800, 600}, SIZE{1920, 1080}}) {
        RECT frame{0, 0, size.cx, size.cy};
        AdjustWindowRectEx(&frame, GetWindowLongW(window, GWL_STYLE), FALSE, GetWindowLongW(window, GWL_EXSTYLE));
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(window);
        Pump();
        const RECT r = Client();
        const tavo::ClientPoint places[] = {{kGrids[0].centre.x - 6, kGrids[0].centre.y - 6}, {-5, 40},
                                            {40, -5}, {static_cast<int>(r.right) - 4, 50}, {3000, 3000}};
        for (const bool flash : {false, true})
            for (int code = tavo::kCentre; code <= tavo::kBottomRight; ++code)
                for (const tavo::ClientPoint p : places) {
                    const Picture alone = tavo::CaptureBlock(capture, Handle(), p.x, p.y, 12, 12, code, flash);
                    UpdateWindow(window);  // the whole-area print asks for a repaint too
                    const Picture whole =
                        tavo::CaptureBlockFromWholeArea(capture, Handle(), p.x, p.y, 12, 12, code, flash);
                    UpdateWindow(window);
                    EXPECT_EQ(alone, whole) << r.right << "x" << r.bottom << " code " << code << " at " << p.x
                                            << "," << p.y << " flash " << flash;
                }
    }
}

TEST_F(Win32CaptureTest, CapturesReleaseEveryGdiObjectTheyMake) {
    ASSERT_NO_FATAL_FAILURE(Open());
    capture.SetReferenceWindow(window);
    const tavo::ClientRect region{100, 100, 12, 12};
    const auto captureAll = [&] {
        (void)capture.PrintClient(Handle());
        (void)capture.CopyClientFromScreen(Handle());
        (void)capture.PrintClientRegion(Handle(), region);
        (void)capture.CopyClientRegionFromScreen(Handle(), region);
    };
    captureAll();  // first-use allocations of the system itself, and the kept surfaces
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (before == 0) GTEST_SKIP() << "GetGuiResources counts nothing on this system";
    for (int i = 0; i < 50; ++i) captureAll();
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

TEST_F(Win32CaptureTest, PostedKeyAndClickMessagesCarryTheir32BitsUnextended) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Pump();
    tavo::Win32KeyboardInput input;
    input.Post(Handle(), WM_KEYUP, 0x0D, 0xC01C0001u);
    input.Post(Handle(), WM_LBUTTONDOWN, 0, 0x00640096u);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, window, WM_KEYUP, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(msg.wParam, WPARAM{0x0D});
    EXPECT_EQ(static_cast<unsigned long long>(msg.lParam), 0xC01C0001ull);
    ASSERT_TRUE(PeekMessageW(&msg, window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(static_cast<unsigned long long>(msg.lParam), 0x00640096ull);
    EXPECT_EQ(input.ScanCode(VK_RETURN), MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC));
    EXPECT_NE(input.ScanCode(VK_RETURN), 0u);
}

}  // namespace
}  // namespace e2e
