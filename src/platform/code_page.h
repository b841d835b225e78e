#pragma once
// Conversion between the core's UTF-8 and code page 936, the encoding of Script files and
// of the narrow Win32 calls.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

// The encoding narrow window messages carry: the system's ANSI code page.
class SystemCodePage {
public:
    virtual ~SystemCodePage() = default;
    // A character that has no form in the code page becomes "?".
    virtual std::string Encode(std::string_view utf8) = 0;
};

// Code page 936 is also the system code page of the systems Scripts are written on, and
// stands for it where no other is known.
class CodePage936 : public SystemCodePage {
public:
    // Bytes 0x00-0x7F are themselves and 0x80 is the euro sign. A lead byte 0x81-0xFE and a
    // trail byte 0x40-0x7E or 0x80-0xFE form one unit, "?" when the table has no character
    // for it (a private-use one counts as none). Any other byte is one "?" and decoding goes
    // on at the next byte, so a bad lead byte never swallows the character after it. Both
    // builds give the same text for any bytes.
    std::string Decode(std::string_view cp936);

private:
    // The platform table's character for one well-formed double-byte unit; none when the
    // table has no entry for it. Never a substitute.
    virtual std::optional<char32_t> DoubleByteChar(unsigned char lead, unsigned char trail) = 0;
};

// The platform's own conversion: Windows' tables on Windows, iconv elsewhere.
std::unique_ptr<CodePage936> MakeCodePage936();

}  // namespace tavo
