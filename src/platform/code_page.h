#pragma once
// Conversion between the core's UTF-8 and code page 936, the encoding of Script files and
// of the narrow Win32 calls.
#include <memory>
#include <string>
#include <string_view>

namespace tavo {

class CodePage936 {
public:
    virtual ~CodePage936() = default;
    // A character that has no code-page-936 form becomes "?".
    virtual std::string Encode(std::string_view utf8) = 0;
    // Bytes that form no character become "?"; the input holds no dangling lead byte.
    virtual std::string Decode(std::string_view cp936) = 0;
};

// The platform's own conversion: Windows' tables on Windows, iconv elsewhere.
std::unique_ptr<CodePage936> MakeCodePage936();

}  // namespace tavo
