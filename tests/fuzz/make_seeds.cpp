// Writes the seed corpora from the tests' own byte images (tests/cli/*_bytes.h, the unit
// tests' texts and the shipped skins):  fuzz_seeds REPOSITORY_ROOT
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "bmp_bytes.h"
#include "gmx_bytes.h"

namespace fs = std::filesystem;
using namespace tavo::cli::test;
using Seeds = std::vector<std::pair<std::string, std::string>>;

namespace {

const char* const kGame = "Game|400|300|1|0|";

Seeds GmxSeeds() {
    const std::string fiveChars =
        kZhongWen936 + kZhongWen936 + kZhongWen936 + kZhongWen936 + kZhongWen936;
    std::string headerNul = FileOf(kGame, Numbered(1));
    headerNul[141] = '\0';
    return {
        {"clean",
         FileOf(kGame, {{.key = "L1"}, {.key = "L2", .parent = "L1", .yes = "L1", .no = "L2"}})},
        {"picture_alone",
         FileOf(kGame, {{.key = "L1", .x = 0, .y = 0, .picture = std::string(36, '0')}})},
        {"keyword_with_space", FileOf("My Game|400|300|1|0|", Numbered(1))},
        {"space_after_a_field", FileOf("Game|400| 300|1|0|", Numbered(1))},
        {"fewer_fields", FileOf("Game|400|300|", Numbered(1))},
        {"fifth_field_not_a_number", FileOf("Game|400|300|1|x|", Numbered(1))},
        {"keyword_with_bar", FileOf("a|b|400|300|1|0|", Numbered(1))},
        {"header_only", FileOf(kGame, {})},
        {"parent_defined_later",
         FileOf(kGame, {{.key = "L1"}, {.key = "L2", .parent = "L3"}, {.key = "L3"}})},
        {"duplicate_key", FileOf(kGame, {{.key = "L1"}, {.key = "L2"}, {.key = "L1"}})},
        {"blank_key", FileOf(kGame, {{.key = "L1"}, {.key = "   "}})},
        {"jumps_to_nowhere",
         FileOf(kGame, {{.key = "L1", .yes = "L9", .no = "L1"}, {.key = "L2", .no = "L8"}})},
        {"trailing_partial_block", FileOf(kGame, Numbered(1)) + "abcde"},
        {"numbers_cut_in_the_tag", FileOf(kGame, {{.key = "L1", .x = -12345, .base = 12}})},
        {"caption_with_space", FileOf(kGame, {{.key = "L1", .text = "two words"}})},
        {"cut_double_byte_character", FileOf(kGame, {{.key = "L1", .chars = "ab\xD6"}})},
        {"bytes_that_are_no_character", FileOf(kGame, {{.key = "L1", .chars = "ab\x81\x7F"}})},
        {"tree_in_pre_order",
         FileOf(kGame,
                {{.key = "L1", .text = "A", .chars = "hello"},
                 {.key = "L2", .text = kZhongWen936, .yes = "L3", .no = "L1"},
                 {.key = "L4", .parent = "L2", .text = "D", .x = -5, .y = 32767},
                 {.key = "L3", .text = "C", .x = 0, .y = 0, .picture = std::string(36, '1')}})},
        {"every_integer_and_full_fields", FileOf(kGame, {{.key = "L9999",
                                                          .parent = "L1234",
                                                          .text = fiveChars,
                                                          .chars = std::string(50, 'x'),
                                                          .x = -32768,
                                                          .y = 1,
                                                          .px = -1,
                                                          .py = 2,
                                                          .base = 4,
                                                          .pbase = 3,
                                                          .pause = 32767,
                                                          .delay = 250}})},
        {"double_byte_keyword_negative_size", FileOf(kZhongWen936 + "|-5|0|10|1|", Numbered(1))},
        {"children_before_parents", FileOf(kGame, {{.key = "L2", .parent = "L1"}, {.key = "L1"}})},
        {"number_with_leading_zero", FileOf("Game|0400|300|1|0|", Numbered(1))},
        {"header_padded_with_nul", headerNul},
        {"shorter_than_a_header", "Game|400|"},
    };
}

// A tag's fields, each padded with spaces to its width in characters.
std::string Field(const std::string& text, std::size_t width) {
    std::size_t chars = 0;
    for (const char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return text + std::string(width - chars, ' ');
}

std::string Tag(std::vector<std::string> numbers, std::vector<std::string> texts) {
    std::string tag;
    for (int i = 0; i < 4; ++i) tag += Field(numbers[static_cast<std::size_t>(i)], 5);
    tag += Field(texts[0], 5) + Field(texts[1], 5) + Field(numbers[4], 1) + Field(numbers[5], 1);
    tag += Field(numbers[6], 5) + Field(numbers[7], 5) + Field(texts[2], 5) + Field(texts[3], 5);
    return tag + Field(texts[4], 20) + Field(texts[5], 50) + Field(texts[6], 36);
}

Seeds TagSeeds() {
    const std::string zero =
        Tag({"0", "0", "0", "0", "0", "0", "0", "0"}, {"", "", "", "", "", "", ""});
    const std::string fields = Tag({"-5", "12", "300", "4000", "2", "4", "32767", "50"},
                                   {"L12", "L3", "L7", "L1", "节点", "你好/*ENTER*/",
                                    std::string(18, '0') + std::string(18, '1')});
    return {
        {"zero_state", "L1\n" + zero},
        {"fields_at_their_positions", "节点\n" + fields},
        {"long_caption", "a caption longer than twenty characters\n" + fields},
        {"values_cut", "x\n-1234" + zero.substr(5, 25) + "1" + zero.substr(31)},
        {"short_tag", "短\n12   34"},
    };
}

// The first byte is half the key delay.
Seeds KeySeeds() {
    struct Text {
        const char* name;
        int delay;
        std::string text;
    };
    const Text texts[] = {
        {"plain", 0, "abc"},
        {"plain_with_space", 0, "a b"},
        {"function_key", 0, "/*F5*/"},
        {"ctrl_slow", 250, "/*ctrl+c*/"},
        {"two_modifiers", 0, "/*shift+ctrl+a*/"},
        {"alt", 0, "/*alt+f4*/"},
        {"three_modifiers", 0, "/*ctrl+shift+alt+f4*/"},
        {"ctrl_alt", 0, "/*ctrl+alt+f4*/"},
        {"unknown_name", 0, "/*TAB*/"},
        {"ctrl_unknown_name", 0, "/*ctrl+tab*/"},
        {"text_around", 0, "hi/*F1*/yo"},
        {"commands_in_a_row", 0, "ab/*F1*//*F2*/"},
        {"empty_command", 0, "/**/"},
        {"empty_command_after_text", 0, "x/**/"},
        {"empty_command_before_text", 0, "/**/x"},
        {"stray_markers", 0, "*/a/*"},
        {"overlapping_markers", 0, "/*/x*/"},
        {"double_byte", 0, "中a"},
        {"double_byte_command", 0, "/*中*/"},
        {"short_delay", 50, "/*F5*/"},
        {"names", 0, "/*PageDown*//*scrolllock*//*F12*//*F13*/"},
    };
    Seeds seeds;
    for (const Text& t : texts)
        seeds.push_back({t.name, std::string(1, static_cast<char>(t.delay / 2)) + t.text});
    return seeds;
}

Seeds JsonSeeds() {
    return {
        {"defaults", R"({"records": [{"NodeKey": "L1", "pChar": "hi"},
            {"NodeKey": "L2", "NodeParent": "L1", "Locationy": -2}]})"},
        {"settings", R"({"format": "tavo-script 1", "settings": {"keyword": "Game", "minWidth": 640,
            "minHeight": 480, "windowCount": 2, "windowKind": "other"}, "records": []})"},
        {"settings_kind_number",
         R"({"settings": {"windowKind": 0, "keyword": "中文", "minHeight": -1}})"},
        {"header_text", R"({"headerText": "Game|0400|300|1|0|tail"})"},
        {"comments", "// a Script\n{\"records\": [] /* none yet */}"},
        {"every_field", R"({"records": [{"LocationX": -32768, "Locationy": 1, "pLocationX": -1,
            "pLocationy": 2, "LocationBase": 4, "pLocationBase": 3, "pPause": 32767, "pDelay": 250,
            "pYesNext": "L2", "pNotNext": "L1", "NodeKey": "L9999", "NodeParent": "",
            "NodeText": "中文中文中文中文中文", "pChar": "你好/*ENTER*/", "pPicture": "010101"}]})"},
        {"integer_too_big", R"({"records": [{}, {"Locationy": 32768}]})"},
        {"huge_unsigned", R"({"records": [{"LocationX": 18446744073709551615}]})"},
        {"integer_as_fraction", R"({"records": [{"pPause": 1.5}]})"},
        {"character_not_in_code_page", R"({"records": [{"pChar": "😀"}]})"},
        {"misspelt_field", R"({"records": [{"Locationx": 1}]})"},
        {"width_beyond_32_bits", R"({"settings": {"minWidth": 2147483648}})"},
        {"settings_and_header_text", R"({"settings": {}, "headerText": "x"})"},
        {"other_format", R"({"format": "tavo-script 2"})"},
        {"not_json", R"({"records": [)"},
    };
}

Seeds BmpSeeds() {
    using namespace std::string_literals;
    const std::vector<std::uint32_t> six = {0x00112233, 0x00445566, 0x00778899,
                                            0x00AABBCC, 0x00DDEEFF, 0x00102030};
    const std::vector<std::uint32_t> masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    const BmpImage rgb24{.width = 3, .height = 2, .pixels = six};
    BmpImage otherMasks{.width = 3,
                        .height = 2,
                        .bits = 32,
                        .compression = 3,
                        .masks = {0xFF, 0xFF00, 0xFF0000},
                        .pixels = six};
    BmpImage insideHeader = rgb24;
    insideHeader.offsetShift = -2;
    return {
        {"hand_written_24_bit",
         "BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0\0\0\0\0"s +
             std::string(20, '\0') + "\xFF\0\0\x12\x34\x56\xEE\xEE\0\0\xFF\0\xFF\0\xEE\xEE"s},
        {"rgb24_bottom_up", BmpFile(rgb24)},
        {"rgb24_top_down", BmpFile({.width = 2, .height = -3, .pixels = six})},
        {"rgb32_top_down", BmpFile({.width = 3, .height = -2, .bits = 32, .pixels = six})},
        {"rgb32_bottom_up", BmpFile({.width = 2, .height = 3, .bits = 32, .pixels = six})},
        {"bitfields32_after_info_header", BmpFile({.width = 3,
                                                   .height = 2,
                                                   .bits = 32,
                                                   .compression = 3,
                                                   .masks = masks,
                                                   .pixels = six})},
        {"bitfields32_in_v5_header", BmpFile({.width = 6,
                                              .height = -1,
                                              .bits = 32,
                                              .compression = 3,
                                              .headerSize = 124,
                                              .masks = masks,
                                              .pixels = six})},
        {"rgb24_v4_header", BmpFile({.width = 3, .height = 2, .headerSize = 108, .pixels = six})},
        {"bitfields_other_masks", BmpFile(otherMasks)},
        {"offset_inside_header", BmpFile(insideHeader)},
        {"header_cut", BmpFile(rgb24).substr(0, 30)},
    };
}

Seeds SkinSeeds(const fs::path& root) {
    const std::string required =
        ".SHE\nname=Test\ncaption.active=#102030,#405060\ncaption.inactive=#A0A0A0\n"
        "text.active=#FFFFFF\ntext.inactive=#EEEEEE\nframe.active=#000000\n"
        "frame.inactive=#808080\nglyph.active=#FFFF00\nbutton.face=none\n"
        "button.hover=#00FF00\nbutton.pressed=#008000\n";
    Seeds seeds = {
        {"required_keys", required},
        {"optional_keys_crlf",
         ".SHE\r\nname=Test\r\ncaption.active=#102030,#405060\r\n# comment\r\n\r\n"
         "button.size = 30,20\r\nbutton.shape=round\r\ncaption.direction=horizontal\r\n"
         "caption.align=center\r\nframe.width=3\r\ntextshadow.active=#010203\r\n"
         "button.close=#FF0000\r\nfuture.key=anything\r\n"},
        {"key_given_twice", required + "name=Again\n"},
    };
    for (const auto& entry : fs::directory_iterator(root / "src/skin/skins")) {
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.push_back({"shipped_" + entry.path().stem().string(),
                         std::string(std::istreambuf_iterator<char>(in), {})});
    }
    return seeds;
}

void Write(const fs::path& dir, const Seeds& seeds) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& [name, bytes] : seeds)
        std::ofstream(dir / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout << dir.string() << ": " << seeds.size() << " seeds\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds REPOSITORY_ROOT\n";
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path corpus = root / "tests/fuzz/corpus";
    Write(corpus / "gmx_file", GmxSeeds());
    Write(corpus / "tag_text", TagSeeds());
    Write(corpus / "key_text", KeySeeds());
    Write(corpus / "json_script", JsonSeeds());
    Write(corpus / "bmp_file", BmpSeeds());
    Write(corpus / "skin_file", SkinSeeds(root));
    return 0;
}
