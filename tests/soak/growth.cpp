#include "growth.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tavo::soak {

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

namespace {

// The values of the readings, or nullopt when one of them has none.
std::optional<std::vector<double>> ValuesOf(const std::vector<Reading>& readings) {
    std::vector<double> values;
    for (const Reading& r : readings) {
        if (!r.value) return std::nullopt;
        values.push_back(*r.value);
    }
    return values;
}

double PercentGrowth(double start, double end) {
    if (start == 0) return end == 0 ? 0 : std::numeric_limits<double>::infinity();
    return (end - start) * 100 / start;
}

}  // namespace

Growth JudgeGrowth(const std::vector<Reading>& readings, const GrowthRule& rule) {
    std::vector<Reading> baseline, after;
    for (const Reading& r : readings) {
        if (std::abs(r.seconds - rule.baselineSeconds) <= rule.baselineHalfWidth) {
            baseline.push_back(r);
        } else if (r.seconds > rule.baselineSeconds + rule.baselineHalfWidth) {
            after.push_back(r);
        }
    }
    Growth g;
    if (baseline.empty() || after.empty()) {
        g.outcome = Growth::Outcome::TooShort;
        return g;
    }
    const std::size_t endCount =
        std::min(after.size(), static_cast<std::size_t>(std::max(rule.endSamples, 1)));
    const std::vector<Reading> last(after.end() - static_cast<std::ptrdiff_t>(endCount),
                                    after.end());
    const auto startValues = ValuesOf(baseline);
    const auto endValues = ValuesOf(last);
    if (!startValues || !endValues) return g;  // not reported
    g.start = *Median(*startValues);
    g.end = *Median(*endValues);
    g.percent = PercentGrowth(g.start, g.end);
    g.outcome = g.percent > rule.limitPercent ? Growth::Outcome::Grew : Growth::Outcome::Within;
    return g;
}

std::string OutcomeName(Growth::Outcome outcome) {
    switch (outcome) {
        case Growth::Outcome::NotReported:
            return "not reported";
        case Growth::Outcome::TooShort:
            return "too short";
        case Growth::Outcome::Within:
            return "within";
        case Growth::Outcome::Grew:
            return "GREW";
    }
    return "?";
}

}  // namespace tavo::soak
