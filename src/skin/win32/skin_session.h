#pragma once
// The attached skin and everything it holds: the theme with the colour shift applied,
// the translucency settings, the thread hook and the windows it draws on. The exports
// and the windows' messages all arrive on the thread that attached it.
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "skin/hsv.h"
#include "skin/skin_theme.h"
#include "skin/translucency.h"
#include "skin/win32/window_state.h"

namespace tavo::skin {

// Kept across detaching: the program sets them once and attaches skins later.
struct SkinSettings {
    HsvShift hsv;
    bool aero = false;
    int alpha = 0;
    int menuAlpha = 0;
    ShadowLook shadow;
};

class SkinSession {
public:
    static SkinSession& Instance();

    void Attach(const SkinTheme& theme);
    void Detach();
    void SetAero(bool on);
    void SetHsv(const HsvShift& shift);
    void SetMenuAlpha(int alpha);
    void SetTranslucency(int alpha, const ShadowLook& shadow);

    // From the thread hook.
    void Created(HWND window, LONG style);
    void Activated(HWND window);

    // From a skinned window's messages. Find gives nothing once the window is let go;
    // callers look it up again after anything that may run the program's code.
    WindowState* Find(HWND window);
    const SkinTheme& Theme() const { return theme_; }
    void Repaint(HWND window);
    void Moved(HWND window);
    void Destroyed(HWND window);

private:
    bool Attached() const { return base_.has_value(); }
    void Adopt(HWND window);
    void Release(HWND window, WindowState& state);
    void AdoptExisting();
    void RefreshAll();
    void RefreshMenus();

    std::optional<SkinTheme> base_;
    SkinTheme theme_;
    SkinSettings settings_;
    DWORD thread_ = 0;
    std::map<HWND, std::unique_ptr<WindowState>> windows_;
    std::vector<HWND> layeredMenus_;
};

}  // namespace tavo::skin
