#pragma once
// The on-screen keyboard apart from its window: where its keys lie, and how releases on
// them compose the name of a key or key combination. Positions are twips relative to the
// keyboard's top-left corner.
#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavo {

enum class KeyKind { Character, Function };

struct KeyBoardKey {
    std::string_view name;     // the text the key contributes
    KeyKind kind;
    int element;               // function keys: the virtual-key code; else a running number
    std::string_view shifted;  // character keys: the text under Shift, empty when none
    int left, top, width, height;
};

inline constexpr std::size_t kKeyBoardKeyCount = 74;
inline constexpr int kKeyFaceSize = 465;

using KeyIndex = std::size_t;  // position in KeyBoardKeys()

// Every key, row by row from the top, each row from the left.
std::span<const KeyBoardKey> KeyBoardKeys();

// The key under a point; edges are inclusive on the left and top only, so keys that meet
// never both claim a point.
std::optional<KeyIndex> KeyAt(int x, int y);

// The three modifier latches and the key being pressed. A modifier's latch is what its
// highlight shows; pressing a modifier shows nothing until its release toggles the latch.
class KeyBoardComposer {
public:
    using Highlights = std::bitset<kKeyBoardKeyCount>;

    void Press(KeyIndex key);
    // The composed text when the key is not a modifier.
    std::optional<std::string> Release(KeyIndex key);
    // The press ended without a release (the pointer was taken away).
    void CancelPress();

    std::optional<KeyIndex> Pressed() const { return pressed_; }
    bool IsHighlighted(KeyIndex key) const;
    Highlights Highlighted() const;

private:
    enum Modifier : std::size_t { kShift, kCtrl, kAlt };

    std::string Prefix(bool withShift) const;
    std::string ReleaseFunction(const KeyBoardKey& key);
    std::string ReleaseCharacter(const KeyBoardKey& key);

    std::optional<KeyIndex> pressed_;
    std::array<bool, 3> latched_{};  // by Modifier
};

}  // namespace tavo
