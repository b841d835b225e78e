#pragma once
// What the skin keeps for each window it draws on.
#include <windows.h>

#include "skin/button_tracker.h"
#include "skin/win32/shadow_window.h"

namespace tavo::skin {

struct WindowState {
    bool active = false;  // as the last WM_NCACTIVATE said
    ButtonTracker buttons;
    bool trackingLeave = false;  // a WM_NCMOUSELEAVE is asked for
    bool addedLayered = false;
    ShadowWindow shadow;
};

}  // namespace tavo::skin
