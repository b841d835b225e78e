#pragma once
// The skinning library at the file the host locates, loaded at its first use. Until it
// loads (missing, damaged, lacking an export) every call does nothing; a later call tries
// again, so a library written after the first attempt is still found. Once loaded it
// stays for the life of the process: its hooks and subclasses may outlive this object.
#include <windows.h>

#include <string>

#include "platform/code_page.h"
#include "platform/skin_library.h"

namespace tavo {

class Win32SkinLibrary : public SkinLibrary {
public:
    explicit Win32SkinLibrary(CodePage936& codePage) : codePage_(codePage) {}
    Win32SkinLibrary(const Win32SkinLibrary&) = delete;
    Win32SkinLibrary& operator=(const Win32SkinLibrary&) = delete;

    void Locate(const std::string& libraryPath) override;
    void AttachEx(const std::string& skinPath, const std::string& password) override;
    void Detach() override;
    void SetAero(bool on) override;
    void AdjustHSV(int hue, int saturation, int brightness) override;
    void SetMenuAlpha(int alpha) override;
    void AdjustAero(int alpha, int shadowDarkness, int shadowSharpness, int shadowSize, int x, int y, int red,
                    int green, int blue) override;

private:
    struct Exports {
        int(WINAPI* attachEx)(const char*, const char*);
        int(WINAPI* detach)();
        int(WINAPI* setAero)(int);
        int(WINAPI* adjustHsv)(int, int, int);
        int(WINAPI* setMenuAlpha)(int);
        int(WINAPI* adjustAero)(int, int, int, int, int, int, int, int, int);
    };
    const Exports* Loaded();
    std::string NarrowPath(const std::string& path) const;

    CodePage936& codePage_;
    std::wstring path_;  // absolute; empty until located
    HMODULE module_ = nullptr;
    Exports exports_{};
};

}  // namespace tavo
