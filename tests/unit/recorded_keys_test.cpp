#include "core/editor/recorded_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "case_names.h"
#include "core/acting/key_sender.h"
#include "fakes/fake_keyboard.h"

namespace tavo {
namespace {

// Plain fields: GCC 12 at -O3 warns that a string in a nested aggregate of Values() may
// be used uninitialised.
struct KeyCase {
    const char* name;
    int virtualKey;
    bool ctrl, shift, alt;
    const char* text;
    const char* piece;

    TypedKey Key() const { return {virtualKey, ctrl, shift, alt, text}; }
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class RecordedKeyTest : public ::testing::TestWithParam<KeyCase> {};

// A key command must come back as the same key with the same modifiers when the key
// sender types it: the replay is the point of recording it.
TEST_P(RecordedKeyTest, BecomesAPieceTheSenderTypesAsTheSameKey) {
    const KeyCase& c = GetParam();
    ASSERT_EQ(KeyPiece(c.Key()), c.piece);
    if (!std::string_view(c.piece).starts_with("/*")) return;
    testing::FakeKeyboard keyboard;
    const auto codePage = MakeCodePage936();
    KeySender(keyboard, *codePage).SendText(1, c.piece, 0);
    const auto& e = keyboard.events;
    const auto down = std::find_if(e.begin(), e.end(),
                                   [](const std::string& s) { return s.starts_with("KEYDOWN"); });
    ASSERT_NE(down, e.end());
    EXPECT_TRUE(down->starts_with("KEYDOWN " +
                                  testing::Hex(static_cast<std::uint32_t>(c.virtualKey)) + " "));
    const auto pressed = [&](const std::string& vk) {
        return std::any_of(e.begin(), e.end(),
                           [&](const std::string& s) { return s.starts_with("press " + vk); });
    };
    EXPECT_EQ(pressed("0x11"), c.ctrl);
    EXPECT_EQ(pressed("0x10"), c.shift);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RecordedKeyTest,
    ::testing::Values(KeyCase{"letter", 'A', false, false, false, "a", "a"},
                      KeyCase{"Chinese character", 0xE5, false, false, false, "你", "你"},
                      KeyCase{"space", 0x20, false, false, false, " ", "/*SPACE*/"},
                      KeyCase{"Enter", 0x0D, false, false, false, "\r", "/*ENTER*/"},
                      KeyCase{"Backspace", 0x08, false, false, false, "\b", "/*BACK*/"},
                      KeyCase{"Tab", 0x09, false, false, false, "\t", "/*\t*/"},
                      KeyCase{"Shift Tab", 0x09, false, true, false, "\t", "/*SHIFT+\t*/"},
                      KeyCase{"F5", 0x74, false, false, false, "", "/*F5*/"},
                      KeyCase{"Ctrl C", 'C', true, false, false, "\x03", "/*CTRL+C*/"},
                      KeyCase{"Ctrl Shift A", 'A', true, true, false, "", "/*CTRL+SHIFT+A*/"},
                      KeyCase{"Ctrl with a key without a name", 0xBA, true, false, false, "", ""},
                      KeyCase{"Alt F4", 0x73, false, false, true, "", ""}),
    case_names::ByName{});

TEST(RecordedTextAndPause, AFinalEnterAfterPlainTextIsTheSendersAndPausesRoundWithinTheField) {
    EXPECT_EQ(RecordedText({"/*CTRL+C*/", "/*ENTER*/"}), "/*CTRL+C*//*ENTER*/");
    EXPECT_EQ(RecordedText({"a", "/*ENTER*/", "b"}), "a/*ENTER*/b");
    for (const auto& [ms, pause] :
         {std::pair<std::int64_t, int>{499, 0}, {500, 1}, {2499, 2}, {40'000'000, 32767}, {-5, 0}})
        EXPECT_EQ(RecordedPause(ms), pause) << ms;
}

}  // namespace
}  // namespace tavo
