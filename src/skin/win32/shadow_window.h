#pragma once
// A window's drop shadow: a layered, click-through tool window of its own, kept right
// behind the window and following it; hidden while the window is hidden, minimised or
// maximised.
#include <windows.h>

#include "skin/translucency.h"

namespace tavo::skin {

class ShadowWindow {
public:
    ShadowWindow() = default;
    ShadowWindow(const ShadowWindow&) = delete;
    ShadowWindow& operator=(const ShadowWindow&) = delete;
    ~ShadowWindow() { Destroy(); }

    // Places (and first makes or redraws) the shadow for the window as it is now.
    void Follow(HWND target, const ShadowLook& look);
    void Destroy();
    HWND Handle() const { return window_; }

private:
    void Redraw(POINT at, SIZE size, const ShadowLook& look);

    HWND window_ = nullptr;
    bool placing_ = false;  // raising the window above its shadow: its move is ours
    ShadowLook drawn_{};
    SIZE drawnSize_{};
};

bool IsShadowWindow(HWND window);
// Once no shadow is left, so that the DLL can go.
void UnregisterShadowClass();

}  // namespace tavo::skin
