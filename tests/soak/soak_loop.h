#pragma once
// The soak's run: Tavo started on its Script, the targets changing at random, a sample of
// Tavo's process at every interval into a CSV file.
#include <cstdint>
#include <string>
#include <vector>

#include "crowd.h"
#include "driver/tavo_app.h"
#include "input_tally.h"
#include "measures.h"

namespace tavo::soak {

struct SoakOptions {
    double minutes = 0;
    std::wstring script;  // the .gmx Tavo opens
    std::wstring csv;     // the samples; the targets' changes go to CSV + ".events.txt"
    std::uint32_t seed = 0;
    double intervalSeconds = 10;
    int maxTargets = 5;
};

struct SoakRecord {
    std::vector<ProcessSample> samples;
    InputCounts input;
    CrowdCounts crowd;
    int faultLines = 0;    // "执行出错" lines in Tavo's run log
    bool stopped = false;  // Tavo's Stop button ended the run at the end
};

// Waits for Tavo to hold a target and its Run button to be enabled, presses it and waits
// for the run to start; says what went wrong when it did not.
bool StartRun(const e2e::TavoApp& app);

// Until the time is up or Tavo's process ends; then stops the run and closes the targets.
SoakRecord RunSoak(const SoakOptions& options, const e2e::TavoApp& app, TargetCrowd& crowd);

}  // namespace tavo::soak
