#pragma once
// The caption buttons' states under the pointer, as the system's buttons behave: the
// pointer over a button lights it; a press holds it down while the pointer stays on it;
// the button acts only when released over the button that was pressed.
#include "skin/skin_geometry.h"

namespace tavo::skin {

enum class ButtonLook { Normal, Hover, Pressed };

class ButtonTracker {
public:
    // Each returns whether a button's look changed.
    bool Hover(CaptionButton under);
    bool Press(CaptionButton button);
    bool Move(CaptionButton under);
    // The button to act on, or None.
    CaptionButton Release(CaptionButton under);
    bool Cancel();

    bool Pressing() const { return pressed_ != CaptionButton::None; }
    ButtonLook LookOf(CaptionButton button) const;

private:
    CaptionButton hover_ = CaptionButton::None;
    CaptionButton pressed_ = CaptionButton::None;
    bool inside_ = false;
};

}  // namespace tavo::skin
