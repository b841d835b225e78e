// The practice target draws the same pictures when asked to print itself (WM_PRINT,
// WM_PRINTCLIENT) as on screen: Windows captures targets that way. Wine cannot send
// those messages across processes, so the window is made here, in the test's process.
#include <gtest/gtest.h>

#include <windows.h>

#include "driver/pixels.h"
#include "practice_target/target_window.h"

namespace e2e {
namespace {

const struct {
    POINT centre;
    const char* fingerprint;
} kPictures[] = {
    {{100, 100}, "010101101010010101101010010101101010"},
    {{300, 200}, "110011110011000000000000110011110011"},
    {{500, 300}, "011111101111110111111011111101111110"},
};

// A memory bitmap the size of the window, released however the test ends.
class Canvas {
public:
    Canvas(int width, int height) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class PracticePrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        practice::TargetOptions options;
        options.className = L"TavoPrintTestTarget";
        options.x = 40;
        options.y = 40;
        options.quitOnDestroy = false;
        window = practice::CreateTargetWindow(GetModuleHandleW(nullptr), options);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
    }

    // Where the client area starts inside the window rectangle.
    POINT ClientOffset() const {
        RECT r;
        GetWindowRect(window, &r);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        return {origin.x - r.left, origin.y - r.top};
    }

    HWND window = nullptr;
};

TEST_F(PracticePrintTest, PrintWindowOfTheClientAreaHoldsThePictures) {
    Canvas canvas(800, 600);
    ASSERT_TRUE(PrintWindow(window, canvas.Dc(), PW_CLIENTONLY));
    for (const auto& p : kPictures) {
        EXPECT_EQ(FingerprintOf(canvas.Dc(), p.centre.x - 6, p.centre.y - 6), p.fingerprint)
            << "picture at client (" << p.centre.x << "," << p.centre.y << ")";
    }
    EXPECT_EQ(GetPixel(canvas.Dc(), 650, 100), RGB(128, 128, 128));
}

TEST_F(PracticePrintTest, PrintWindowWithTheFrameHoldsThePicturesAtTheClientOffset) {
    const POINT offset = ClientOffset();
    ASSERT_GT(offset.y, 0) << "the window has a caption, so the client area starts lower";
    Canvas canvas(800, 600);
    ASSERT_TRUE(PrintWindow(window, canvas.Dc(), 0));
    for (const auto& p : kPictures) {
        EXPECT_EQ(FingerprintOf(canvas.Dc(), offset.x + p.centre.x - 6, offset.y + p.centre.y - 6), p.fingerprint)
            << "picture at client (" << p.centre.x << "," << p.centre.y << ")";
    }
}

TEST_F(PracticePrintTest, PrintClientDrawsThePicturesAtClientCoordinates) {
    Canvas canvas(800, 600);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    for (const auto& p : kPictures) {
        EXPECT_EQ(FingerprintOf(canvas.Dc(), p.centre.x - 6, p.centre.y - 6), p.fingerprint)
            << "picture at client (" << p.centre.x << "," << p.centre.y << ")";
    }
}

}  // namespace
}  // namespace e2e
