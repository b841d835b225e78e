// Tavo under the system's own code page (run once under a Chinese locale and once under
// an English one): a Chinese keyword finds a window with a Chinese title; a Unicode
// window is given Chinese as itself, an ANSI window the system code page's form.
#include "tavo_actions_fixture.h"

namespace e2e {
namespace {

using TavoLocale = TavoActionsTest;

// Keyword "练习" (in the target's title), 400 × 300, one window, other windows.
constexpr wchar_t kChineseKeywordHeader[] = L"练习|400|300|1|1|";

std::vector<GmxRecord> TypingScript() {
    return {{.pPause = 30, .NodeKey = L"L1", .NodeText = L"中文", .pChar = L"a中文"}};
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// What an ANSI window receives for a character posted in the system code page's form.
// Windows hands the code on as it is; Wine splits a double-byte code into its two bytes,
// the trail byte first.
std::vector<std::string> AnsiWindowReceives(wchar_t c) {
    char bytes[2] = {};
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, 2, nullptr, nullptr);
    const auto lead = static_cast<unsigned char>(bytes[0]), trail = static_cast<unsigned char>(bytes[1]);
    if (n != 2) return {PostedChar(lead)};
    if (UnderWine()) return {PostedChar(trail), PostedChar(lead)};
    return {PostedChar(0xFFFF0000ull | (lead << 8) | trail)};
}

std::string Locale() { return "(system code page " + std::to_string(GetACP()) + ")"; }

TEST_F(TavoLocale, AChineseKeywordFindsAChineseTitleAndAUnicodeWindowIsGivenChineseAsItself) {
    TargetSetup setup;
    setup.title = L"中文练习窗口";
    ASSERT_NO_FATAL_FAILURE(StartTarget(setup));
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript(TypingScript(), {{0, L"中文"}}, kChineseKeywordHeader))
        << Locale();

    std::vector<std::string> expected = {PostedChar('a'), PostedChar(L'中'), PostedChar(L'文')};
    Append(expected, KeyStroke(VK_RETURN));
    const std::vector<LoggedInput> posted = RunUntilPosted(expected.size());
    EXPECT_EQ(Briefs(posted), expected) << Locale() << " posted:" << Join(Briefs(posted));
}

TEST_F(TavoLocale, AnAnsiWindowIsGivenTheSystemCodePagesForm) {
    TargetSetup setup;  // an ASCII title: an ANSI window holds its title in the code page
    setup.ansi = true;
    ASSERT_NO_FATAL_FAILURE(StartTarget(setup));
    ASSERT_NO_FATAL_FAILURE(StartTavoWithScript(TypingScript(), {{0, L"中文"}})) << Locale();

    // Each character is posted as its code in the system code page, a double-byte one
    // with the lead byte in bits 8-15; "?" where the code page has none.
    std::vector<std::string> expected = {PostedChar('a')};
    for (const wchar_t c : {L'中', L'文'}) Append(expected, AnsiWindowReceives(c));
    Append(expected, KeyStroke(VK_RETURN));
    const std::vector<LoggedInput> posted = RunUntilPosted(expected.size());
    EXPECT_EQ(Briefs(posted), expected) << Locale() << " posted:" << Join(Briefs(posted));
}

}  // namespace
}  // namespace e2e
