#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "case_names.h"
#include "soak/growth.h"

namespace tavo::soak {
namespace {

using Outcome = Growth::Outcome;
using Values = std::vector<std::optional<double>>;

// One reading every 10 s from 0 s on, as the soak samples.
std::vector<Reading> Every10s(const Values& values) {
    std::vector<Reading> readings;
    for (std::size_t i = 0; i < values.size(); ++i)
        readings.push_back({10.0 * static_cast<double>(i), values[i]});
    return readings;
}

// 100 until the baseline's samples (100 s to 140 s) are over, then `tail`.
Values SteadyThen(const Values& tail) {
    Values values(15, 100.0);
    values.insert(values.end(), tail.begin(), tail.end());
    return values;
}

TEST(SoakMedian, MiddleValueOrTheMeanOfTheTwoMiddleOnes) {
    EXPECT_EQ(Median({3, 1, 2}), 2);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(Median({}), std::nullopt);
}

struct GrowthCase {
    const char* name;
    Values values;
    Outcome outcome;
    double start = 0, end = 0;
};

class SoakGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(SoakGrowth, JudgesTheEndAgainstTheSecondMinute) {
    const GrowthCase& c = GetParam();
    const Growth g = JudgeGrowth(Every10s(c.values));
    EXPECT_EQ(OutcomeName(g.outcome), OutcomeName(c.outcome));
    if (c.outcome == Outcome::Within || c.outcome == Outcome::Grew) {
        EXPECT_EQ(g.start, c.start);
        EXPECT_EQ(g.end, c.end);
    }
}

const GrowthCase kGrowthCases[] = {
    {"flat", SteadyThen(Values(20, 100.0)), Outcome::Within, 100, 100},
    {"exactly five percent is still within", SteadyThen(Values(20, 105.0)), Outcome::Within, 100,
     105},
    {"a little over five percent grew", SteadyThen(Values(20, 105.5)), Outcome::Grew, 100, 105.5},
    {"shrinking is within", SteadyThen(Values(20, 80.0)), Outcome::Within, 100, 80},
    {"a peak among the last samples is not growth", SteadyThen({100, 100, 100, 190, 100, 100}),
     Outcome::Within, 100, 100},
    {"two late peaks out of five are not growth", SteadyThen({100, 190, 100, 190, 100}),
     Outcome::Within, 100, 100},
    {"a steady climb grew", SteadyThen({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}),
     Outcome::Grew, 100, 108},
    // Before 100 s the program is still settling: those samples are not the baseline.
    {"the first minute does not count",
     Values{10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 100, 100, 100, 100, 100, 100, 100, 100},
     Outcome::Within, 100, 100},
    {"a peak in the second minute does not lower the bar",
     Values{100, 100, 100, 100, 100, 100, 100, 100, 100, 100,
            100, 300, 100, 100, 100, 104, 104, 104, 104, 104},
     Outcome::Within, 100, 104},
    {"zero throughout is within", Values(20, 0.0), Outcome::Within, 0, 0},
    {"a missing baseline value is not reported",
     Values{100, 100, 100, 100, 100, 100, 100, 100, 100, 100, std::nullopt, 100, 100, 100, 100, 100,
            100},
     Outcome::NotReported},
    {"a missing end value is not reported", SteadyThen({100, 100, std::nullopt}),
     Outcome::NotReported},
    {"nothing reported", Values(20, std::nullopt), Outcome::NotReported},
    {"ending in the second minute is too short", Values(14, 100.0), Outcome::TooShort},
    {"ending right after it is judged on the last sample", SteadyThen({120}), Outcome::Grew, 100,
     120},
};

INSTANTIATE_TEST_SUITE_P(Table, SoakGrowth, ::testing::ValuesIn(kGrowthCases),
                         case_names::ByName{});

// A count that was 0 has no percentage to grow by: anything above it is growth.
TEST(SoakGrowthFromZero, AnythingAboveZeroGrew) {
    Values values(15, 0.0);
    values.insert(values.end(), 5, 1.0);
    const Growth g = JudgeGrowth(Every10s(values));
    EXPECT_EQ(g.outcome, Outcome::Grew);
    EXPECT_TRUE(std::isinf(g.percent));
}

}  // namespace
}  // namespace tavo::soak
