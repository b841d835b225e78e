#include "core/util/text.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace tavo {
namespace {

// Length in bytes of the code point starting with lead byte b; 1 for anything malformed.
std::size_t SequenceLength(unsigned char b) {
    if (b < 0x80) return 1;
    if ((b & 0xE0) == 0xC0) return 2;
    if ((b & 0xF0) == 0xE0) return 3;
    if ((b & 0xF8) == 0xF0) return 4;
    return 1;
}

// Byte offset just past `count` code points, or text.size().
std::size_t OffsetOf(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    while (count > 0 && pos < text.size()) {
        pos = std::min(text.size(), pos + SequenceLength(static_cast<unsigned char>(text[pos])));
        --count;
    }
    return pos;
}

constexpr char16_t kReplacement = 0xFFFD;

// The code point of a well-formed sequence of `length` bytes, or none.
std::optional<char32_t> CodePoint(std::string_view text, std::size_t pos, std::size_t length) {
    if (pos + length > text.size()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (length == 1) return lead < 0x80 ? std::optional<char32_t>(lead) : std::nullopt;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (b & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

}  // namespace

std::u16string Utf16Units(std::string_view text) {
    std::u16string units;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[pos]));
        const std::optional<char32_t> c = CodePoint(text, pos, length);
        if (!c) {
            units.push_back(kReplacement);
            ++pos;
            continue;
        }
        if (*c < 0x10000) {
            units.push_back(static_cast<char16_t>(*c));
        } else {
            units.push_back(static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF)));
        }
        pos += length;
    }
    return units;
}

std::size_t CharCount(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n)
        pos += SequenceLength(static_cast<unsigned char>(text[pos]));
    return n;
}

std::string FirstChars(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, OffsetOf(text, count)));
}

std::string FixWidth(std::string_view text, std::size_t width) {
    std::string out = FirstChars(text, width);
    out.append(width - CharCount(out), ' ');
    return out;
}

std::string MidChars(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t from = OffsetOf(text, start);
    return FirstChars(text.substr(from), count);
}

std::string Blank(std::size_t width) { return std::string(width, ' '); }

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool IsBlank(std::string_view text) { return TrimSpaces(text).empty(); }

std::int16_t LeadingInt16(std::string_view text) {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos) return 0;
    bool negative = false;
    if (text[pos] == '-' || text[pos] == '+') {
        negative = text[pos] == '-';
        ++pos;
    }
    long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > 100000) break;  // already beyond int16 either way
    }
    if (negative) value = -value;
    value = std::clamp<long>(value, std::numeric_limits<std::int16_t>::min(),
                             std::numeric_limits<std::int16_t>::max());
    return static_cast<std::int16_t>(value);
}

std::string NumberField(long v, std::size_t width) {
    return FixWidth(std::to_string(v), width);
}

}  // namespace tavo
