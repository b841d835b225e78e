#pragma once
// The soak's figures and verdict, printed.
#include "soak_loop.h"

namespace tavo::soak {

// Prints each measure's start, end and growth, what Tavo did to the targets and the
// verdict; true when the soak held.
bool Report(const SoakRecord& record);

}  // namespace tavo::soak
