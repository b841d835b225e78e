// How code page 936 bytes become text, the same in both builds: the platforms only look
// up well-formed double-byte units, everything else is decided here.
#include "platform/code_page.h"

namespace tavo {
namespace {

// The single byte both tables give a character; fixed here so that no table can differ.
constexpr char32_t kEuroSign = 0x20AC;

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE); }

// Windows' table gives the user-defined areas (and a few unassigned units) private-use
// characters where iconv has none. What they show depends on the machine, so both builds
// take them as none.
bool IsPrivateUse(char32_t c) { return c >= 0xE000 && c <= 0xF8FF; }

void AppendUtf8(std::string& out, char32_t c) {
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// A unit without a character is one "?" for both its bytes: a trail byte may look like
// ASCII but is not one.
void AppendUnit(std::string& out, std::optional<char32_t> c) {
    if (c && !IsPrivateUse(*c)) {
        AppendUtf8(out, *c);
    } else {
        out += '?';
    }
}

}  // namespace

std::string CodePage936::Decode(std::string_view cp936) {
    std::string out;
    std::size_t i = 0;
    while (i < cp936.size()) {
        const auto b = static_cast<unsigned char>(cp936[i]);
        const auto next = static_cast<unsigned char>(i + 1 < cp936.size() ? cp936[i + 1] : 0);
        std::size_t used = 1;
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b == 0x80) {
            AppendUtf8(out, kEuroSign);
        } else if (IsLeadByte(b) && IsTrailByte(next)) {
            AppendUnit(out, DoubleByteChar(b, next));
            used = 2;
        } else {
            out += '?';
        }
        i += used;
    }
    return out;
}

}  // namespace tavo
