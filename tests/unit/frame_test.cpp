#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "case_names.h"
#include "core/controls/frame_geometry.h"
#include "core/controls/frame_properties.h"

namespace tavo {
namespace {

struct TabCase {
    const char* name;
    int width, textWidth, textHeight;
    int c, g, p3x;
};

void PrintTo(const TabCase& k, std::ostream* os) { *os << k.name; }

class FrameTabTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(FrameTabTest, TabWidthHeightAndSlant) {
    const TabCase& k = GetParam();
    const FrameTabGeometry t = FrameTabLayout(k.width, 200, true, k.textWidth, k.textHeight);
    EXPECT_EQ(t.tabWidth, k.c);
    EXPECT_EQ(t.tabHeight, k.g);
    EXPECT_EQ(t.tab[0], (FramePoint{0, 0}));
    EXPECT_EQ(t.tab[1], (FramePoint{0, k.g}));
    EXPECT_EQ(t.tab[2], (FramePoint{k.c, k.g}));
    EXPECT_EQ(t.tab[3], (FramePoint{k.p3x, 0}));
    EXPECT_EQ(t.caption, (FrameRect{8, 0, k.c, k.g + 2}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameTabTest,
    ::testing::Values(TabCase{"EmptyCaption", 400, 0, 0, 100, 5, 102},         // 100 x 5, 102.5 -> 102
                      TabCase{"NarrowedByTheFrame", 150, 120, 12, 124, 17, 132},  // 124.5 -> 124, 132.5 -> 132
                      TabCase{"TenWiderThanTheText", 400, 120, 12, 130, 17, 138},  // 138.5 -> 138
                      TabCase{"AtLeast100Wide", 400, 60, 16, 100, 21, 110},        // 110.5 -> 110
                      TabCase{"SlantHalfRoundsDownToEven", 400, 95, 14, 105, 19, 114},  // 114.5 -> 114
                      TabCase{"SlantHalfRoundsUpToEven", 400, 60, 18, 100, 23, 112},    // 111.5 -> 112
                      TabCase{"NarrowedWidthRoundsToEven", 120, 100, 10, 96, 15, 104}),  // 95.5 -> 96, 103.5 -> 104
    case_names::ByName{});

TEST(FrameTab, BodyAndCorner) {
    const FrameTabGeometry rounded = FrameTabLayout(300, 200, true, 50, 12);
    EXPECT_EQ(rounded.body, (FrameRect{0, 0, 299, 199}));
    EXPECT_EQ(rounded.corner, 10);
    EXPECT_EQ(FrameTabLayout(300, 200, false, 50, 12).corner, 0);
}

struct GroupCase {
    const char* name;
    std::int32_t alignment;
    int width, textWidth;
    int start;
};

void PrintTo(const GroupCase& k, std::ostream* os) { *os << k.name; }

class FrameGroupTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(FrameGroupTest, CaptionStartOpeningAndRectangle) {
    const GroupCase& k = GetParam();
    const FrameGroupGeometry g = FrameGroupLayout(k.width, 100, true, k.alignment, true,
                                                  k.textWidth, 13);
    EXPECT_EQ(g.body, (FrameRect{0, 6, k.width - 1, 99}));  // 6.5 -> 6
    EXPECT_EQ(g.openFrom, (FramePoint{k.start, 6}));
    EXPECT_EQ(g.openTo, (FramePoint{k.start + k.textWidth + 6, 6}));
    EXPECT_EQ(g.caption, (FrameRect{k.start + 3, 0, k.start + k.textWidth + 3, 13}));
}

INSTANTIATE_TEST_SUITE_P(Table, FrameGroupTest,
                         ::testing::Values(GroupCase{"LeftAligned", 0, 200, 40, 15},
                                           GroupCase{"RightAligned", 1, 200, 40, 138},
                                           GroupCase{"CentredHalfRoundsUpToEven", 2, 200, 40, 80},    // 79.5 -> 80
                                           GroupCase{"CentredHalfRoundsDownToEven", 2, 200, 38, 80},  // 80.5 -> 80
                                           GroupCase{"CentredExactly", 2, 201, 40, 80}),
                         case_names::ByName{});

TEST(FrameGroup, EmptyCaptionOpensNothing) {
    const FrameGroupGeometry g = FrameGroupLayout(200, 100, false, 0, false, 0, 0);
    EXPECT_FALSE(g.hasCaption);
    EXPECT_EQ(g.body, (FrameRect{0, 0, 199, 99}));
    EXPECT_EQ(g.corner, 0);
}

int Width(const std::string& text) { return static_cast<int>(text.size()) * 10; }

TEST(FrameCaption, ShortenedWithDotsOrEmpty) {
    EXPECT_EQ(FrameShortenCaption("abcdef", 60, Width), "abcdef");
    EXPECT_EQ(FrameShortenCaption("abcdef", 59, Width), "ab...");
    EXPECT_EQ(FrameShortenCaption("abcdef", 40, Width), "a...");
    EXPECT_EQ(FrameShortenCaption("abcdef", 39, Width), "");
    // Characters, not bytes, are removed.
    const auto chars = [](const std::string& t) {
        int n = 0;
        for (unsigned char b : t) n += (b & 0xC0) != 0x80;
        return n * 10;
    };
    EXPECT_EQ(FrameShortenCaption("参数设置", 39, chars), "");
    EXPECT_EQ(FrameShortenCaption("参数设置参数", 45, chars), "参...");
    EXPECT_EQ(FrameShortenCaption("参数设置", 40, chars), "参数设置");
}

TEST(FrameCaption, FormatFlags) {
    EXPECT_EQ(FrameCaptionFormat(5, 0), 36u);
    EXPECT_EQ(FrameCaptionFormat(1, 2), 37u);
    EXPECT_EQ(FrameCaptionFormat(1, 1), 38u);
    EXPECT_EQ(FrameCaptionFormat(8, 2), 21u);
}

TEST(FrameSize, MinimumInTwips) {
    EXPECT_EQ(FrameMinimumSize({500, 300}), (FrameTwipsSize{700, 400}));
    EXPECT_EQ(FrameMinimumSize({6000, 300}), (FrameTwipsSize{6000, 400}));
    EXPECT_EQ(FrameMinimumSize({700, 3600}), (FrameTwipsSize{700, 3600}));
}

TEST(FrameColours, Themes) {
    EXPECT_EQ(FrameThemeFor(0, 1, 2, 3), (FrameTheme{0xE2A981, 0xFEECDD, 0x800000}));
    EXPECT_EQ(FrameThemeFor(1, 1, 2, 3), (FrameTheme{0xB49799, 0xFBF4F4, 0x6F4B4B}));
    EXPECT_EQ(FrameThemeFor(9, 1, 2, 3), FrameThemeFor(1, 1, 2, 3));
    EXPECT_EQ(FrameThemeFor(2, 1, 2, 3), (FrameTheme{0x8FC5B5, 0xE1F9F7, 0x385D3F}));
    EXPECT_EQ(FrameThemeFor(3, 1, 2, 3), (FrameTheme{0xABC2C2, 0xF2F8F8, 0x739191}));
    EXPECT_EQ(FrameThemeFor(4, 1, 2, 3), (FrameTheme{0x01ACD9, 0xA5EFFF, 0x1E5B75}));
    EXPECT_EQ(FrameThemeFor(5, 1, 2, 3), (FrameTheme{1, 2, 3}));
}

TEST(FrameColours, EnabledAndDisabledSets) {
    FrameProperties p = NewFrameProperties(0xF0F0F0, "Frame1");
    p.frameColor = 0x11;
    p.textBoxColor = 0x22;
    p.fillColor = 0x33;
    p.textColor = 0x44;
    p.themeColor = 5;
    const FrameSystemColours system{0xA1, 0xA2, 0xA3, 0xA4};
    EXPECT_EQ(FrameColoursFor(p, system, 0xBB),
              (FrameWorkingColours{0x11, 0x22, 0x33, 0xF0F0FF, 0x9E9EFF, 0x11, 0x44}));
    p.enabled = false;
    EXPECT_EQ(FrameColoursFor(p, system, 0xBB),
              (FrameWorkingColours{0xA1, 0xA2, 0xBB, 0xA3, 0xA3, 0xA1, 0xA4}));
}

TEST(FrameProperties, NewControlDefaults) {
    const FrameProperties p = NewFrameProperties(0xF0F0F0, "Frame1");
    EXPECT_EQ(p.caption, "Frame1");
    EXPECT_EQ(p.style, 1);
    EXPECT_EQ(p.headerStyle, 1);
    EXPECT_EQ(p.textBoxHeight, 22);
    EXPECT_EQ(p.fillColor, 0xF0F0F0);
    EXPECT_EQ(p.backColor, 0xF0F0F0);
    EXPECT_EQ(p.textBoxColor, 0xFFFFFF);
    EXPECT_EQ(p.alignment, 2);
    EXPECT_TRUE(p.roundedCorner);
    EXPECT_FALSE(p.roundedCornerTxtBox);
}

struct PresetCase {
    std::int32_t style;
    FrameColour text, frame, box, fill;
    std::int32_t alignment, theme, header, gradient;
    bool roundedBox;
};

void PrintTo(const PresetCase& k, std::ostream* os) { *os << "style " << k.style; }

class FramePresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(FramePresetTest, StylePresets) {
    const PresetCase& k = GetParam();
    FrameProperties p = NewFrameProperties(0xABCDEF, "F");
    p.fillColor = 0x123456;  // so that a preset that leaves it is seen
    p.themeColor = 3;
    p.headerStyle = 7;
    p.gradientHeaderStyle = 7;
    p.textBoxHeight = 40;
    ApplyFrameStyle(p, k.style, 0xABCDEF);
    EXPECT_EQ(p.style, k.style);
    EXPECT_EQ(p.textColor, k.text);
    EXPECT_EQ(p.frameColor, k.frame);
    EXPECT_EQ(p.textBoxColor, k.box);
    EXPECT_EQ(p.fillColor, k.fill);
    EXPECT_EQ(p.textBoxHeight, 22);
    EXPECT_EQ(p.alignment, k.alignment);
    EXPECT_EQ(p.themeColor, k.theme);
    EXPECT_EQ(p.headerStyle, k.header);
    EXPECT_EQ(p.gradientHeaderStyle, k.gradient);
    EXPECT_EQ(p.roundedCornerTxtBox, k.roundedBox);
}

constexpr FrameColour kCB = 0xABCDEF;
constexpr FrameColour kKept = 0x123456;
INSTANTIATE_TEST_SUITE_P(
    Table, FramePresetTest,
    ::testing::Values(PresetCase{0, 0xCF3603, 0xC3C3C3, 0xFFFFFF, kCB, 0, 3, 7, 7, false},
                      PresetCase{1, 0, 0, 0xFFFFFF, kKept, 2, 0, 7, 7, false},
                      PresetCase{2, 0, 0x6A6A6A, 0xB0EFF0, kCB, 2, 3, 7, 7, true},
                      PresetCase{3, 0, 0, 0xB0EFF0, 0xE0FFFF, 2, 3, 0, 1, false},
                      PresetCase{4, 0, 0, 0xFFFFFF, kKept, 2, 0, 0, 0, false},
                      PresetCase{5, 0xFFFFFF, 192, 192, kCB, 0, 3, 7, 7, false},
                      PresetCase{6, 0xFFFFFF, 0xA60000, 0xA60000, kCB, 0, 3, 7, 7, false},
                      PresetCase{7, 0xCF3603, 0xC3C3C3, 0xFFFFFF, kCB, 0, 3, 7, 7, false},
                      PresetCase{8, 0, 0, 0xFFFFFF, kKept, 2, 0, 1, 2, false}),
    case_names::ByFields(
        [](const PresetCase& k) { return std::string("Style").append(std::to_string(k.style)); }));

struct IconCase {
    const char* name;
    std::int32_t style, alignment, iconAlignment;
    int drawnTop;
    FrameIconPlacement expected;
};

void PrintTo(const IconCase& k, std::ostream* os) { *os << k.name; }

class FrameIconTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(FrameIconTest, RoomForTheIconAndItsPlace) {
    const IconCase& k = GetParam();
    EXPECT_EQ(FramePlaceIcon({6, 0, 194, 22}, 200, k.style, k.alignment, k.iconAlignment, 16, k.drawnTop),
              k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameIconTest,
    ::testing::Values(IconCase{"BeforeALeftCaption", 3, 0, 0, 3, {{28, 0, 194, 22}, {6, 3}}},
                      IconCase{"CentredCaptionLosesBothEnds", 3, 2, 0, 3, {{28, 0, 172, 22}, {6, 3}}},
                      IconCase{"AtTheRightEnd", 3, 0, 1, 3, {{6, 0, 172, 22}, {178, 3}}},
                      IconCase{"CentredCaptionIconAtTheRight", 3, 2, 1, 3, {{28, 0, 172, 22}, {178, 3}}},
                      IconCase{"Style2LeftEdge", 2, 0, 0, 3, {{28, 0, 194, 22}, {27, 3}}},
                      IconCase{"Style2RightEnd", 2, 0, 1, 3, {{6, 0, 172, 22}, {157, 3}}},
                      IconCase{"Style1TopAtLeast5", 1, 0, 0, 2, {{28, 0, 194, 22}, {6, 5}}},
                      IconCase{"Style4TopAtLeast8", 4, 0, 0, 2, {{28, 0, 194, 22}, {6, 8}}},
                      IconCase{"NegativeTopGives3", 3, 0, 0, -4, {{28, 0, 194, 22}, {6, 3}}}),
    case_names::ByName{});

TEST(FrameBand, FloatingHeaderKeepsTheInnerMargin) {
    EXPECT_EQ(FrameBandLayout(200, 100, true, 22, 0).band, (FrameRect{0, 0, 199, 22}));
    const FrameBandGeometry floating = FrameBandLayout(200, 100, true, 22, 1);
    EXPECT_EQ(floating.band, (FrameRect{3, 3, 196, 25}));
    EXPECT_EQ(floating.caption, (FrameRect{9, 3, 190, 25}));
}

struct BlendCase {
    const char* name;
    FrameColour from, to;
    int step, steps;
    FrameColour expected;
};

void PrintTo(const BlendCase& k, std::ostream* os) { *os << k.name; }

class FrameBlendTest : public ::testing::TestWithParam<BlendCase> {};

TEST_P(FrameBlendTest, EachChannelRounded) {
    const BlendCase& k = GetParam();
    EXPECT_EQ(FrameBlend(k.from, k.to, k.step, k.steps), k.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameBlendTest,
    ::testing::Values(BlendCase{"HalfwayRoundsHalfUp", 0x000000, 0xFFFFFF, 1, 2, 0x808080},  // 127.5 -> 128
                      BlendCase{"EachChannelRoundedApart", 0x0000FF, 0xFF0000, 1, 4, 0x4000BF},  // 191.25, 63.75
                      BlendCase{"FirstStepIsTheStart", 0x123456, 0xABCDEF, 0, 7, 0x123456},
                      BlendCase{"LastStepIsTheEnd", 0x123456, 0xABCDEF, 7, 7, 0xABCDEF},
                      BlendCase{"PastTheEndStaysAtTheEnd", 0x123456, 0xABCDEF, 9, 7, 0xABCDEF},
                      BlendCase{"NoStepsGiveTheStart", 0x123456, 0xABCDEF, 3, 0, 0x123456},
                      BlendCase{"UntranslatedStartStaysUntranslated", kFrameUntranslated, 0xFFFFFF, 1, 2,
                                kFrameUntranslated},
                      BlendCase{"UntranslatedEndStaysUntranslated", 0xFFFFFF, kFrameUntranslated, 0, 2,
                                kFrameUntranslated}),
    case_names::ByName{});

TEST(FrameColours, GreyedPixelsAreLighterGreys) {
    EXPECT_EQ(FrameGreyed(0x000000), 0x7F7F7F);
    EXPECT_EQ(FrameGreyed(0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(FrameGreyed(0x0000FF), 0xA5A5A5);  // red: brightness 76
    EXPECT_EQ(FrameGreyed(0xFF0000), 0x8E8E8E);  // blue: brightness 29
}

TEST(FrameColours, HeaderColoursOfEachStyle) {
    const FrameWorkingColours c{0x000000, 0xB0EFF0, 0xFFFFFF, 0x0000AA, 0x0000BB, 0x800000, 0};
    EXPECT_EQ(FrameHeaderColoursFor(1, c), (FrameHeaderColours{0x0000AA, 0x0000BB}));
    EXPECT_EQ(FrameHeaderColoursFor(2, c), (FrameHeaderColours{0xD8F7F8, 0xB0EFF0}));
    EXPECT_EQ(FrameHeaderColoursFor(3, c), (FrameHeaderColours{0xE6E6E6, 0xB3B3B3}));
    EXPECT_EQ(FrameHeaderColoursFor(4, c), (FrameHeaderColours{0x0000AA, 0x0000BB}));
    EXPECT_EQ(FrameHeaderColoursFor(8, c), (FrameHeaderColours{0xFFFFFF, 0xDFBFBF}));
}

TEST(FrameColours, EveryColourPropertyIsTranslated) {
    FrameProperties p = NewFrameProperties(kFrameSystemFace, "F");
    p.frameColor = p.textBoxColor = p.textColor = p.colorFrom = p.colorTo = kFrameSystemFace;
    FrameTranslateColours(p, [](FrameColour c) { return c == kFrameSystemFace ? 0xF0F0F0 : -2; });
    for (FrameColour c : {p.frameColor, p.backColor, p.fillColor, p.textBoxColor, p.textColor,
                          p.colorFrom, p.colorTo})
        EXPECT_EQ(c, 0xF0F0F0);
}

struct HeaderCase {
    const char* name;
    std::int32_t style, headerStyle;
    bool rounded, roundedBox;
    std::int32_t shadow;
    FrameRect body;
    int corner;
    FrameRect box;
    int boxCorner;
    bool outlined;
    FrameRect accent, shadowBox, caption;
    int iconTop;
};

void PrintTo(const HeaderCase& k, std::ostream* os) { *os << k.name; }

class FrameHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(FrameHeaderTest, BoxCaptionAndIcon) {
    const HeaderCase& k = GetParam();
    FrameProperties p;
    p.style = k.style;
    p.headerStyle = k.headerStyle;
    p.roundedCorner = k.rounded;
    p.roundedCornerTxtBox = k.roundedBox;
    p.txtBoxShadow = k.shadow;
    const FrameHeaderGeometry h = FrameHeaderLayout(200, 100, p);
    EXPECT_EQ(h.body, k.body);
    EXPECT_EQ(h.corner, k.corner);
    EXPECT_EQ(h.box, k.box);
    EXPECT_EQ(h.boxCorner, k.boxCorner);
    EXPECT_EQ(h.boxOutlined, k.outlined);
    EXPECT_EQ(h.accent, k.accent);
    EXPECT_EQ(h.shadow, k.shadowBox);
    EXPECT_EQ(h.caption, k.caption);
    EXPECT_EQ(h.iconTop, k.iconTop);
}

constexpr FrameRect kWhole{0, 0, 199, 99};
constexpr FrameRect kNone{};
INSTANTIATE_TEST_SUITE_P(
    Table, FrameHeaderTest,
    ::testing::Values(
        // Band across the top: a divider under it; floating: outlined all round.
        HeaderCase{"Style1BandAcrossTheTop",
                   1, 0, true, false, 0, kWhole, 10, {0, 0, 199, 22}, 0, false, kNone, kNone, {6, 0, 193, 22}, 3},
        HeaderCase{"Style1FloatingBandOutlined",
                   1, 1, true, false, 0, kWhole, 10, {3, 3, 196, 25}, 0, true, kNone, kNone, {9, 3, 190, 25}, 6},
        HeaderCase{"Style3BandWithARoundedBox",
                   3, 0, false, true, 0, kWhole, 0, {0, 0, 199, 22}, 10, true, kNone, kNone, {6, 0, 193, 22}, 3},
        // Style 2's label box sits on the top edge, or floats; its shadow follows it.
        HeaderCase{"Style2BoxOnTheTopEdgeWithItsShadow",
                   2, 0, true, true, 3, {0, 11, 199, 99}, 10, {21, 0, 178, 22}, 10, true, kNone,
                   {24, 3, 181, 25}, {27, 0, 172, 22}, 3},
        HeaderCase{"Style2FloatingBox",
                   2, 1, true, true, 0, kWhole, 10, {21, 3, 178, 25}, 10, true, kNone, kNone, {27, 3, 172, 25}, 6},
        // Style 4's strip goes over the box, which keeps TextBoxHeight.
        HeaderCase{"Style4StripOverTheBox",
                   4, 0, true, false, 0, kWhole, 10, {0, 4, 199, 26}, 0, false, {0, 0, 199, 4}, kNone,
                   {6, 4, 193, 26}, 7},
        // Style 8: the large corner and a rounded box, both only when rounded.
        HeaderCase{"Style8RoundedLargeCorner",
                   8, 1, true, false, 0, kWhole, 20, {3, 3, 196, 25}, 10, true, kNone, kNone, {9, 3, 190, 25}, 6},
        HeaderCase{"Style8SquareWhenNotRounded",
                   8, 0, false, false, 0, kWhole, 0, {0, 0, 199, 22}, 0, false, kNone, kNone, {6, 0, 193, 22}, 3}),
    case_names::ByName{});

struct FolderCase {
    const char* name;
    int width, textWidth;
    bool rounded;
    FrameRect tab, caption;
};

void PrintTo(const FolderCase& k, std::ostream* os) { *os << k.name; }

class FrameFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FrameFolderTest, TabBodyAndStrip) {
    const FolderCase& k = GetParam();
    const FrameFolderGeometry f = FrameFolderLayout(k.width, 200, k.rounded, k.textWidth, 16, 16);
    EXPECT_EQ(f.tab, k.tab);
    EXPECT_EQ(f.body, (FrameRect{0, 24, k.width - 1, 199}));
    EXPECT_EQ(f.strip, (FrameRect{0, 24, k.width - 1, 27}));
    EXPECT_EQ(f.caption, k.caption);
    EXPECT_EQ(f.iconTop, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FrameFolderTest,
    ::testing::Values(FolderCase{"AtLeast100Wide", 400, 60, true, {0, 0, 100, 34}, {8, 0, 96, 24}},
                      FolderCase{"WidenedByTheText", 400, 120, true, {0, 0, 144, 34}, {8, 0, 140, 24}},
                      FolderCase{"NarrowedByTheFrame", 100, 120, true, {0, 0, 84, 34}, {8, 0, 80, 24}},
                      FolderCase{"SquareTabDoesNotOverlap", 400, 60, false, {0, 0, 100, 24}, {8, 0, 96, 24}}),
    case_names::ByName{});

}  // namespace
}  // namespace tavo
