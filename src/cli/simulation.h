#pragma once
// `simulate`: the program's own run loop and executor run against a screenshot standing
// for the target's client area, with a clock that steps a second per tick; what would be
// posted and the run trace's lines are printed.
#include <ostream>
#include <string>

#include "platform/window_capture.h"

namespace tavo::cli {

struct SimulationOutcome {
    // Every Instruction with a recognition point found its picture at least once.
    bool everyPictureFound = false;
    int executed = 0;
};

// Runs `ticks` one-second ticks of the run over the Script file's bytes (as the program
// loads them) against `window`, writing each posted message and trace line to `out`.
SimulationOutcome Simulate(const std::string& scriptBytes, const Picture& window, int ticks,
                           const std::string& windowName, std::ostream& out);

}  // namespace tavo::cli
