#include "platform/win32/win32_skin_library.h"

#include <string>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

// A relative name (the host's folder lookup failed: the current folder) made absolute, so
// the load never searches the path for a library of that name.
std::wstring FullPath(const std::wstring& path) {
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return {};
    std::wstring full(n, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (written == 0 || written >= n) return {};
    full.resize(written);
    return full;
}

template <typename F>
bool Find(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

}  // namespace

void Win32SkinLibrary::Locate(const std::string& libraryPath) {
    if (!module_) path_ = FullPath(Utf8ToWide(libraryPath));
}

// The library takes narrow paths. A folder whose name code page 936 cannot spell is
// passed by its short name, which can be, where the file system keeps one.
std::string Win32SkinLibrary::NarrowPath(const std::string& path) const {
    std::string narrow = codePage_.Encode(path);
    if (codePage_.Decode(narrow) == path) return narrow;
    const std::wstring wide = Utf8ToWide(path);
    std::wstring shortName(MAX_PATH, L'\0');
    const DWORD n = GetShortPathNameW(wide.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (n == 0 || n >= shortName.size()) return narrow;
    shortName.resize(n);
    const std::string shortUtf8 = WideToUtf8(shortName);
    const std::string shortNarrow = codePage_.Encode(shortUtf8);
    return codePage_.Decode(shortNarrow) == shortUtf8 ? shortNarrow : narrow;
}

const Win32SkinLibrary::Exports* Win32SkinLibrary::Loaded() {
    if (module_) return &exports_;
    if (path_.empty()) return nullptr;
    HMODULE module = LoadLibraryExW(path_.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
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
        e->attachEx(NarrowPath(skinPath).c_str(), codePage_.Encode(password).c_str());
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
