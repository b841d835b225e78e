#include <gtest/gtest.h>

#include "core/acting/key_sender.h"
#include "fakes/fake_keyboard.h"

namespace tavo {
namespace {

using Events = std::vector<std::string>;

// ENTER as SendText finishes a line: key stroke with the minimum delay, then a second up.
const Events kEnter = {"KEYDOWN 0xD 0x1C0001", "sleep 100", "KEYUP 0xD 0xC01C0001",
                       "KEYUP 0xD 0xC01C0001"};

Events Join(std::initializer_list<Events> parts) {
    Events all;
    for (const Events& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class KeySenderTest : public ::testing::Test {
protected:
    Events Send(const std::string& text, int delay = 0) {
        keyboard.events.clear();
        sender.SendText(7, text, delay);
        return keyboard.events;
    }

    testing::FakeKeyboard keyboard;
    std::unique_ptr<CodePage936> cp = MakeCodePage936();
    KeySender sender{keyboard, *cp};
};

TEST_F(KeySenderTest, PlainTextIsTypedAndFinishedWithEnter) {
    EXPECT_EQ(Send("abc"), Join({{"CHAR 0x61 0x1", "CHAR 0x62 0x1", "CHAR 0x63 0x1"}, kEnter}));
    EXPECT_EQ(Send("a b"), Join({{"CHAR 0x61 0x1", "CHAR 0x62 0x1"}, kEnter}));
}

TEST_F(KeySenderTest, KeyCommandsAloneNeedNoEnter) {
    EXPECT_EQ(Send("/*F5*/"), (Events{"KEYDOWN 0x74 0x3F0001", "sleep 100", "KEYUP 0x74 0xC03F0001",
                                      "KEYUP 0x74 0xC03F0001"}));
}

TEST_F(KeySenderTest, CtrlIsHeldSystemWideAroundTheKey) {
    EXPECT_EQ(Send("/*ctrl+c*/", 250),
              (Events{"press 0x11 scan 0x1D", "KEYDOWN 0x43 0x2E0001", "sleep 250",
                      "KEYUP 0x43 0xC02E0001", "KEYUP 0x43 0xC02E0001", "release 0x11 scan 0x1D"}));
}

TEST_F(KeySenderTest, TwoModifiersInEitherOrderPressCtrlFirstAndReleaseCtrlFirst) {
    const Events expected = {"press 0x11 scan 0x1D",    "press 0x10 scan 0x2A",
                             "KEYDOWN 0x41 0x1E0001",   "sleep 100",
                             "KEYUP 0x41 0xC01E0001",   "KEYUP 0x41 0xC01E0001",
                             "release 0x11 scan 0x1D",  "release 0x10 scan 0x2A"};
    EXPECT_EQ(Send("/*shift+ctrl+a*/"), expected);
    EXPECT_EQ(Send("/*ctrl+shift+a*/"), expected);
}

TEST_F(KeySenderTest, AltMakesASystemKeyStrokeAndReleasesShiftBeforeCtrl) {
    EXPECT_EQ(Send("/*alt+f4*/"), (Events{"SYSKEYDOWN 0x73 0x203E0001", "SYSKEYUP 0x73 0xE03E0001"}));
    // A third "+" stays in the key: "ALT+F4" is no key name, so it is struck letter by letter.
    const Events three = Send("/*ctrl+shift+alt+f4*/");
    ASSERT_EQ(three.size(), 2 + 6 * 3 + 2u);
    EXPECT_EQ(three[2], "KEYDOWN 0x41 0x1E0001");
    EXPECT_EQ(Events(three.end() - 2, three.end()),
              (Events{"release 0x11 scan 0x1D", "release 0x10 scan 0x2A"}));
    EXPECT_EQ(Send("/*shift+ctrl+alt+x*/").front(), "press 0x11 scan 0x1D");
    EXPECT_EQ(Send("/*ctrl+alt+f4*/"), (Events{"press 0x11 scan 0x1D", "SYSKEYDOWN 0x73 0x203E0001",
                                               "SYSKEYUP 0x73 0xE03E0001", "release 0x11 scan 0x1D"}));
}

TEST_F(KeySenderTest, AFaultMidCommandStillReleasesTheModifiers) {
    keyboard.postFails = true;
    EXPECT_THROW(sender.SendText(7, "/*shift+ctrl+a*/", 0), std::runtime_error);
    EXPECT_EQ(keyboard.events, (Events{"press 0x11 scan 0x1D", "press 0x10 scan 0x2A",
                                       "release 0x11 scan 0x1D", "release 0x10 scan 0x2A"}));
}

TEST_F(KeySenderTest, UnknownKeyNamesAreStruckLetterByLetter) {
    EXPECT_EQ(Send("/*TAB*/"), (Events{"KEYDOWN 0x54 0x140001", "sleep 100", "KEYUP 0x54 0xC0140001",
                                       "KEYDOWN 0x41 0x1E0001", "sleep 100", "KEYUP 0x41 0xC01E0001",
                                       "KEYDOWN 0x42 0x300001", "sleep 100", "KEYUP 0x42 0xC0300001"}));
    EXPECT_EQ(Send("/*ctrl+tab*/").back(), "release 0x11 scan 0x1D");
}

TEST_F(KeySenderTest, TextAroundAndBetweenCommands) {
    const Events f1 = {"KEYDOWN 0x70 0x3B0001", "sleep 100", "KEYUP 0x70 0xC03B0001", "KEYUP 0x70 0xC03B0001"};
    const Events f2 = {"KEYDOWN 0x71 0x3C0001", "sleep 100", "KEYUP 0x71 0xC03C0001", "KEYUP 0x71 0xC03C0001"};
    EXPECT_EQ(Send("hi/*F1*/yo"),
              Join({{"CHAR 0x68 0x1", "CHAR 0x69 0x1"}, f1, {"CHAR 0x79 0x1", "CHAR 0x6F 0x1"}, kEnter}));
    EXPECT_EQ(Send("ab/*F1*//*F2*/"), Join({{"CHAR 0x61 0x1", "CHAR 0x62 0x1"}, f1, f2, kEnter}));
}

TEST_F(KeySenderTest, EmptyAndStrayMarkersAreTypedAsText) {
    const Events markers = {"CHAR 0x2F 0x1", "CHAR 0x2A 0x1", "CHAR 0x2A 0x1", "CHAR 0x2F 0x1"};
    EXPECT_EQ(Send("/**/"), Join({markers, kEnter}));
    EXPECT_EQ(Send("x/**/"), Join({{"CHAR 0x78 0x1"}, kEnter}));  // an empty command presses nothing
    EXPECT_EQ(Send("/**/x"), Join({markers, {"CHAR 0x78 0x1"}, kEnter}));
    EXPECT_EQ(Send("*/a/*"), Join({{"CHAR 0x2A 0x1", "CHAR 0x2F 0x1", "CHAR 0x61 0x1", "CHAR 0x2F 0x1",
                                    "CHAR 0x2A 0x1"},
                                   kEnter}));
    EXPECT_EQ(Send("/*/x*/"), Join({{"CHAR 0x2F 0x1", "CHAR 0x2A 0x1", "CHAR 0x2F 0x1", "CHAR 0x78 0x1",
                                     "CHAR 0x2A 0x1", "CHAR 0x2F 0x1"},
                                    kEnter}));
}

TEST_F(KeySenderTest, DoubleByteCharactersCarryTheirCodePageCode) {
    // 中 is D6 D0 in code page 936: lead byte in bits 8-15, sign-extended.
    EXPECT_EQ(Send("中a"), Join({{"CHAR 0xFFFFD6D0 0x1", "CHAR 0x61 0x1"}, kEnter}));
    EXPECT_EQ(Send("/*中*/"), (Events{"CHAR 0xFFFFD6D0 0x1", "KEYUP 0xFFFFD6D0 0xC0000001"}));
}

TEST_F(KeySenderTest, AUnicodeWindowIsGivenCharactersAsUtf16AndKeyStrokesAsBefore) {
    keyboard.unicodeWindow = true;
    EXPECT_EQ(Send("中a"), Join({{"wide CHAR 0x4E2D 0x1", "wide CHAR 0x61 0x1"}, kEnter}));
    EXPECT_EQ(Send("/*中*/"), (Events{"wide CHAR 0x4E2D 0x1", "KEYUP 0xFFFFD6D0 0xC0000001"}));
    EXPECT_EQ(Send("/*ctrl+c*/", 250)[1], "KEYDOWN 0x43 0x2E0001");
    // Outside the basic plane, and outside the code page: a surrogate pair, not "?".
    EXPECT_EQ(Send("😀"), Join({{"wide CHAR 0xD83D 0x1", "wide CHAR 0xDE00 0x1"}, kEnter}));
    EXPECT_EQ(Send("/*😀*/").front(), "wide CHAR 0xD83D 0x1");
    keyboard.unicodeWindow = false;
    EXPECT_EQ(Send("😀"), Join({{"CHAR 0x3F 0x1"}, kEnter}));
}

TEST_F(KeySenderTest, KeyDelayIsAtLeastOneHundred) {
    EXPECT_EQ(EffectiveKeyDelay(50), 100);
    EXPECT_EQ(EffectiveKeyDelay(250), 250);
    EXPECT_EQ(Send("/*F5*/", 50)[1], "sleep 100");
    EXPECT_EQ(Send("/*F5*/", 250)[1], "sleep 250");
}

TEST(KeyNames, TableAndFunctionKeys) {
    struct Case {
        const char* name;
        int code;
    };
    const Case cases[] = {{"F1", 0x70},       {"F12", 0x7B},      {"F13", 0},        {"F0", 0},
                          {"F01", 0},         {"PRINT", 0x2A},    {"DEL", 0x2E},     {"DELETE", 0x2E},
                          {"SCROLLLOCK", 0x91}, {"PAGEDOWN", 0x22}, {"TAB", 0},        {"", 0}};
    for (const Case& c : cases) EXPECT_EQ(KeyNameCode(c.name), c.code) << c.name;
}

}  // namespace
}  // namespace tavo
