#pragma once
// Which Script file is open and the target-window settings that travel with it.
#include <string>

#include "core/model/discovery_settings.h"

namespace tavo {

inline constexpr const char* kUntitledScriptName = "未命名";
// Names a Script whose name was never stored.
inline constexpr const char* kDefaultScriptName = "我的脚本";
inline constexpr const char* kScriptExtension = ".gmx";

struct WorkingState {
    std::string ScriptName;
    std::string ScriptPath;
    std::string ProgramFolder;  // always ends in "\"
    DiscoverySettings settings;  // WindowKeyword, MinWidth, MinHeight, MaxWindows, FlashMode
    // After New, ScriptPath still names the file of the Script before it; the Script in
    // memory has no file yet, so Delete Script must not delete that one.
    bool scriptHasNoFile = false;
};

// "C:\dir" and "C:\dir\" both give "C:\dir\".
std::string WithTrailingBackslash(std::string folder);

// The Script name a path gives: the part after the last "\" (empty without one), cut
// before its first ".".
std::string ScriptNameOf(const std::string& path);

// The part of a path after its last "\" (the whole path without one).
std::string FileNameOf(const std::string& path);

// Whether two Windows paths name the same file: "\" and "/" alike, letters in any case.
bool SamePath(const std::string& a, const std::string& b);

// The value the leading sign, digits and decimal point of a text spell (0 when none).
double NumericValue(const std::string& text);
// NumericValue taken to the nearest integer, halves to even.
long RoundedValue(const std::string& text);

}  // namespace tavo
