#pragma once
// The practice targets of the soak: they appear, move and close at random, from a seed,
// so a run can be repeated as far as the timing allows.
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "driver/practice.h"
#include "input_tally.h"

namespace tavo::soak {

struct CrowdCounts {
    int opened = 0;
    int moved = 0;
    int closed = 0;
    int failedStarts = 0;
};

class TargetCrowd {
   public:
    TargetCrowd(std::uint32_t seed, int maxOpen) : random_(seed), maxOpen_(maxOpen) {}
    TargetCrowd(const TargetCrowd&) = delete;
    TargetCrowd& operator=(const TargetCrowd&) = delete;
    ~TargetCrowd() { CloseAll(); }

    // One random change: a target appears, moves or closes; what happened, for the log.
    std::string Act();
    // Opens a target over a probe point, where Tavo finds it; false when it did not start.
    bool OpenOverProbe();
    void CloseAll();

    int OpenCount() const { return static_cast<int>(open_.size()); }
    const CrowdCounts& Counts() const { return counts_; }
    InputTally& Tally() { return tally_; }
    // Seconds to wait before the next change.
    double NextPause() { return std::uniform_real_distribution<double>(2.0, 6.0)(random_); }

   private:
    e2e::TargetSetup Place(bool overProbe);
    bool Open(bool overProbe);
    std::string Move();
    std::string Close();
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    std::mt19937 random_;
    int maxOpen_;
    int serial_ = 0;
    std::vector<std::unique_ptr<e2e::PracticeTarget>> open_;
    CrowdCounts counts_;
    InputTally tally_;
};

}  // namespace tavo::soak
