#pragma once
// What a point picker would take where the pointer is now, for the magnifier that follows
// it, and the words for a pick that takes nothing.
#include <string>

#include "core/acting/recognition.h"
#include "platform/window_capture.h"

namespace tavo {

// A point stored as (0, 0) reads as "no point" to the runner.
inline constexpr const char* kPickOnReferencePoint = "  取点在基准点上，请换一个点或换一个基准方位。";

// Why a pick takes nothing; each is one line in the run log when the picker is let go.
enum class PickRefusal { None, NoTarget, Outside, OnReferencePoint, FlatPicture };

struct PickPreview {
    PickRefusal refusal = PickRefusal::NoTarget;
    ClientPoint stored;  // as it would be stored, over the target window
    Picture block;       // the 12 × 12 block around the pointer, over the target window
    bool recognition = false;
};

// The magnifier's lines: the point as stored, or why there is none, and for the
// recognition picker whether its picture would be accepted.
std::string PreviewText(const PickPreview& preview);
// The run log's line for a pick refused (without the time).
std::string RefusalLogText(PickRefusal refusal);

}  // namespace tavo
