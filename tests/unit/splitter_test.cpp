#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "core/controls/splitter.h"

namespace tavo {
namespace {

struct SplitCase {
    const char* name;
    int width;
    int move;       // from the press point
    int expected;   // the tree's width afterwards
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitterTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitterTest, MovesTheBorderWithinItsLimits) {
    Splitter splitter;
    splitter.SetTreeWidth(GetParam().width);
    splitter.Press(70);
    splitter.Move(70 + GetParam().move);
    const SplitLayout& l = splitter.Layout();
    EXPECT_EQ(l.treeWidth, GetParam().expected);
    if (l.treeWidth == GetParam().width) return;
    // The bar and the log keep their place against the tree's right edge.
    EXPECT_EQ(l.barLeft, l.treeWidth - 30);
    EXPECT_EQ(l.logLeft, l.treeWidth + 15);
    EXPECT_EQ(l.logWidth, 9870 - l.treeWidth);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitterTest,
                         ::testing::Values(SplitCase{"NarrowedByTheDrag", 6720, -300, 6420},
                                           SplitCase{"WidenedFromTheUpperLimit", 7480, 100, 7580},
                                           SplitCase{"PastTheUpperLimitNotWidened", 7490, 10, 7490},
                                           SplitCase{"PastTheUpperClampNarrowedFromIt", 7580, -10, 7490},
                                           SplitCase{"BelowTheLowerLimitNotNarrowed", 2105, -5, 2105},
                                           SplitCase{"BelowTheLowerClampWidenedFromIt", 2090, 5, 2105},
                                           SplitCase{"KeptWithinTheWindow", 6720, 5000, 9870},
                                           SplitCase{"NeverBelowZero", 2110, -3000, 0}),
                         case_names::ByName{});

TEST(Splitter, OnlyADragMovesAndEachStepCountsFromTheLast) {
    Splitter splitter;
    EXPECT_FALSE(splitter.Move(500));  // no press
    EXPECT_EQ(splitter.Layout(), SplitLayout{});
    splitter.Press(60);
    splitter.Move(160);
    splitter.Move(60);  // the bar followed the pointer: the same place is the grab point
    EXPECT_EQ(splitter.Layout().treeWidth, 6820);
    splitter.Move(110);
    EXPECT_EQ(splitter.Layout().treeWidth, 6870);
    splitter.Release();
    EXPECT_FALSE(splitter.Move(300));
    EXPECT_EQ(splitter.Layout().treeWidth, 6870);
}

}  // namespace
}  // namespace tavo
