#include <gtest/gtest.h>

#include "core/acting/recognition.h"
#include "core/acting/target_actions.h"
#include "fakes/fake_capture.h"

namespace tavo {
namespace {

constexpr WindowHandle kWindow = 7;

// A drawing where every pixel differs: a block cut from the wrong place cannot pass.
Picture Numbered(int width, int height, std::uint32_t salt) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.Set(x, y, (static_cast<std::uint32_t>(y * width + x) * 7919u + salt) & 0xFFFFFF);
    return p;
}

// The block read alone equals the block cut from the whole area, whatever the window's
// size, the orientation, the place (inside, across each edge, outside), a print left
// black where the block starts (the screen's copy then), and plug-in mode.
TEST(CaptureBlock, EqualsTheBlockCutFromTheWholeArea) {
    const ClientSize sizes[] = {{64, 48}, {13, 9}};
    const ClientPoint places[] = {{20, 20}, {-5, 30},   {30, -5}, {58, 20},
                                  {20, 44}, {-40, -40}, {200, 10}};
    for (const ClientSize size : sizes)
        for (const bool blackCorner : {false, true})
            for (const bool flash : {false, true})
                for (int code = kCentre; code <= kBottomRight; ++code)
                    for (const ClientPoint p : places) {
                        testing::FakeCapture capture;
                        capture.printed = Numbered(size.width, size.height, 1);
                        capture.screen = Numbered(size.width, size.height, 2);
                        const ClientPoint at =
                            ToClientPoint(p.x, p.y, code, size.width, size.height);
                        if (blackCorner) capture.printed.Set(at.x, at.y, 0);
                        SCOPED_TRACE(::testing::Message()
                                     << size.width << "x" << size.height << " code " << code
                                     << " at " << p.x << "," << p.y << " black " << blackCorner
                                     << " flash " << flash);
                        EXPECT_EQ(CaptureBlock(capture, kWindow, p.x, p.y, 12, 12, code, flash),
                                  CaptureBlockFromWholeArea(capture, kWindow, p.x, p.y, 12, 12,
                                                            code, flash));
                    }
}

TEST(CaptureBlock, AnEmptyClientAreaGivesABlackBlockWithoutACapture) {
    testing::FakeCapture capture;  // 0 × 0
    EXPECT_EQ(CaptureBlock(capture, kWindow, 5, 5, 12, 12, kTopLeft, false), Picture(12, 12));
    EXPECT_EQ(capture.prints + capture.screenCopies, 0);
}

}  // namespace
}  // namespace tavo
