#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "platform/code_page.h"

namespace tavo {
namespace {

// Hand-written byte images and the exact text both builds must give for them: iconv's
// table natively, Windows' own table in the Windows build.
struct DecodeCase {
    const char* name;
    std::string_view bytes;
    std::string_view text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class CodePageDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(CodePageDecodeTest, GivesTheSameTextInBothBuilds) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(MakeCodePage936()->Decode(c.bytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CodePageDecodeTest,
    ::testing::Values(
        DecodeCase{"ascii and 0x7F pass through", "Tavo|400|\t~\x7F", "Tavo|400|\t~\x7F"},
        DecodeCase{"characters among ascii", "a\xD6\xD0" "b\xCE\xC4", "a中b文"},
        DecodeCase{"trail byte in the ascii range", "\x81\x40" "A", "丂A"},
        DecodeCase{"trail byte 0x80", "\x81\x80", "亐"},
        DecodeCase{"a lead byte is a trail byte too", "\x81\xD6\xD0", "佒?"},
        DecodeCase{"0x80 alone is the euro sign", "\x80" "A", "€A"},
        DecodeCase{"0xFF leaves the next byte alone", "\xFF" "AB", "?AB"},
        DecodeCase{"lead byte before a space", "\x81 A", "? A"},
        DecodeCase{"lead byte before 0x7F", "\x81\x7F", "?\x7F"},
        DecodeCase{"lead byte before 0xFF", "\xD6\xFF" "A", "??A"},
        DecodeCase{"lead byte at the end", "A\xD6", "A?"},
        DecodeCase{"user-defined unit takes both bytes", "\xAA\xA1" "B", "?B"},
        DecodeCase{"user-defined unit with an ascii-range trail", "\xA1\x40" "A", "?A"},
        DecodeCase{"last user-defined area", "\xF8\xA1\xFE\xFE", "??"},
        DecodeCase{"unassigned unit", "\xA2\xE3" "C", "?C"}),
    case_names::ByName{});

TEST(CodePageEncode, ACharacterWithoutAFormOfItsOwnIsAQuestionMarkInBothBuilds) {
    const auto cp = MakeCodePage936();
    EXPECT_EQ(cp->Encode("a中€"), "a\xD6\xD0\x80");
    EXPECT_EQ(cp->Encode("x²ª"), "x??");  // no look-alike stands in
}

}  // namespace
}  // namespace tavo
