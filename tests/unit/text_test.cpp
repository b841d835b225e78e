#include <gtest/gtest.h>

#include "core/util/text.h"

namespace tavo {
namespace {

TEST(FixWidth, CountsCharactersNotBytes) {
    EXPECT_EQ(FixWidth("中文", 4), "中文  ");
    EXPECT_EQ(FixWidth("中文字符", 2), "中文");
    EXPECT_EQ(CharCount("a中b"), 3u);
    EXPECT_EQ(MidChars("ab中文cd", 2, 3), "中文c");
}

TEST(LeadingInt16, ReadsLeadingSignAndDigits) {
    struct Case { const char* text; int value; };
    const Case cases[] = {{"     ", 0}, {"-5   ", -5}, {"  12a", 12}, {"abc", 0},
                          {"32767", 32767}, {"99999", 32767}, {"-1234", -1234}, {"+7", 7}};
    for (const auto& c : cases) EXPECT_EQ(LeadingInt16(c.text), c.value) << c.text;
}


TEST(Utf16Units, CodePointsBecomeUnitsAndMalformedBytesReplacementCharacters) {
    const struct {
        const char* utf8;
        std::u16string units;
    } cases[] = {
        {"a中", u"a\u4E2D"},
        {"😀", u"\xD83D\xDE00"},
        {"\xC3", u"\xFFFD"},                        // cut short at the end
        {"\xE4\xB8" "a", u"\xFFFD\xFFFD" "a"},      // cut short before another character
        {"\xC0\x80", u"\xFFFD\xFFFD"},              // overlong
        {"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},    // an encoded surrogate
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16Units(c.utf8), c.units) << c.utf8;
}

}  // namespace
}  // namespace tavo
