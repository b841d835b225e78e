#include "core/editor/key_board.h"

#include <array>

#include "core/editor/editor_panel_view.h"

namespace tavo {
namespace {

constexpr int kVkShift = 16;
constexpr int kVkCtrl = 17;
constexpr int kVkAlt = 18;

// Shift, Ctrl and Alt are 0, 1 and 2, in the order of their virtual-key codes.
std::optional<std::size_t> ModifierOf(const KeyBoardKey& key) {
    if (key.kind != KeyKind::Function || key.element < kVkShift || key.element > kVkAlt)
        return std::nullopt;
    return static_cast<std::size_t>(key.element - kVkShift);
}

constexpr int kRow1 = 45, kRow2 = 540, kRow3 = 1020, kRow4 = 1500, kRow5 = 1980, kRow6 = 2460;
constexpr int kEscTop = 60;  // Esc sits a little lower than the rest of its row

constexpr KeyBoardKey C(std::string_view name, int top, int left, std::string_view shifted = {}) {
    return {name, KeyKind::Character, 0, shifted, left, top, kKeyFaceSize, kKeyFaceSize};
}

constexpr KeyBoardKey F(std::string_view name, int vk, int top, int left,
                        int width = kKeyFaceSize) {
    return {name, KeyKind::Function, vk, {}, left, top, width, kKeyFaceSize};
}

using KeyTable = std::array<KeyBoardKey, kKeyBoardKeyCount>;

constexpr KeyTable Numbered(KeyTable keys) {
    int next = 0;
    for (KeyBoardKey& key : keys)
        if (key.kind == KeyKind::Character) key.element = next++;
    return keys;
}

constexpr KeyTable kKeys = Numbered({{
    F("Esc", 27, kEscTop, 60), F("F1", 112, kRow1, 765), F("F2", 113, kRow1, 1245),
    F("F3", 114, kRow1, 1725), F("F4", 115, kRow1, 2205), F("F5", 116, kRow1, 2685),
    F("F6", 117, kRow1, 3165), F("F7", 118, kRow1, 3645), F("F8", 119, kRow1, 4125),
    F("F9", 120, kRow1, 4620), F("F10", 121, kRow1, 5085), F("F11", 122, kRow1, 5565),
    F("F12", 123, kRow1, 6045),

    C("`", kRow2, 60, "~"), C("1", kRow2, 540, "!"), C("2", kRow2, 1020, "@"),
    C("3", kRow2, 1500, "#"), C("4", kRow2, 1980, "$"), C("5", kRow2, 2460, "%"),
    C("6", kRow2, 2940, "^"), C("7", kRow2, 3420, "&"), C("8", kRow2, 3885, "*"),
    C("9", kRow2, 4380, "("), C("0", kRow2, 4860, ")"), C("-", kRow2, 5340, "_"),
    C("=", kRow2, 5820, "+"), F("Back", 8, kRow2, 6300, 705),

    F("PageUp", 33, kRow3, 60, 705), C("Q", kRow3, 780), C("W", kRow3, 1260),
    C("E", kRow3, 1740, "E"), C("R", kRow3, 2220), C("T", kRow3, 2700), C("Y", kRow3, 3180),
    C("U", kRow3, 3660), C("I", kRow3, 4140), C("O", kRow3, 4620), C("P", kRow3, 5100),
    C("[", kRow3, 5580), C("]", kRow3, 6060), C("\\", kRow3, 6540, "|"),

    F("PageDown", 34, kRow4, 60, 825), C("A", kRow4, 900), C("S", kRow4, 1380),
    C("D", kRow4, 1860), C("F", kRow4, 2340), C("G", kRow4, 2820), C("H", kRow4, 3300),
    C("J", kRow4, 3780), C("K", kRow4, 4260), C("L", kRow4, 4740), C(";", kRow4, 5220),
    C("'", kRow4, 5700), F("Enter", 13, kRow4, 6180, 825),

    F("Shift", kVkShift, kRow5, 60, 1065), C("Z", kRow5, 1140), C("X", kRow5, 1620),
    C("C", kRow5, 2100), C("V", kRow5, 2580), C("B", kRow5, 3060), C("N", kRow5, 3540),
    C("M", kRow5, 4020), C(",", kRow5, 4500, "<"), C(".", kRow5, 4980, ">"),
    C("/", kRow5, 5475, "?"), F("Up", 38, kRow5, 6060),

    F("Ctrl", kVkCtrl, kRow6, 60, 705), F("Alt", kVkAlt, kRow6, 780, 705),
    F("Delete", 46, kRow6, 1500, 705), F("Space", 32, kRow6, 2220, 2610),
    F("Insert", 45, kRow6, 4845, 705), F("Left", 37, kRow6, 5580), F("Down", 40, kRow6, 6060),
    F("Right", 39, kRow6, 6540),
}});

constexpr bool AllInside(const KeyTable& keys) {
    for (const KeyBoardKey& k : keys)
        if (k.left < 0 || k.top < 0 || k.left + k.width > kKeyBoardWidth ||
            k.top + k.height > kKeyBoardHeight)
            return false;
    return true;
}
static_assert(AllInside(kKeys), "every key lies within the keyboard");

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

std::span<const KeyBoardKey> KeyBoardKeys() { return kKeys; }

std::optional<KeyIndex> KeyAt(int x, int y) {
    for (KeyIndex i = 0; i < kKeys.size(); ++i) {
        const KeyBoardKey& k = kKeys[i];
        if (x >= k.left && x < k.left + k.width && y >= k.top && y < k.top + k.height) return i;
    }
    return std::nullopt;
}

void KeyBoardComposer::Press(KeyIndex key) {
    if (key < kKeys.size()) pressed_ = key;
}

void KeyBoardComposer::CancelPress() { pressed_.reset(); }

std::optional<std::string> KeyBoardComposer::Release(KeyIndex key) {
    if (key >= kKeys.size()) return std::nullopt;
    if (pressed_ == key) pressed_.reset();
    const KeyBoardKey& k = kKeys[key];
    if (const auto modifier = ModifierOf(k)) {
        latched_[*modifier] = !latched_[*modifier];
        return std::nullopt;
    }
    return k.kind == KeyKind::Function ? ReleaseFunction(k) : ReleaseCharacter(k);
}

std::string KeyBoardComposer::Prefix(bool withShift) const {
    std::string prefix;
    if (latched_[kCtrl]) prefix += "Ctrl+";
    if (latched_[kAlt]) prefix += "Alt+";
    if (withShift && latched_[kShift]) prefix += "Shift+";
    return prefix;
}

std::string KeyBoardComposer::ReleaseFunction(const KeyBoardKey& key) {
    std::string text = Prefix(true) + std::string(key.name);
    latched_ = {};
    return text;
}

// Shift alone changes the character itself; beside Ctrl or Alt it is named instead.
// One release frees one latch, Shift first, so Ctrl or Alt can be kept for several keys.
std::string KeyBoardComposer::ReleaseCharacter(const KeyBoardKey& key) {
    const bool combined = latched_[kCtrl] || latched_[kAlt];
    std::string text = Prefix(combined);
    if (latched_[kShift] && !combined)
        text += key.shifted.empty() ? Upper(key.name) : std::string(key.shifted);
    else
        text += Lower(key.name);
    for (const Modifier m : {kShift, kCtrl, kAlt}) {
        if (latched_[m]) {
            latched_[m] = false;
            break;
        }
    }
    return text;
}

bool KeyBoardComposer::IsHighlighted(KeyIndex key) const {
    if (key >= kKeys.size()) return false;
    if (const auto modifier = ModifierOf(kKeys[key])) return latched_[*modifier];
    return pressed_ == key;
}

KeyBoardComposer::Highlights KeyBoardComposer::Highlighted() const {
    Highlights shown;
    for (KeyIndex i = 0; i < kKeys.size(); ++i) shown[i] = IsHighlighted(i);
    return shown;
}

}  // namespace tavo
