#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

#include "case_names.h"
#include "skin/hsv.h"

namespace tavo::skin {
namespace {

struct ShiftCase {
    const char* name;
    Rgb in;
    HsvShift shift;
    Rgb out;
};

void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

class SkinHsvShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(SkinHsvShift, MovesTheColourAsTheSlidersSay) {
    const Rgb got = ShiftColour(GetParam().in, GetParam().shift);
    const Rgb want = GetParam().out;
    // One step of rounding either way.
    EXPECT_LE(std::abs(got.r - want.r), 1);
    EXPECT_LE(std::abs(got.g - want.g), 1);
    EXPECT_LE(std::abs(got.b - want.b), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinHsvShift,
    ::testing::Values(ShiftCase{"HuePlus120TurnsRedGreen", {255, 0, 0}, {120, 0, 0}, {0, 255, 0}},
                      ShiftCase{"HueMinus120TurnsRedBlue", {255, 0, 0}, {-120, 0, 0}, {0, 0, 255}},
                      ShiftCase{"HuePlus180TurnsRedCyan", {255, 0, 0}, {180, 0, 0}, {0, 255, 255}},
                      ShiftCase{"HueMinus180TurnsRedCyan", {255, 0, 0}, {-180, 0, 0}, {0, 255, 255}},
                      ShiftCase{"NoSaturationGivesTheGreyOfTheSameValue", {47, 120, 200}, {0, -100, 0},
                                {200, 200, 200}},
                      ShiftCase{"AGreyStaysGrey", {128, 128, 128}, {90, 100, 0}, {128, 128, 128}},
                      ShiftCase{"SaturationDoubled", {200, 150, 100}, {0, 100, 0}, {200, 100, 0}},
                      ShiftCase{"NoBrightnessGivesBlack", {47, 120, 200}, {0, 0, -100}, {0, 0, 0}},
                      ShiftCase{"FullBrightnessGivesWhite", {100, 100, 100}, {0, 0, 100}, {255, 255, 255}},
                      ShiftCase{"HalfBrightnessLightensBlackToGrey", {0, 0, 0}, {0, 0, 50}, {128, 128, 128}},
                      ShiftCase{"MinusHalfBrightnessHalvesEachChannel", {200, 100, 50}, {0, 0, -50},
                                {100, 50, 25}}),
    case_names::ByName{});

TEST(SkinHsv, NoShiftLeavesEveryColourExactly) {
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 51) {
                const Rgb c{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
                ASSERT_EQ(ShiftColour(c, {}), c);
            }
}

TEST(SkinHsv, ShiftsAreValidOnlyWithinTheSlidersRanges) {
    EXPECT_TRUE(IsValidShift({-180, -100, -100}));
    EXPECT_TRUE(IsValidShift({180, 100, 100}));
    EXPECT_FALSE(IsValidShift({181, 0, 0}));
    EXPECT_FALSE(IsValidShift({0, -101, 0}));
    EXPECT_FALSE(IsValidShift({0, 0, 101}));
}

TEST(SkinHsv, AThemeShiftReachesEveryColour) {
    SkinTheme theme;
    ForEachColour(theme, [](Rgb& c) { c = {255, 0, 0}; });
    const SkinTheme shifted = ShiftTheme(theme, {120, 0, 0});
    SkinTheme expected = theme;
    ForEachColour(expected, [](Rgb& c) { c = {0, 255, 0}; });
    EXPECT_EQ(shifted, expected);
}

}  // namespace
}  // namespace tavo::skin
