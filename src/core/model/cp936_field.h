#pragma once
// Fixed-width byte fields of Script files: text in code page 936, space padded.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace tavo {

// The code-page-936 form of `text` cut to `width` bytes and padded with spaces. A
// double-byte character that would not fit whole is left out, never split.
std::string EncodeField(CodePage936& codePage, std::string_view text, std::size_t width);

// The text of a byte field, padded with spaces to `widthChars` characters (cut if
// longer). A lead byte whose second byte is missing (cut off by another program) is
// dropped.
std::string DecodeField(CodePage936& codePage, std::string_view bytes, std::size_t widthChars);

// `text` without the characters code page 936 cannot hold (an emoji, most other
// scripts), which a field would store as "?".
std::string WithoutUnencodable(CodePage936& codePage, std::string_view text);

// Without a final lead byte that has lost its second byte.
std::string_view WithoutDanglingLead(std::string_view bytes);

}  // namespace tavo
