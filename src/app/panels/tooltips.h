#pragma once
// One tooltip window holding the tips of several controls or of areas of a window.
#include <windows.h>

#include <string>

namespace tavo {

class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    // Makes the tooltip window; it belongs to the owner's top-level window and is
    // destroyed with it. False on failure.
    bool Create(HWND owner, HINSTANCE instance);
    HWND Handle() const { return tips_; }

    // A tip shown over the whole control.
    void Add(HWND control, const std::string& utf8Text);
    // A tip shown over an area of a window's client area (pixels), told apart by id.
    void AddArea(HWND window, UINT_PTR id, const RECT& area, const std::string& utf8Text);
    void MoveArea(HWND window, UINT_PTR id, const RECT& area);
    // A control's tip says something else now; lines break at "\n".
    void SetText(HWND control, const std::string& utf8Text);
    void SetFont(HFONT font);

private:
    HWND tips_ = nullptr;
};

}  // namespace tavo
