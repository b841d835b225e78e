#include "core/editor/recorded_keys.h"

#include <algorithm>
#include <string_view>

#include "core/acting/key_sender.h"

namespace tavo {
namespace {

constexpr int kVkTab = 0x09;
constexpr std::string_view kCommandOpen = "/*";
constexpr std::string_view kEnterCommand = "/*ENTER*/";

// The sender has no name for Tab; a single character stands for its own code, which for
// the tab character is the Tab key.
std::string KeyName(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return std::string(1, static_cast<char>(vk));
    if (vk == kVkTab) return "\t";
    return KeyNameOf(static_cast<std::int16_t>(vk));
}

std::string Command(const std::string& name, bool ctrl, bool shift) {
    return std::string(kCommandOpen) + (ctrl ? "CTRL+" : "") + (shift ? "SHIFT+" : "") + name +
           "*/";
}

bool IsCommand(std::string_view piece) { return piece.starts_with(kCommandOpen); }

}  // namespace

std::string KeyPiece(const TypedKey& key) {
    if (key.alt) return {};
    const std::string name = KeyName(key.virtualKey);
    if (key.ctrl) return name.empty() ? std::string() : Command(name, true, key.shift);
    // A letter or digit types its character, shifted or not; other keys with a name are
    // struck as keys.
    const bool typesItself = name.size() == 1 && name != "\t";
    if (!name.empty() && !typesItself) return Command(name, false, key.shift);
    if (key.text.empty() || static_cast<unsigned char>(key.text[0]) < 0x20) return {};
    return key.text;
}

std::string RecordedText(const std::vector<std::string>& pieces) {
    std::size_t end = pieces.size();
    const bool plain = std::any_of(pieces.begin(), pieces.end(),
                                   [](const std::string& p) { return !IsCommand(p); });
    if (plain && end > 0 && pieces.back() == kEnterCommand) --end;
    std::string text;
    for (std::size_t i = 0; i < end; ++i) text += pieces[i];
    return text;
}

std::int16_t RecordedPause(std::int64_t milliseconds) {
    const std::int64_t seconds = (std::max<std::int64_t>(milliseconds, 0) + 500) / 1000;
    return static_cast<std::int16_t>(std::min<std::int64_t>(seconds, 32767));
}

}  // namespace tavo
