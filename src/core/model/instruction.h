#pragma once
// The Instruction record, its 158-character tag text and the emptiness rule.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavo {

inline constexpr std::size_t kKeyWidth = 5;
inline constexpr std::size_t kNodeTextWidth = 20;
inline constexpr std::size_t kCharWidth = 50;
inline constexpr std::size_t kPictureWidth = 36;
inline constexpr std::size_t kTagLength = 158;

// Fields in declaration order; text fields always hold exactly their width in characters.
struct Instruction {
    std::int16_t LocationX = 0;
    std::int16_t Locationy = 0;
    std::int16_t pLocationX = 0;
    std::int16_t pLocationy = 0;
    std::int16_t LocationBase = 0;
    std::int16_t pLocationBase = 0;
    std::int16_t pPause = 0;
    std::int16_t pDelay = 0;
    std::string pYesNext = std::string(kKeyWidth, ' ');
    std::string pNotNext = std::string(kKeyWidth, ' ');
    std::string NodeKey = std::string(kKeyWidth, ' ');
    std::string NodeParent = std::string(kKeyWidth, ' ');
    std::string NodeText = std::string(kNodeTextWidth, ' ');
    std::string pChar = std::string(kCharWidth, ' ');
    std::string pPicture = std::string(kPictureWidth, ' ');

    bool operator==(const Instruction&) const = default;
};

// Zeroes the eight integers and blanks the jump keys, text and picture; the node identity
// fields (NodeKey, NodeParent, NodeText) stay.
void ResetContent(Instruction& instruction);

std::string BuildTag(const Instruction& instruction);

// Fills `instruction` from a tag; NodeText comes from the node's caption (trimmed of
// spaces), not the tag.
void ParseTag(Instruction& instruction, const std::string& tag, const std::string& caption);

// Empty: no text, no click point and no picture. `hasCurrentNode` matters because a
// picture only counts while there is a current node.
bool IsNonEmptyInstruction(const Instruction& instruction, bool hasCurrentNode);

// The node key for number n: "L" and the decimal number.
std::string NodeKeyFor(int n);

// The key used by a text field, trimmed of its padding.
std::string KeyOf(const std::string& field);

}  // namespace tavo
