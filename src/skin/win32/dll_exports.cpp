// The library's six entry points. Each answers 1 when it did what was asked and 0 when
// it refused (bad arguments, an unusable skin file); none lets an exception or a failure
// reach the program calling it.
#include <windows.h>

#include "skin/win32/module.h"
#include "skin/win32/shadow_window.h"
#include "skin/win32/skin_loader.h"
#include "skin/win32/skin_session.h"

namespace tavo::skin {
namespace {

HINSTANCE module = nullptr;

template <typename F>
int Answer(F&& f) {
    try {
        return f() ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

bool InByteRange(int v) { return v >= 0 && v <= 255; }

SkinSession& Session() { return SkinSession::Instance(); }

}  // namespace

HINSTANCE SkinModule() { return module; }

}  // namespace tavo::skin

using namespace tavo::skin;

// The skin file is read whole here: the caller deletes it as soon as this returns. A
// file that cannot be used leaves every window unskinned. The password is not used.
extern "C" int __stdcall SkinH_AttachEx(const char* skinPath, const char* /*password*/) {
    return Answer([&] {
        const auto theme = LoadSkin(skinPath);
        if (!theme) {
            Session().Detach();
            return false;
        }
        Session().Attach(*theme);
        return true;
    });
}

extern "C" int __stdcall SkinH_Detach() {
    return Answer([] {
        Session().Detach();
        return true;
    });
}

// On: every skinned window drawn at the Aero alpha (or the set alpha, if lower).
extern "C" int __stdcall SkinH_SetAero(int flag) {
    return Answer([&] {
        Session().SetAero(flag != 0);
        return true;
    });
}

extern "C" int __stdcall SkinH_AdjustHSV(int hue, int saturation, int brightness) {
    return Answer([&] {
        const HsvShift shift{hue, saturation, brightness};
        if (!IsValidShift(shift)) return false;
        Session().SetHsv(shift);
        return true;
    });
}

// 0 and 255: opaque menus.
extern "C" int __stdcall SkinH_SetMenuAlpha(int alpha) {
    return Answer([&] {
        if (!InByteRange(alpha)) return false;
        Session().SetMenuAlpha(alpha);
        return true;
    });
}

// alpha 0 (not set) and 255 are opaque; shadowSize 0 is no shadow.
extern "C" int __stdcall SkinH_AdjustAero(int alpha, int shadowDarkness, int shadowSharpness, int shadowSize, int x,
                                          int y, int red, int green, int blue) {
    return Answer([&] {
        const ShadowLook shadow{shadowSize, shadowDarkness, shadowSharpness, x, y,
                                Rgb{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                                    static_cast<std::uint8_t>(blue)}};
        if (!InByteRange(alpha) || !InByteRange(red) || !InByteRange(green) || !InByteRange(blue) ||
            !IsValidShadow(shadow))
            return false;
        Session().SetTranslucency(alpha, shadow);
        return true;
    });
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        tavo::skin::module = instance;
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        // Unloaded while the program goes on: no window may keep a procedure in this DLL.
        Answer([] {
            Session().Detach();
            return true;
        });
    }
    return TRUE;
}
