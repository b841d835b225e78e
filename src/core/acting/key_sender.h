#pragma once
// Typing a text into a window: plain characters as WM_CHAR, key commands between "/*"
// and "*/" as key strokes, CTRL and SHIFT held through the system keyboard input.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/keyboard_input.h"

namespace tavo {

inline constexpr int kMinKeyDelay = 100;
inline constexpr std::uint8_t kVkShift = 0x10;
inline constexpr std::uint8_t kVkControl = 0x11;
inline constexpr std::int16_t kVkReturn = 0x0D;

// The virtual key of a key name ("F5", "ENTER", ...; upper case), or 0 when unknown.
std::int16_t KeyNameCode(std::string_view upperName);
// The name that key commands give a virtual key, the first where two share it; empty for
// a key without a name.
std::string KeyNameOf(std::int16_t code);

// The key delay actually used: at least 100 ms.
int EffectiveKeyDelay(int keyDelay);

enum class KeyMode { Press = 0, Release = 1, Type = 2, SystemStroke = 3 };

class KeySender {
public:
    KeySender(KeyboardInput& input, SystemCodePage& codePage) : input_(input), codePage_(codePage) {}

    void SendText(WindowHandle window, std::string_view text, int keyDelay);
    void SendKeyCommand(WindowHandle window, std::string_view command, int delay);
    void MySendKey(WindowHandle window, std::int16_t code, KeyMode mode, int delay, int repeat);

    // The code of a character in the system code page, as a signed 16-bit value: a
    // double-byte character is lead × 256 + trail, negative.
    std::int16_t CharacterCode(std::string_view character);

private:
    class HeldModifiers;

    void SendCharacters(WindowHandle window, std::string_view text);
    // Strikes one character as MySendKey does; a Unicode window gets a character message
    // as UTF-16.
    void TypeCharacter(WindowHandle window, std::string_view character, int delay);
    void Modifier(WindowHandle window, std::uint8_t key, KeyMode mode);

    KeyboardInput& input_;
    SystemCodePage& codePage_;
};

}  // namespace tavo
