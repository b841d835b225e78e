// The listing of what a text sends, compared whole, with the built-in US scan codes.
#include <gtest/gtest.h>

#include <ios>
#include <ostream>
#include <sstream>
#include <string>

#include "case_names.h"
#include "cli/key_listing.h"

namespace tavo::cli {
namespace {

constexpr const char* kEnter =
    "WM_KEYDOWN    wParam 0x0000000D lParam 0x001C0001\n"
    "sleep 100\n"
    "WM_KEYUP      wParam 0x0000000D lParam 0xC01C0001\n"
    "WM_KEYUP      wParam 0x0000000D lParam 0xC01C0001\n";

struct KeysCase {
    const char* name;
    const char* text;
    int delay;
    std::string expected;
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }

std::string Listed(const char* text, int delay, ScanCodeSource scanCodes) {
    std::ostringstream out;
    ListKeys(text, delay, scanCodes, *MakeCodePage936(), out);
    return out.str();
}

class KeysListing : public ::testing::TestWithParam<KeysCase> {};

TEST_P(KeysListing, PrintsEveryMessageEventAndSleep) {
    EXPECT_EQ(Listed(GetParam().text, GetParam().delay, UsScanCode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KeysListing,
    ::testing::Values(
        KeysCase{"plain", "abc", 0,
                 std::string("WM_CHAR       wParam 0x00000061 lParam 0x00000001\n"
                             "WM_CHAR       wParam 0x00000062 lParam 0x00000001\n"
                             "WM_CHAR       wParam 0x00000063 lParam 0x00000001\n") + kEnter},
        KeysCase{"ctrl_c", "/*ctrl+c*/", 0,
                 "keybd_event   key 0x11 scan 0x1D press\n"
                 "WM_KEYDOWN    wParam 0x00000043 lParam 0x002E0001\n"
                 "sleep 100\n"
                 "WM_KEYUP      wParam 0x00000043 lParam 0xC02E0001\n"
                 "WM_KEYUP      wParam 0x00000043 lParam 0xC02E0001\n"
                 "keybd_event   key 0x11 scan 0x1D release\n"},
        KeysCase{"alt_f4", "/*alt+f4*/", 0,
                 "WM_SYSKEYDOWN wParam 0x00000073 lParam 0x203E0001\n"
                 "WM_SYSKEYUP   wParam 0x00000073 lParam 0xE03E0001\n"},
        KeysCase{"double_byte", "\xE4\xB8\xAD", 0,  // U+4E2D, D6 D0 in code page 936
                 std::string("WM_CHAR       wParam 0xFFFFD6D0 lParam 0x00000001\n") + kEnter},
        KeysCase{"plain_around_command", "hi/*F1*/yo", 0,
                 std::string("WM_CHAR       wParam 0x00000068 lParam 0x00000001\n"
                             "WM_CHAR       wParam 0x00000069 lParam 0x00000001\n"
                             "WM_KEYDOWN    wParam 0x00000070 lParam 0x003B0001\n"
                             "sleep 100\n"
                             "WM_KEYUP      wParam 0x00000070 lParam 0xC03B0001\n"
                             "WM_KEYUP      wParam 0x00000070 lParam 0xC03B0001\n"
                             "WM_CHAR       wParam 0x00000079 lParam 0x00000001\n"
                             "WM_CHAR       wParam 0x0000006F lParam 0x00000001\n") + kEnter},
        KeysCase{"delay_for_commands_not_enter", "x/*F12*/", 250,
                 std::string("WM_CHAR       wParam 0x00000078 lParam 0x00000001\n"
                             "WM_KEYDOWN    wParam 0x0000007B lParam 0x00580001\n"
                             "sleep 250\n"
                             "WM_KEYUP      wParam 0x0000007B lParam 0xC0580001\n"
                             "WM_KEYUP      wParam 0x0000007B lParam 0xC0580001\n") + kEnter},
        KeysCase{"shift_then_unknown_name", "/*shift+tab*/", 50,
                 "keybd_event   key 0x10 scan 0x2A press\n"
                 "WM_KEYDOWN    wParam 0x00000054 lParam 0x00140001\n"
                 "sleep 100\n"
                 "WM_KEYUP      wParam 0x00000054 lParam 0xC0140001\n"
                 "WM_KEYDOWN    wParam 0x00000041 lParam 0x001E0001\n"
                 "sleep 100\n"
                 "WM_KEYUP      wParam 0x00000041 lParam 0xC01E0001\n"
                 "WM_KEYDOWN    wParam 0x00000042 lParam 0x00300001\n"
                 "sleep 100\n"
                 "WM_KEYUP      wParam 0x00000042 lParam 0xC0300001\n"
                 "keybd_event   key 0x10 scan 0x2A release\n"},
        KeysCase{"nothing_to_send", "   ", 0, ""}),
    case_names::ByName{});

TEST(KeysListing, TakesScanCodesFromTheGivenSource) {
    const ScanCodeSource none = [](std::uint32_t) -> std::uint32_t { return 0; };
    EXPECT_EQ(Listed("/*esc*/", 0, none),
              "WM_KEYDOWN    wParam 0x0000001B lParam 0x00000001\n"
              "sleep 100\n"
              "WM_KEYUP      wParam 0x0000001B lParam 0xC0000001\n"
              "WM_KEYUP      wParam 0x0000001B lParam 0xC0000001\n");
}

struct ScanCase {
    std::uint32_t virtualKey;
    std::uint32_t scan;
};

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << "virtual key 0x" << std::hex << std::uppercase << c.virtualKey << ", scan code 0x" << c.scan
        << std::dec << std::nouppercase;
}

// A letter or digit key by its character, any other by its code: Key_A, VirtualKey_0x70.
std::string ScanCaseName(const ScanCase& c) {
    const bool character =
        (c.virtualKey >= 'A' && c.virtualKey <= 'Z') || (c.virtualKey >= '0' && c.virtualKey <= '9');
    if (character) return std::string("Key_").append(1, static_cast<char>(c.virtualKey));
    std::ostringstream name;
    name << "VirtualKey_0x" << std::hex << std::uppercase << c.virtualKey;
    return name.str();
}

class UsScanCodes : public ::testing::TestWithParam<ScanCase> {};

TEST_P(UsScanCodes, MatchTheStandardLayout) {
    EXPECT_EQ(UsScanCode(GetParam().virtualKey), GetParam().scan)
        << "virtual key 0x" << std::hex << GetParam().virtualKey;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UsScanCodes,
    ::testing::Values(
        ScanCase{'A', 0x1E}, ScanCase{'L', 0x26}, ScanCase{'M', 0x32}, ScanCase{'P', 0x19},
        ScanCase{'Q', 0x10}, ScanCase{'Z', 0x2C}, ScanCase{'1', 0x02}, ScanCase{'9', 0x0A},
        ScanCase{'0', 0x0B}, ScanCase{0x70, 0x3B}, ScanCase{0x79, 0x44}, ScanCase{0x7A, 0x57},
        ScanCase{0x7B, 0x58}, ScanCase{0x0D, 0x1C}, ScanCase{0x11, 0x1D}, ScanCase{0x10, 0x2A},
        ScanCase{0x1B, 0x01}, ScanCase{0x20, 0x39}, ScanCase{0x08, 0x0E}, ScanCase{0x09, 0x0F},
        ScanCase{0x25, 0x4B}, ScanCase{0x26, 0x48}, ScanCase{0x27, 0x4D}, ScanCase{0x28, 0x50},
        ScanCase{0x24, 0x47}, ScanCase{0x23, 0x4F}, ScanCase{0x21, 0x49}, ScanCase{0x22, 0x51},
        ScanCase{0x2D, 0x52}, ScanCase{0x2E, 0x53}, ScanCase{0x13, 0x45}, ScanCase{0x91, 0x46},
        ScanCase{0x60, 0x52}, ScanCase{0x61, 0x4F}, ScanCase{0x65, 0x4C}, ScanCase{0x69, 0x49},
        // No scan code: the print key, F13, the keypad separator, a
        // double-byte character's sign-extended code.
        ScanCase{0x2A, 0}, ScanCase{0x7C, 0}, ScanCase{0x6C, 0}, ScanCase{0xFFFFD6D0, 0},
        ScanCase{0x141, 0}),
    case_names::ByFields(ScanCaseName));

}  // namespace
}  // namespace tavo::cli
