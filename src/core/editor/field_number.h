#pragma once
// Numbers typed into the editor's small boxes.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavo {

// The value of a typed number: spaces, tabs and line feeds anywhere are ignored, then the
// longest leading number is read: a sign, digits with a fraction and an exponent, or "&H"
// with hexadecimal or "&O" with octal digits. 0 when the text starts with no number.
double FieldNumberValue(std::string_view text);

// The value taken to the nearest integer, halves to the even one; none when that does not
// fit a 16-bit field.
std::optional<std::int16_t> FieldInt16(double value);

}  // namespace tavo
