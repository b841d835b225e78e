#pragma once
// The soak's verdict on one measure: how much it grew between the end of the second minute
// and the end of the run. Free of <windows.h>, so the unit tests check it natively too.
#include <optional>
#include <string>
#include <vector>

namespace tavo::soak {

// One sample of a measure; no value when the system did not report it.
struct Reading {
    double seconds = 0;  // since the run started
    std::optional<double> value;
};

struct GrowthRule {
    double baselineSeconds = 120;   // the end of the second minute
    double baselineHalfWidth = 20;  // samples this close to it make the baseline
    int endSamples = 5;             // the last samples make the end value
    double limitPercent = 5;
};

struct Growth {
    enum class Outcome { NotReported, TooShort, Within, Grew };
    Outcome outcome = Outcome::NotReported;
    double start = 0;    // median of the baseline samples
    double end = 0;      // median of the last samples
    double percent = 0;  // (end - start) / start; infinite when only start is 0
};

// The median of the values; nullopt when there are none.
std::optional<double> Median(std::vector<double> values);

// Medians rather than single samples: one sample can catch a passing peak (a target
// being created, a capture surface resized) that says nothing about a leak. The end
// samples are taken after the baseline's, never among them. A measure counts as not
// reported when any of the samples judged has no value.
Growth JudgeGrowth(const std::vector<Reading>& readings, const GrowthRule& rule = {});

// "within", "GREW", "not reported" or "too short" for the report.
std::string OutcomeName(Growth::Outcome outcome);

}  // namespace tavo::soak
