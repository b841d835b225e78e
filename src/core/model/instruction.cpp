#include "core/model/instruction.h"

#include "core/util/text.h"

namespace tavo {

void ResetContent(Instruction& in) {
    in.LocationX = in.Locationy = in.pLocationX = in.pLocationy = 0;
    in.LocationBase = in.pLocationBase = in.pPause = in.pDelay = 0;
    in.pYesNext = Blank(kKeyWidth);
    in.pNotNext = Blank(kKeyWidth);
    in.pChar = Blank(kCharWidth);
    in.pPicture = Blank(kPictureWidth);
}

std::string BuildTag(const Instruction& in) {
    std::string tag;
    tag.reserve(kTagLength * 3);
    for (std::int16_t v : {in.LocationX, in.Locationy, in.pLocationX, in.pLocationy})
        tag += NumberField(v, 5);
    tag += FixWidth(in.pYesNext, kKeyWidth);
    tag += FixWidth(in.pNotNext, kKeyWidth);
    tag += NumberField(in.LocationBase, 1);
    tag += NumberField(in.pLocationBase, 1);
    tag += NumberField(in.pPause, 5);
    tag += NumberField(in.pDelay, 5);
    tag += FixWidth(in.NodeKey, kKeyWidth);
    tag += FixWidth(in.NodeParent, kKeyWidth);
    tag += FixWidth(in.NodeText, kNodeTextWidth);
    tag += FixWidth(in.pChar, kCharWidth);
    tag += FixWidth(in.pPicture, kPictureWidth);
    return tag;
}

void ParseTag(Instruction& in, const std::string& tag, const std::string& caption) {
    // Positions are 1-based in the layout; MidChars is 0-based. A short tag reads as padded.
    const std::string t = FixWidth(tag, kTagLength);
    auto field = [&](std::size_t pos1, std::size_t width) { return MidChars(t, pos1 - 1, width); };
    in.LocationX = LeadingInt16(field(1, 5));
    in.Locationy = LeadingInt16(field(6, 5));
    in.pLocationX = LeadingInt16(field(11, 5));
    in.pLocationy = LeadingInt16(field(16, 5));
    in.pYesNext = field(21, 5);
    in.pNotNext = field(26, 5);
    in.LocationBase = LeadingInt16(field(31, 1));
    in.pLocationBase = LeadingInt16(field(32, 1));
    in.pPause = LeadingInt16(field(33, 5));
    in.pDelay = LeadingInt16(field(38, 5));
    in.NodeKey = field(43, 5);
    in.NodeParent = field(48, 5);
    // A caption edited in place shows as typed; the Instruction holds it without blanks.
    in.NodeText = FixWidth(TrimSpaces(caption), kNodeTextWidth);
    in.pChar = field(73, 50);
    in.pPicture = field(123, 36);
}

bool IsNonEmptyInstruction(const Instruction& in, bool hasCurrentNode) {
    return !IsBlank(in.pChar) || in.LocationX != 0 || in.Locationy != 0 ||
           (!IsBlank(in.pPicture) && hasCurrentNode);
}

std::string KeyOf(const std::string& field) { return std::string(TrimSpaces(field)); }

std::string NodeKeyFor(int n) {
    std::string key("L");
    key += std::to_string(n);
    return key;
}

}  // namespace tavo
