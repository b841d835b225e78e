#include "platform/win32/win32_skin_library.h"

#include <string>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr wchar_t kLibraryFile[] = L"Skin.tg";

// From the executable's own folder only: never a library of that name elsewhere on the path.
std::wstring LibraryPath() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return {};
    path.resize(n);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + kLibraryFile;
}

template <typename F>
bool Find(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

}  // namespace

const Win32SkinLibrary::Exports* Win32SkinLibrary::Loaded() {
    if (module_) return &exports_;
    const std::wstring path = LibraryPath();
    if (path.empty()) return nullptr;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) return nullptr;
    Exports e{};
    if (!Find(module, "SkinH_AttachEx", e.attachEx) || !Find(module, "SkinH_Detach", e.detach) ||
        !Find(module, "SkinH_SetAero", e.setAero) || !Find(module, "SkinH_AdjustHSV", e.adjustHsv) ||
        !Find(module, "SkinH_SetMenuAlpha", e.setMenuAlpha) || !Find(module, "SkinH_AdjustAero", e.adjustAero)) {
        FreeLibrary(module);
        return nullptr;
    }
    module_ = module;
    exports_ = e;
    return &exports_;
}

void Win32SkinLibrary::AttachEx(const std::string& skinPath, const std::string& password) {
    if (const Exports* e = Loaded())
        e->attachEx(codePage_.Encode(skinPath).c_str(), codePage_.Encode(password).c_str());
}

void Win32SkinLibrary::Detach() {
    if (const Exports* e = Loaded()) e->detach();
}

void Win32SkinLibrary::SetAero(bool on) {
    if (const Exports* e = Loaded()) e->setAero(on ? 1 : 0);
}

void Win32SkinLibrary::AdjustHSV(int hue, int saturation, int brightness) {
    if (const Exports* e = Loaded()) e->adjustHsv(hue, saturation, brightness);
}

void Win32SkinLibrary::SetMenuAlpha(int alpha) {
    if (const Exports* e = Loaded()) e->setMenuAlpha(alpha);
}

void Win32SkinLibrary::AdjustAero(int alpha, int shadowDarkness, int shadowSharpness, int shadowSize, int x, int y,
                                  int red, int green, int blue) {
    if (const Exports* e = Loaded())
        e->adjustAero(alpha, shadowDarkness, shadowSharpness, shadowSize, x, y, red, green, blue);
}

}  // namespace tavo
