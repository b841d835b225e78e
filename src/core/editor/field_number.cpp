#include "core/editor/field_number.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tavo {
namespace {

bool IsDigitIn(char c, int base) {
    if (base == 8) return c >= '0' && c <= '7';
    if (base == 16) return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                        : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

// "&H1F" or "&O17", after the "&".
double RadixValue(const std::string& s, std::size_t i) {
    if (i >= s.size()) return 0;
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
    if (base == 0) return 0;
    double value = 0;
    for (++i; i < s.size() && IsDigitIn(s[i], base); ++i)
        value = value * base + DigitValue(s[i]);
    return value;
}

std::size_t SkipDigits(const std::string& s, std::size_t i) {
    while (i < s.size() && IsDigitIn(s[i], 10)) ++i;
    return i;
}

// The end of "sign digits [. digits] [E sign digits]" starting at i; i when there are no digits.
std::size_t DecimalEnd(const std::string& s, std::size_t i) {
    const std::size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t digits = i;
    i = SkipDigits(s, i);
    bool any = i > digits;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = i + 1;
        const std::size_t end = SkipDigits(s, fraction);
        if (end > fraction || any) i = end;
        any = any || end > fraction;
    }
    if (!any) return start;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        const std::size_t end = SkipDigits(s, e);
        if (end > e) i = end;  // an exponent without digits is not part of the number
    }
    return i;
}

}  // namespace

double FieldNumberValue(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    if (!s.empty() && s[0] == '&') return RadixValue(s, 1);
    const std::size_t end = DecimalEnd(s, 0);
    if (end == 0) return 0;
    return std::strtod(s.substr(0, end).c_str(), nullptr);
}

std::optional<std::int16_t> FieldInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tavo
