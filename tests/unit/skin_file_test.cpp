#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <set>
#include <string>

#include "case_names.h"
#include "skin/skin_file.h"

namespace tavo::skin {
namespace {

const std::string kRequired =
    ".SHE\n"
    "name=Test\n"
    "caption.active=#102030,#405060\n"
    "caption.inactive=#A0A0A0\n"
    "text.active=#FFFFFF\n"
    "text.inactive=#EEEEEE\n"
    "frame.active=#000000\n"
    "frame.inactive=#808080\n"
    "glyph.active=#FFFF00\n"
    "button.face=none\n"
    "button.hover=#00FF00\n"
    "button.pressed=#008000\n";

// Built by appending: GCC 12 warns wrongly about a literal added to a std::string.
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text.append(part);
    return text;
}

std::string With(std::string_view line) { return Cat({kRequired, line, "\n"}); }

TEST(SkinFile, RequiredKeysAloneGiveAThemeWithDefaultsFollowingThem) {
    const SkinParseResult r = ParseSkinFile(kRequired);
    ASSERT_TRUE(r.theme) << r.error;
    const SkinTheme& t = *r.theme;
    EXPECT_EQ(t.active.captionStart, (Rgb{0x10, 0x20, 0x30}));
    EXPECT_EQ(t.active.captionEnd, (Rgb{0x40, 0x50, 0x60}));
    EXPECT_EQ(t.inactive.captionEnd, t.inactive.captionStart) << "one colour is a flat caption";
    EXPECT_TRUE(t.buttons.flat);
    EXPECT_EQ(t.active.border, t.active.captionStart);
    EXPECT_EQ(t.inactive.glyph, t.inactive.text);
    EXPECT_EQ(t.buttons.closeHover, t.buttons.hover);
    EXPECT_FALSE(t.active.hasTextShadow);
    EXPECT_EQ(t.metrics, ButtonMetrics{});
}

TEST(SkinFile, OptionalKeysCrLfCommentsAndUnknownKeys) {
    const std::string lines = Cat({kRequired,
                                   "# comment\n\n"
                                   "button.size = 30,20\n"
                                   "button.shape=round\n"
                                   "caption.direction=horizontal\n"
                                   "caption.align=center\n"
                                   "frame.width=3\n"
                                   "textshadow.active=#010203\n"
                                   "button.close=#FF0000\n"
                                   "future.key=anything\n"});
    std::string text;
    for (const char c : lines) {
        if (c == '\n') text.push_back('\r');
        text.push_back(c);
    }
    const SkinParseResult r = ParseSkinFile(text);
    ASSERT_TRUE(r.theme) << r.error;
    EXPECT_EQ(r.theme->metrics.width, 30);
    EXPECT_EQ(r.theme->metrics.height, 20);
    EXPECT_EQ(r.theme->shape, ButtonShape::Round);
    EXPECT_EQ(r.theme->direction, GradientDirection::Horizontal);
    EXPECT_EQ(r.theme->align, TextAlign::Center);
    EXPECT_EQ(r.theme->frameWidth, 3);
    EXPECT_TRUE(r.theme->active.hasTextShadow);
    EXPECT_EQ(r.theme->active.textShadow, (Rgb{1, 2, 3}));
    EXPECT_EQ(r.theme->buttons.closeHover, (Rgb{255, 0, 0}));
}

struct BadFile {
    const char* name;
    std::string text;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class SkinFileRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(SkinFileRefusal, GivesNoThemeAndSaysWhy) {
    const SkinParseResult r = ParseSkinFile(GetParam().text);
    EXPECT_FALSE(r.theme);
    EXPECT_FALSE(r.error.empty());
}

std::string Without(const std::string& key) {
    std::string text = kRequired;
    const std::size_t at = text.find(Cat({key, "="}));
    return text.erase(at, text.find('\n', at) - at + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkinFileRefusal,
    ::testing::Values(BadFile{"empty", ""}, BadFile{"magic only", ".SHE"},
                      BadFile{"other magic", Cat({"SHE.\n", kRequired.substr(5)})},
                      BadFile{"text before the magic", Cat({" ", kRequired})},
                      BadFile{"magic followed by text", Cat({".SHEX\n", kRequired.substr(5)})},
                      BadFile{"required key missing", Without("glyph.active")},
                      BadFile{"name missing", Without("name")},
                      BadFile{"short colour", With("button.close=#12345")},
                      BadFile{"not hex", With("button.close=#GG0000")},
                      BadFile{"colour without the hash sign", With("button.close=FF0000")},
                      BadFile{"gradient end unreadable", With("caption.active=#000000,red")},
                      BadFile{"key given twice", With("name=Again")},
                      BadFile{"line without an equals sign", With("button.size")},
                      BadFile{"button too small", With("button.size=7,18")},
                      BadFile{"button size one number", With("button.size=20")},
                      BadFile{"frame too wide", With("frame.width=9")},
                      BadFile{"negative margin", With("button.margin=-1")},
                      BadFile{"number with trailing text", With("button.spacing=2px")},
                      BadFile{"unknown shape", With("button.shape=oval")},
                      BadFile{"too large", With(Cat({"#", std::string(kMaxSkinFileSize, 'x')}))}),
    case_names::ByName{});

std::string ShippedSkin(int number) {
    const std::string path = Cat({TAVO_SKIN_DIR, number < 10 ? "/0" : "/", std::to_string(number), ".she"});
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SkinFile, TheThirteenShippedSkinsLoadAndDifferFromEachOther) {
    std::set<std::string> names;
    std::set<std::tuple<int, int, int>> captions;
    for (int n = 1; n <= 13; ++n) {
        const SkinParseResult r = ParseSkinFile(ShippedSkin(n));
        ASSERT_TRUE(r.theme) << "skin " << n << ": " << r.error;
        names.insert(r.theme->name);
        const Rgb c = r.theme->active.captionStart;
        captions.insert({c.r, c.g, c.b});
    }
    EXPECT_EQ(names.size(), 13u);
    EXPECT_EQ(captions.size(), 13u);
}

}  // namespace
}  // namespace tavo::skin
