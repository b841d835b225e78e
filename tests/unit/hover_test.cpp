#include <gtest/gtest.h>

#include "core/capture/hover.h"

namespace tavo {
namespace {

TEST(Hover, LeaveTestsCountEdgesInsideAndBannerScrollsByCharacter) {
    // A 390-twip frame at (150, 105); the banner at 7500, 270 high, in a 9870-wide window.
    struct Case { int x, y; bool leftFrame, leftBanner; };
    const Case cases[] = {
        {150, 105, false, true},   {540, 495, false, true},  {149, 300, true, true},
        {541, 300, true, true},    {300, 104, true, true},   {300, 496, true, true},
        {0, 7500, true, false},    {9870, 7770, true, false}, {-1, 7600, true, true},
        {9871, 7600, true, true},  {5000, 7499, true, true}, {5000, 7771, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointerLeftFrame(150, 105, 390, 390, c.x, c.y), c.leftFrame) << c.x << "," << c.y;
        EXPECT_EQ(PointerLeftBanner(9870, 7500, 270, c.x, c.y), c.leftBanner) << c.x << "," << c.y;
    }
    EXPECT_EQ(ScrollBanner("说明 a"), "明 a说");
    EXPECT_EQ(ScrollBanner("a"), "a");
    EXPECT_EQ(ScrollBanner(""), "");
}

}  // namespace
}  // namespace tavo
