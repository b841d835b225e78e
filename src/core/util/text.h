#pragma once
// UTF-8 helpers for the fixed-width text fields: widths count characters (code points), not bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavo {

// Number of code points in a UTF-8 string (a malformed byte counts as one).
std::size_t CharCount(std::string_view text);

// The first `count` code points of `text`.
std::string FirstChars(std::string_view text, std::size_t count);

// Cut to `width` characters or pad with spaces on the right to exactly `width`.
std::string FixWidth(std::string_view text, std::size_t width);

// The UTF-16 code units of a UTF-8 text; a malformed byte is U+FFFD.
std::u16string Utf16Units(std::string_view text);

// Characters [start, start + count) by code point, 0-based; short when the text ends early.
std::string MidChars(std::string_view text, std::size_t start, std::size_t count);

std::string Blank(std::size_t width);

// Trimmed of spaces at both ends (spaces only, as the fixed-width fields pad with them).
std::string_view TrimSpaces(std::string_view text);
bool IsBlank(std::string_view text);

// The value that the leading sign and digits spell, after leading spaces; 0 when none.
// Saturates to the int16 range.
std::int16_t LeadingInt16(std::string_view text);

// Decimal text of v followed by spaces, cut to width.
std::string NumberField(long v, std::size_t width);

}  // namespace tavo
