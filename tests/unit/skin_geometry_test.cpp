#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "skin/skin_geometry.h"

namespace tavo::skin {
namespace {

FrameInput Window(int width, int captionBottom = 27) {
    FrameInput in;
    in.width = width;
    in.height = 300;
    in.border = 4;
    in.captionBottom = captionBottom;
    in.minimize = in.maximize = in.close = true;
    return in;
}

struct LayoutCase {
    const char* name;
    FrameInput in;
    Rect close, maximize, minimize, text;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }

class SkinFrameLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SkinFrameLayout, PlacesTheButtonsRightToLeftInTheTitleBar) {
    const LayoutCase& c = GetParam();
    const FrameLayout l = LayOutFrame(c.in);
    EXPECT_EQ(l.close, c.close);
    EXPECT_EQ(l.maximize, c.maximize);
    EXPECT_EQ(l.minimize, c.minimize);
    EXPECT_EQ(l.text, c.text);
}

FrameInput With(FrameInput in, void (*change)(FrameInput&)) {
    change(in);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinFrameLayout,
    ::testing::Values(
        LayoutCase{"three buttons", Window(400), {370, 6, 394, 24}, {344, 6, 368, 24}, {318, 6, 342, 24}, {6, 4, 316, 27}},
        LayoutCase{"icon before the text", With(Window(400), [](FrameInput& i) { i.iconSize = 16; }),
                   {370, 6, 394, 24}, {344, 6, 368, 24}, {318, 6, 342, 24}, {24, 4, 316, 27}},
        LayoutCase{"close only", With(Window(400), [](FrameInput& i) { i.minimize = i.maximize = false; }),
                   {370, 6, 394, 24}, {}, {}, {6, 4, 368, 27}},
        LayoutCase{"minimise without maximise",
                   With(Window(400), [](FrameInput& i) { i.maximize = false; }),
                   {370, 6, 394, 24}, {}, {344, 6, 368, 24}, {6, 4, 342, 27}},
        LayoutCase{"a narrow window leaves out what does not fit",
                   With(Window(80), [](FrameInput& i) { i.iconSize = 16; }),
                   {50, 6, 74, 24}, {24, 6, 48, 24}, {}, {24, 4, 24, 27}},
        LayoutCase{"a low title bar shrinks the buttons", Window(400, 19), {377, 5, 394, 18}, {358, 5, 375, 18},
                   {339, 5, 356, 18}, {6, 4, 337, 19}},
        LayoutCase{"150 percent", With(Window(400, 38), [](FrameInput& i) { i.dpi = 144; }), {357, 7, 393, 34},
                   {318, 7, 354, 34}, {279, 7, 315, 34}, {7, 4, 276, 38}}),
    case_names::ByName{});

TEST(SkinFrameLayout, AWindowTooSmallForAFrameGetsNothingToDraw) {
    EXPECT_TRUE(LayOutFrame(Window(8)).caption.Empty());
    FrameInput flat = Window(400);
    flat.height = 27;
    EXPECT_TRUE(LayOutFrame(flat).caption.Empty());
}

struct HitCase {
    const char* name;
    Point p;
    NcHit system;
    NcHit expected;
};

void PrintTo(const HitCase& c, std::ostream* os) { *os << c.name; }

class SkinHit : public ::testing::TestWithParam<HitCase> {};

TEST_P(SkinHit, ButtonsAreWhereTheSkinDrawsThem) {
    const FrameLayout l = LayOutFrame(With(Window(400), [](FrameInput& i) { i.maximize = false; }));
    EXPECT_EQ(ResolveHit(l, GetParam().p, GetParam().system), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinHit,
    ::testing::Values(HitCase{"on the close button", {380, 10}, NcHit::Caption, NcHit::Close},
                      HitCase{"on the minimise button", {350, 10}, NcHit::Close, NcHit::Minimize},
                      HitCase{"the close button's last column", {393, 23}, NcHit::Caption, NcHit::Close},
                      HitCase{"just right of the close button", {394, 10}, NcHit::Close, NcHit::Caption},
                      HitCase{"a system button the skin does not show", {300, 10}, NcHit::Maximize, NcHit::Caption},
                      HitCase{"the system's help button", {200, 10}, NcHit::Help, NcHit::Caption},
                      HitCase{"plain caption", {200, 10}, NcHit::Caption, NcHit::Caption},
                      HitCase{"a border keeps the system's answer", {1, 100}, NcHit::Other, NcHit::Other}),
    case_names::ByName{});

}  // namespace
}  // namespace tavo::skin
