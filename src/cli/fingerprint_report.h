#pragma once
// The fingerprint recognition would compute at a point of an image, shown with its samples.
#include <optional>
#include <ostream>
#include <string>

#include "platform/window_capture.h"

namespace tavo::cli {

struct FingerprintQuery {
    int x = 0;  // the recognition point, stored under `base`
    int y = 0;
    int base = 1;
    std::optional<std::string> against;  // 36 characters of 0 and 1
};

// True when `bits` is a comparable stored fingerprint: exactly 36 characters of 0 and 1.
bool IsFingerprintText(const std::string& bits);

// Prints the block's place, its 6 × 6 brightness samples, the fingerprint and, with
// `against`, the comparison. Returns whether the block matches `against` (true without it).
bool ReportFingerprint(const Picture& client, const FingerprintQuery& query, std::ostream& out);

}  // namespace tavo::cli
