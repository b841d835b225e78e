#pragma once
// The skin host: holds the skin's settings, clamps them, and forwards each change to the
// skinning library, which it writes beside the executable and attaches with a skin taken
// from the program's resources. It draws nothing itself; every failure is silent.
#include <string>

#include "platform/files.h"
#include "platform/skin_library.h"

namespace tavo {

struct SkinProperties {
    bool aero = false;
    int tgSkin = 10;  // 0 = no skin, 1..13 = a skin resource; never clamped
    int shadowSize = 0;
    int shadowSharpness = 0;
    int shadowDarkness = 0;
    int shadowR = 0;
    int shadowG = 0;
    int shadowB = 0;
    int alpha = 0;
    int menuAlpha = 255;
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    bool operator==(const SkinProperties&) const = default;
};

// The settings other than the skin number and Aero, each with its range.
enum class SkinSetting {
    ShadowSize, ShadowSharpness, ShadowDarkness, ShadowR, ShadowG, ShadowB,
    Alpha, MenuAlpha, Hue, Saturation, Brightness,
};

// The main window's saved skin: skin 12, menus at 230, the window at 254.
SkinProperties MainWindowSkin();

inline constexpr char kSkinLibraryFile[] = "Skin.tg";
inline constexpr char kSkinTemporaryFile[] = "SkinH~";
inline constexpr char kSkinLibraryResource[] = "FILE";

class SkinHost {
public:
    SkinHost(SkinLibrary& library, SkinHostSystem& system, Files& files)
        : library_(library), system_(system), files_(files) {}

    // The saved settings, in the order that decides what reaches the library.
    void Load(const SkinProperties& saved);
    // Attaches that skin (0: detaches), also when it is the current one.
    void SetSkin(int number);
    void SetAero(bool on);
    void Set(SkinSetting setting, int value);
    void CloseSk() { library_.Detach(); }
    // The host's window goes: the skin stays only for other open windows of the program.
    void Destroyed();

    const SkinProperties& Properties() const { return properties_; }
    // The executable's folder with its final "\", or "" for the current folder.
    const std::string& Directory() const { return directory_; }

private:
    void Attach();
    void Forward(SkinSetting setting);
    void ForwardAero();

    SkinLibrary& library_;
    SkinHostSystem& system_;
    Files& files_;
    SkinProperties properties_;
    std::string directory_;
};

// The folder part of the executable's name by the lookup's rule: an empty name is
// "SYSTEM", a failed lookup "ERROR", and a name without "\" gives "".
std::string SkinDirectoryOf(const std::optional<std::string>& executableName);

}  // namespace tavo
