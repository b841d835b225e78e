#include "skin/button_tracker.h"

#include <utility>

namespace tavo::skin {

bool ButtonTracker::Hover(CaptionButton under) {
    if (Pressing()) return Move(under);
    return std::exchange(hover_, under) != under;
}

bool ButtonTracker::Press(CaptionButton button) {
    if (button == CaptionButton::None) return false;
    pressed_ = button;
    hover_ = button;
    inside_ = true;
    return true;
}

bool ButtonTracker::Move(CaptionButton under) {
    if (!Pressing()) return Hover(under);
    const bool inside = under == pressed_;
    return std::exchange(inside_, inside) != inside;
}

CaptionButton ButtonTracker::Release(CaptionButton under) {
    const CaptionButton acted = Pressing() && under == pressed_ ? pressed_ : CaptionButton::None;
    pressed_ = CaptionButton::None;
    inside_ = false;
    hover_ = under;
    return acted;
}

bool ButtonTracker::Cancel() {
    const bool changed = Pressing() || hover_ != CaptionButton::None;
    pressed_ = hover_ = CaptionButton::None;
    inside_ = false;
    return changed;
}

ButtonLook ButtonTracker::LookOf(CaptionButton button) const {
    if (button == CaptionButton::None) return ButtonLook::Normal;
    if (Pressing()) return button == pressed_ && inside_ ? ButtonLook::Pressed : ButtonLook::Normal;
    return button == hover_ ? ButtonLook::Hover : ButtonLook::Normal;
}

}  // namespace tavo::skin
