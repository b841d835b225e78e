#include "core/acting/key_sender.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/util/text.h"

namespace tavo {
namespace {

constexpr std::uint32_t kPreviousAndTransition = 0xC0000000;
constexpr std::uint32_t kAltContext = 0x20000000;
constexpr std::uint32_t kSysKeyUpBits = 0xE0000000;

constexpr std::array<std::pair<std::string_view, std::int16_t>, 18> kKeyNames = {{
    {"ESC", 0x1B},    {"LEFT", 0x25},     {"RIGHT", 0x27},     {"UP", 0x26},
    {"DOWN", 0x28},   {"ENTER", 0x0D},    {"BACK", 0x08},      {"PAUSE", 0x13},
    {"SPACE", 0x20},  {"DEL", 0x2E},      {"DELETE", 0x2E},    {"HOME", 0x24},
    {"END", 0x23},    {"PAGEUP", 0x21},   {"PAGEDOWN", 0x22},  {"INSERT", 0x2D},
    {"PRINT", 0x2A},  {"SCROLLLOCK", 0x91},
}};

std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return out;
}

std::uint32_t WParamOf(std::int16_t code) {
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(code));  // sign-extended
}

}  // namespace

std::int16_t KeyNameCode(std::string_view upperName) {
    if (upperName.size() >= 2 && upperName.size() <= 3 && upperName[0] == 'F') {
        const std::string digits(upperName.substr(1));
        if (digits.find_first_not_of("0123456789") == std::string::npos && digits[0] != '0') {
            const int n = std::stoi(digits);
            if (n >= 1 && n <= 12) return static_cast<std::int16_t>(0x70 + n - 1);
        }
    }
    for (const auto& [name, code] : kKeyNames)
        if (name == upperName) return code;
    return 0;
}

std::string KeyNameOf(std::int16_t code) {
    if (code >= 0x70 && code <= 0x7B) {
        std::string name(1, 'F');  // appended to: GCC 12 misreads "F" + std::to_string
        return name += std::to_string(code - 0x70 + 1);
    }
    for (const auto& [name, named] : kKeyNames)
        if (named == code) return std::string(name);
    return {};
}

int EffectiveKeyDelay(int keyDelay) { return keyDelay >= kMinKeyDelay ? keyDelay : kMinKeyDelay; }

std::int16_t KeySender::CharacterCode(std::string_view character) {
    const std::string bytes = codePage_.Encode(character);
    // No form in the code page is one "?", though Windows spells a character outside the
    // basic plane "??".
    if (bytes.empty() || bytes.find_first_not_of('?') == std::string::npos) return '?';
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 1) return static_cast<std::int16_t>(lead);
    const auto trail = static_cast<unsigned char>(bytes[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lead << 8 | trail));
}

void KeySender::TypeCharacter(WindowHandle window, std::string_view character, int delay) {
    const std::int16_t code = CharacterCode(character);
    // Where the code-page form is a character message, or the code page has no form for
    // the character at all, a Unicode window is given the character itself: the system's
    // conversion of a double-byte code is not the same everywhere.
    const bool asCharacter = delay <= 0 || code < 0 || (code == '?' && character != "?");
    if (asCharacter && input_.IsUnicodeWindow(window)) {
        for (const char16_t unit : Utf16Units(character)) input_.PostWide(window, kWmChar, unit, 1);
        return;
    }
    MySendKey(window, code, KeyMode::Type, delay, 1);
}

void KeySender::SendCharacters(WindowHandle window, std::string_view text) {
    const std::size_t count = CharCount(text);
    for (std::size_t i = 0; i < count; ++i) TypeCharacter(window, MidChars(text, i, 1), 0);
}

void KeySender::SendText(WindowHandle window, std::string_view text, int keyDelay) {
    const int delay = EffectiveKeyDelay(keyDelay);
    std::string r(text);
    std::erase(r, ' ');
    bool plainSent = false;
    auto sendPlain = [&](std::string_view plain) {
        SendCharacters(window, plain);
        plainSent = plainSent || !plain.empty();
    };
    for (;;) {
        const auto o = r.find("/*");
        const auto c = r.find("*/");
        if (o == std::string::npos || c == std::string::npos || r == "/**/") break;
        if (c >= o + 2 && c >= 3) {
            sendPlain(std::string_view(r).substr(0, o));
            SendKeyCommand(window, std::string_view(r).substr(o + 2, c - o - 2), delay);
            r.erase(0, c + 2);
        } else {
            // A stray marker: a "*/" that begins before the "/*" has ended, or an empty
            // command at the very start. Typed as plain text, then parsing goes on.
            const std::size_t plain = c < o + 2 ? c + 2 : 4;
            sendPlain(std::string_view(r).substr(0, plain));
            r.erase(0, plain);
        }
    }
    sendPlain(r);
    if (plainSent) SendKeyCommand(window, "ENTER", kMinKeyDelay);
}

void KeySender::Modifier(WindowHandle window, std::uint8_t key, KeyMode mode) {
    MySendKey(window, key, mode, 1, 1);
}

// CTRL and SHIFT are pressed system-wide: whatever way a key command ends (a fault, a
// window gone), they must come up again, or the user's own typing stays modified.
class KeySender::HeldModifiers {
public:
    HeldModifiers(KeySender& sender, WindowHandle window) : sender_(sender), window_(window) {}
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;
    ~HeldModifiers() {
        try {
            Release(kVkControl);
            Release(kVkShift);
        } catch (...) {
            // Nothing more can be done from here; the fault that led here is reported.
        }
    }

    void Press(std::uint8_t key) {
        sender_.Modifier(window_, key, KeyMode::Press);
        (key == kVkControl ? ctrl_ : shift_) = true;
    }
    void Release(std::uint8_t key) {
        bool& held = key == kVkControl ? ctrl_ : shift_;
        if (!held) return;
        held = false;
        sender_.Modifier(window_, key, KeyMode::Release);
    }

private:
    KeySender& sender_;
    WindowHandle window_;
    bool ctrl_ = false;
    bool shift_ = false;
};

void KeySender::SendKeyCommand(WindowHandle window, std::string_view command, int delay) {
    const std::string u = Upper(command);
    std::string key = u, second;
    if (const auto plus = u.find('+'); plus != std::string::npos) {
        const std::string rest = u.substr(plus + 1);
        if (const auto plus2 = rest.find('+'); plus2 != std::string::npos) {
            second = rest;
            key = rest.substr(plus2 + 1);
        } else {
            key = rest;
        }
    }
    auto named = [&](std::string_view prefix) {
        return u.starts_with(prefix) || second.starts_with(prefix);
    };
    const bool ctrl = named("CTRL+"), shift = named("SHIFT+"), alt = named("ALT+");
    HeldModifiers held(*this, window);
    if (ctrl) held.Press(kVkControl);
    if (shift) held.Press(kVkShift);

    std::int16_t code = 0;
    const bool oneCharacter = CharCount(key) == 1;
    if (oneCharacter) {
        code = CharacterCode(key);
    } else if (const std::int16_t named_code = KeyNameCode(key)) {
        code = named_code;
    } else {
        // No such key: its letters are struck one by one.
        const std::size_t count = CharCount(key);
        for (std::size_t i = 0; i < count; ++i) TypeCharacter(window, MidChars(key, i, 1), delay);
        held.Release(kVkControl);
        held.Release(kVkShift);
        return;
    }
    if (alt) {
        MySendKey(window, code, KeyMode::SystemStroke, 1, 1);
        held.Release(kVkShift);
        held.Release(kVkControl);
        return;
    }
    if (oneCharacter)
        TypeCharacter(window, key, delay);
    else
        MySendKey(window, code, KeyMode::Type, delay, 1);
    MySendKey(window, code, KeyMode::Release, 1, 1);
    held.Release(kVkControl);
    held.Release(kVkShift);
}

void KeySender::MySendKey(WindowHandle window, std::int16_t code, KeyMode mode, int delay,
                          int repeat) {
    if (code < 0) delay = 0;
    const std::uint32_t scan = input_.ScanCode(WParamOf(code)) & 0xFF;
    const std::uint32_t base = scan * 0x10000 + (static_cast<std::uint32_t>(repeat) & 0xFFFF);
    const std::uint32_t wParam = WParamOf(code);
    const bool modifier = code == kVkShift || code == kVkControl;
    switch (mode) {
        case KeyMode::Press:
            if (modifier)
                input_.KeybdEvent(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(scan), 0);
            else
                input_.Post(window, kWmKeyDown, wParam, base);
            break;
        case KeyMode::Release:
            if (modifier)
                input_.KeybdEvent(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(scan),
                                  kKeyEventKeyUp);
            else
                input_.Post(window, kWmKeyUp, wParam, base + kPreviousAndTransition);
            break;
        case KeyMode::Type:
            if (delay <= 0) {
                input_.Post(window, kWmChar, wParam, static_cast<std::uint32_t>(repeat));
            } else {
                input_.Post(window, kWmKeyDown, wParam, base);
                input_.Sleep(delay);
                input_.Post(window, kWmKeyUp, wParam, base + kPreviousAndTransition);
            }
            break;
        case KeyMode::SystemStroke:
            input_.Post(window, kWmSysKeyDown, wParam, base + kAltContext);
            input_.Post(window, kWmSysKeyUp, wParam, base + kSysKeyUpBits);
            break;
    }
}

}  // namespace tavo
