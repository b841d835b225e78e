#include "core/util/text.h"

#include <algorithm>
#include <limits>

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

}  // namespace

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
