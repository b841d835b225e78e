#include "core/controls/skin_host.h"

#include <algorithm>

#include "core/controls/skin_stored_form.h"

namespace tavo {
namespace {

enum class Group { Hsv, MenuAlpha, Aero };

struct SettingRule {
    int SkinProperties::*field;
    int low;
    int high;
    Group group;
    bool forwardsUnchanged;  // the shadow colour goes to the library on every set
};

SettingRule RuleOf(SkinSetting setting) {
    using P = SkinProperties;
    switch (setting) {
        case SkinSetting::ShadowSize: return {&P::shadowSize, 0, 18, Group::Aero, false};
        case SkinSetting::ShadowSharpness: return {&P::shadowSharpness, 0, 12, Group::Aero, false};
        case SkinSetting::ShadowDarkness: return {&P::shadowDarkness, 0, 255, Group::Aero, false};
        case SkinSetting::ShadowR: return {&P::shadowR, 0, 255, Group::Aero, true};
        case SkinSetting::ShadowG: return {&P::shadowG, 0, 255, Group::Aero, true};
        case SkinSetting::ShadowB: return {&P::shadowB, 0, 255, Group::Aero, true};
        case SkinSetting::Alpha: return {&P::alpha, 0, 255, Group::Aero, false};
        case SkinSetting::MenuAlpha: return {&P::menuAlpha, 0, 255, Group::MenuAlpha, false};
        case SkinSetting::Hue: return {&P::hue, -180, 180, Group::Hsv, false};
        case SkinSetting::Saturation: return {&P::saturation, -100, 100, Group::Hsv, false};
        case SkinSetting::Brightness: return {&P::brightness, -100, 100, Group::Hsv, false};
    }
    return {&P::alpha, 0, 255, Group::Aero, false};
}

std::string SkinHostName(const std::optional<std::string>& name) {
    if (!name) return "ERROR";
    return name->empty() ? "SYSTEM" : *name;
}

}  // namespace

SkinProperties MainWindowSkin() {
    SkinProperties p;
    p.tgSkin = 12;
    p.menuAlpha = 230;
    p.alpha = 254;
    return p;
}

std::string SkinDirectoryOf(const std::optional<std::string>& executableName) {
    const std::string name = SkinHostName(executableName);
    const std::size_t slash = name.rfind('\\');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

void SkinHost::Load(const SkinProperties& saved) {
    const SkinProperties defaults;
    // Taken as they are: they reach the library only with a later forwarding of their group.
    for (const SkinSetting s : {SkinSetting::Hue, SkinSetting::Saturation, SkinSetting::ShadowR, SkinSetting::ShadowG,
                                SkinSetting::ShadowB, SkinSetting::ShadowSize, SkinSetting::ShadowSharpness,
                                SkinSetting::ShadowDarkness}) {
        const SettingRule rule = RuleOf(s);
        properties_.*rule.field = std::clamp(saved.*rule.field, rule.low, rule.high);
    }
    SetSkin(saved.tgSkin);
    for (const SkinSetting s : {SkinSetting::MenuAlpha, SkinSetting::Brightness}) {
        const SettingRule rule = RuleOf(s);
        if (saved.*rule.field != defaults.*rule.field) Set(s, saved.*rule.field);
    }
    if (saved.aero != defaults.aero) SetAero(saved.aero);
    if (saved.alpha != defaults.alpha) Set(SkinSetting::Alpha, saved.alpha);
}

void SkinHost::SetSkin(int number) {
    properties_.tgSkin = number;
    Attach();
}

void SkinHost::SetAero(bool on) {
    if (on == properties_.aero) return;
    properties_.aero = on;
    ForwardAero();
}

void SkinHost::Set(SkinSetting setting, int value) {
    const SettingRule rule = RuleOf(setting);
    if (value == properties_.*rule.field && !rule.forwardsUnchanged) return;
    properties_.*rule.field = std::clamp(value, rule.low, rule.high);
    Forward(setting);
}

void SkinHost::Destroyed() {
    if (system_.OpenWindowCount() < 2) library_.Detach();
}

void SkinHost::Attach() {
    directory_ = SkinDirectoryOf(system_.ExecutableName());
    const std::string libraryPath = directory_ + kSkinLibraryFile;
    library_.Locate(libraryPath);  // one folder for the write and the load
    if (!files_.FileExists(libraryPath)) {
        const auto stored = system_.Resource(kSkinLibraryResource);
        const auto library = stored ? SkinLibraryFromStored(*stored) : std::nullopt;
        if (library) files_.ReplaceFile(libraryPath, *library);
    }
    if (properties_.tgSkin == 0) {
        library_.Detach();
        return;
    }
    // A number without a resource still attaches: the library gets an empty skin file.
    const std::string skinPath = directory_ + kSkinTemporaryFile;
    files_.ReplaceFile(skinPath, system_.Resource(properties_.tgSkin).value_or(std::string()));
    library_.AttachEx(skinPath, "");
    files_.DeleteFile(skinPath);
}

void SkinHost::Forward(SkinSetting setting) {
    if (properties_.tgSkin == 0) {
        library_.Detach();
        return;
    }
    const SkinProperties& p = properties_;
    switch (RuleOf(setting).group) {
        case Group::Hsv: library_.AdjustHSV(p.hue, p.saturation, p.brightness); break;
        case Group::MenuAlpha: library_.SetMenuAlpha(p.menuAlpha); break;
        case Group::Aero:
            library_.AdjustAero(p.alpha, p.shadowDarkness, p.shadowSharpness, p.shadowSize, 0, 0, p.shadowR,
                                p.shadowG, p.shadowB);
            break;
    }
}

void SkinHost::ForwardAero() {
    if (properties_.tgSkin == 0)
        library_.Detach();
    else
        library_.SetAero(properties_.aero);
}

}  // namespace tavo
