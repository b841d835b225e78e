#pragma once
// The small window that follows the pointer while a point picker is held: the block the
// pick would take, enlarged, and the point as it would be stored or why there is none.
// Its window text is those lines, so that what it says can be read from outside.
#include <windows.h>

#include "core/capture/pick_preview.h"

namespace tavo {

inline constexpr wchar_t kMagnifierClass[] = L"TavoMagnifier";

class PickMagnifier {
public:
    PickMagnifier() = default;
    PickMagnifier(const PickMagnifier&) = delete;
    PickMagnifier& operator=(const PickMagnifier&) = delete;

    // Owned by `owner`, hidden until a picker is held. False on failure.
    bool Create(HWND owner, HINSTANCE instance);
    void SetFont(HFONT font) { font_ = font; }
    // Beside the pointer (screen pixels), never over it: the pick would take it.
    void Show(POINT pointer, const PickPreview& preview);
    void Hide();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    int Scaled(int pixels) const;

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    PickPreview preview_;
};

}  // namespace tavo
