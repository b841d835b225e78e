#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "case_names.h"
#include "skin/button_tracker.h"
#include "skin/translucency.h"

namespace tavo::skin {
namespace {

using B = CaptionButton;

enum class Step { Hover, Press, Move, Release, Cancel };

struct PointerStep {
    Step step;
    B under;
};

struct TrackCase {
    const char* name;
    std::vector<PointerStep> steps;
    B acted;  // what the last release acted on
    ButtonLook closeLook;
};

void PrintTo(const TrackCase& c, std::ostream* os) { *os << c.name; }

class SkinButtonTracker : public ::testing::TestWithParam<TrackCase> {};

TEST_P(SkinButtonTracker, ActsOnlyOnAReleaseOverThePressedButton) {
    ButtonTracker t;
    B acted = B::None;
    for (const PointerStep& s : GetParam().steps) {
        switch (s.step) {
            case Step::Hover: t.Hover(s.under); break;
            case Step::Press: t.Press(s.under); break;
            case Step::Move: t.Move(s.under); break;
            case Step::Release: acted = t.Release(s.under); break;
            case Step::Cancel: t.Cancel(); break;
        }
    }
    EXPECT_EQ(acted, GetParam().acted);
    EXPECT_EQ(t.LookOf(B::Close), GetParam().closeLook);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinButtonTracker,
    ::testing::Values(
        TrackCase{"hover lights", {{Step::Hover, B::Close}}, B::None, ButtonLook::Hover},
        TrackCase{"pressed", {{Step::Hover, B::Close}, {Step::Press, B::Close}}, B::None, ButtonLook::Pressed},
        TrackCase{"click", {{Step::Press, B::Close}, {Step::Release, B::Close}}, B::Close, ButtonLook::Hover},
        TrackCase{"moved off: up, no action",
                  {{Step::Press, B::Close}, {Step::Move, B::None}, {Step::Release, B::None}}, B::None,
                  ButtonLook::Normal},
        TrackCase{"off shows up, back shows down",
                  {{Step::Press, B::Close}, {Step::Move, B::Minimize}, {Step::Move, B::Close}}, B::None,
                  ButtonLook::Pressed},
        TrackCase{"off and back, then released",
                  {{Step::Press, B::Close}, {Step::Move, B::None}, {Step::Move, B::Close}, {Step::Release, B::Close}},
                  B::Close, ButtonLook::Hover},
        TrackCase{"released over another button",
                  {{Step::Press, B::Minimize}, {Step::Move, B::Close}, {Step::Release, B::Close}}, B::None,
                  ButtonLook::Hover},
        TrackCase{"other buttons do not light while one is held",
                  {{Step::Press, B::Minimize}, {Step::Hover, B::Close}}, B::None, ButtonLook::Normal},
        TrackCase{"capture lost", {{Step::Press, B::Close}, {Step::Cancel, B::None}, {Step::Release, B::Close}},
                  B::None, ButtonLook::Hover}),
    case_names::ByName{});

TEST(SkinTranslucency, ZeroAndFullAlphaAreOpaqueAndAeroLowersIt) {
    EXPECT_EQ(WindowAlpha(0, false), 255);
    EXPECT_EQ(WindowAlpha(255, false), 255);
    EXPECT_EQ(WindowAlpha(254, false), 254);
    EXPECT_EQ(WindowAlpha(1, false), 1);
    EXPECT_EQ(WindowAlpha(0, true), kAeroAlpha);
    EXPECT_EQ(WindowAlpha(100, true), 100);
    EXPECT_EQ(MenuAlpha(0), 255);
    EXPECT_EQ(MenuAlpha(230), 230);
}

TEST(SkinTranslucency, ShadowFadesOutOverItsSizeAsSharpAsAsked) {
    const ShadowLook soft{10, 200, 0, 0, 0, {}};
    EXPECT_EQ(ShadowAlpha(soft, 0), 200);
    EXPECT_EQ(ShadowAlpha(soft, -5), 200) << "under the window";
    EXPECT_EQ(ShadowAlpha(soft, 10), 0);
    for (int d = 1; d < 10; ++d) EXPECT_LT(ShadowAlpha(soft, d), ShadowAlpha(soft, d - 1)) << d;

    const ShadowLook hard{10, 200, 12, 0, 0, {}};
    EXPECT_EQ(ShadowAlpha(hard, 9.5), 200);
    EXPECT_EQ(ShadowAlpha(hard, 10), 0);
    const ShadowLook half{10, 200, 6, 0, 0, {}};
    EXPECT_EQ(ShadowAlpha(half, 5), 200);
    EXPECT_GT(ShadowAlpha(half, 7), ShadowAlpha(soft, 7));
    EXPECT_EQ(ShadowAlpha({0, 200, 0, 0, 0, {}}, 0), 0) << "size 0: no shadow";
}

TEST(SkinTranslucency, ShadowSettingsOutsideTheirRangesAreRefused) {
    EXPECT_TRUE(IsValidShadow({18, 255, 12, -5, 5, {}}));
    EXPECT_FALSE(IsValidShadow({-1, 0, 0, 0, 0, {}}));
    EXPECT_FALSE(IsValidShadow({kMaxShadowSize + 1, 0, 0, 0, 0, {}}));
    EXPECT_FALSE(IsValidShadow({5, 256, 0, 0, 0, {}}));
    EXPECT_FALSE(IsValidShadow({5, 100, 13, 0, 0, {}}));
}

TEST(SkinTranslucency, DitheredRowsCoverAsMuchAsTheAlphaSays) {
    for (const int alpha : {0, 64, 128, 200, 255}) {
        int opaque = 0;
        for (int row = 0; row < 16; ++row) {
            const std::uint8_t a = DitheredAlpha(static_cast<std::uint8_t>(alpha), row);
            ASSERT_TRUE(a == 0 || a == 255);
            opaque += a == 255;
        }
        EXPECT_NEAR(opaque, alpha * 16 / 255, 1) << alpha;
    }
}

}  // namespace
}  // namespace tavo::skin
