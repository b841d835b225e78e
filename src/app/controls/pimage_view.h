#pragma once
// Pimage, the picture buffer: the 12 × 12 block captured last, scaled to the control.
#include <windows.h>

#include <cstdint>

#include "platform/window_capture.h"

namespace tavo {

class PimageView {
public:
    void Attach(HWND control) {
        control_ = control;
        shownSerial_ = 0;
    }
    void Detach() { control_ = nullptr; }

    // Asks for a repaint when the block changed since the last call.
    void Update(std::uint64_t blockSerial);
    // WM_DRAWITEM of the owner-drawn control.
    static void Draw(const DRAWITEMSTRUCT& item, const Picture& block);

private:
    HWND control_ = nullptr;
    std::uint64_t shownSerial_ = 0;
};

}  // namespace tavo
