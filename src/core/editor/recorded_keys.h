#pragma once
// What the user's typing and timing in a target window become while recording: a key as
// a piece of pChar, the pieces typed after one click as pChar, and the time between two
// clicks as a pause.
#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

// A key pressed while recording, with the modifiers held and the character it types
// (UTF-8; empty when it types none).
struct TypedKey {
    int virtualKey = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    std::string text;
};

// The key as the key sender types it again: a character as itself, the named keys
// (Enter, Backspace, Space, F1, ...), Tab and CTRL or SHIFT combinations as key commands.
// Empty for what the sender cannot give back: a modifier alone, ALT, CTRL with a key
// that has no name, a key that types no character.
std::string KeyPiece(const TypedKey& key);

// pChar from the pieces typed after one click. The sender ends a text that has plain
// characters with ENTER of its own, which stands for an Enter typed last.
std::string RecordedText(const std::vector<std::string>& pieces);

// The time between two clicks as pPause holds it: whole seconds, rounded, within the
// field's range.
std::int16_t RecordedPause(std::int64_t milliseconds);

}  // namespace tavo
