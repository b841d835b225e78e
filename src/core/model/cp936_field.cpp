#include "core/model/cp936_field.h"

#include "core/util/text.h"

namespace tavo {
namespace {

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

}  // namespace

std::string EncodeField(CodePage936& codePage, std::string_view text, std::size_t width) {
    std::string out;
    const std::size_t chars = CharCount(text);
    for (std::size_t i = 0; i < chars; ++i) {
        const std::string encoded = codePage.Encode(MidChars(text, i, 1));
        if (out.size() + encoded.size() > width) break;
        out += encoded;
    }
    out.append(width - out.size(), ' ');
    return out;
}

std::string_view WithoutDanglingLead(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (!IsLeadByte(static_cast<unsigned char>(bytes[i]))) {
            ++i;
        } else if (i + 1 < bytes.size()) {
            i += 2;
        } else {
            return bytes.substr(0, i);
        }
    }
    return bytes;
}

std::string DecodeField(CodePage936& codePage, std::string_view bytes, std::size_t widthChars) {
    return FixWidth(codePage.Decode(WithoutDanglingLead(bytes)), widthChars);
}

std::string WithoutUnencodable(CodePage936& codePage, std::string_view text) {
    std::string kept;
    const std::size_t count = CharCount(text);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string c = MidChars(text, i, 1);
        // Held when it comes back from its bytes: a substitute ("?", or "??" for a
        // character outside the basic plane on Windows) never does.
        if (codePage.Decode(codePage.Encode(c)) == c) kept += c;
    }
    return kept;
}

}  // namespace tavo
