// .gmx → JSON → .gmx: files the program writes come back byte for byte; others warn.
#include <gtest/gtest.h>

#include <optional>

#include "cli/convert.h"
#include "cli/json_mapping.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

using test::FileOf;
using test::kZhongWen936;
using test::RawRecord;

class ConvertTest : public ::testing::Test {
protected:
    std::unique_ptr<CodePage936> codePage_ = MakeCodePage936();
};

struct ExactCase {
    const char* name;
    std::string file;
};

std::string TenDoubleByteChars() {
    std::string text;
    for (int i = 0; i < 5; ++i) text += kZhongWen936;
    return text;
}

std::vector<ExactCase> ProgramWrittenFiles() {
    const std::string picture = "010101010101010101010101010101010101";
    return {
        {"tree_in_pre_order",
         FileOf("Game|400|300|1|0|",
                {{.key = "L1", .text = "A", .chars = "hello"},
                 {.key = "L2", .text = kZhongWen936, .yes = "L3", .no = "L1"},
                 {.key = "L4", .parent = "L2", .text = "D", .x = -5, .y = 32767},
                 {.key = "L3", .text = "C", .x = 0, .y = 0, .picture = picture}})},
        {"every_integer_and_full_fields",
         FileOf("Game|400|300|1|0|", {{.key = "L9999",
                                       .parent = "L1234",
                                       .text = TenDoubleByteChars(),
                                       .chars = std::string(50, 'x'),
                                       .x = -32768,
                                       .y = 1,
                                       .px = -1,
                                       .py = 2,
                                       .base = 4,
                                       .pbase = 3,
                                       .pause = 32767,
                                       .delay = 250}})},
        {"keyword_with_space", FileOf("My Game|800|600|3|1|", test::Numbered(2))},
        {"keyword_with_bar", FileOf("a|b|400|300|1|0|", test::Numbered(1))},
        {"double_byte_keyword_negative_size",
         FileOf(kZhongWen936 + "|-5|0|10|1|", test::Numbered(1))},
        {"blank_keyword", FileOf("|400|300|1|0|", test::Numbered(1))},
        {"sizes_at_the_32_bit_limits",
         FileOf("Game|2147483647|-2147483648|1|0|", test::Numbered(1))},
        {"header_only", FileOf("Game|400|300|1|0|", {})},
        {"children_before_parents_kept_in_file_order",
         FileOf("Game|400|300|1|0|", {{.key = "L2", .parent = "L1"}, {.key = "L1"}})},
        {"all_230_records", FileOf("Game|400|300|1|0|", test::Numbered(230))},
    };
}

TEST_F(ConvertTest, ProgramWrittenFilesComeBackByteForByte) {
    for (const ExactCase& c : ProgramWrittenFiles()) {
        SCOPED_TRACE(c.name);
        const Converted json = GmxToJson(*codePage_, c.file);
        EXPECT_TRUE(json.warnings.empty()) << json.warnings.front();
        const Converted back = JsonToGmx(*codePage_, json.output);
        EXPECT_TRUE(back.output == c.file) << json.output;
    }
}

TEST_F(ConvertTest, JsonCarriesTheFieldsAsValuesWithoutPadding) {
    const Json json = Json::parse(GmxToJson(*codePage_, ProgramWrittenFiles()[0].file).output);
    EXPECT_EQ(
        json["settings"],
        Json::parse(
            R"({"keyword":"Game","minWidth":400,"minHeight":300,"windowCount":1,"windowKind":"flash"})"));
    ASSERT_EQ(json["records"].size(), 4u);
    const Json& second = json["records"][1];
    EXPECT_EQ(second["NodeText"], test::kZhongWenUtf8);
    EXPECT_EQ(second["pYesNext"], "L3");
    EXPECT_EQ(second["pNotNext"], "L1");
    EXPECT_EQ(second["pChar"], "");
    const Json& third = json["records"][2];
    EXPECT_EQ(third["LocationX"], -5);
    EXPECT_EQ(third["Locationy"], 32767);
    EXPECT_EQ(third["NodeParent"], "L2");
    EXPECT_EQ(json["records"][3]["pPicture"], "010101010101010101010101010101010101");
}

struct OddCase {
    const char* name;
    std::string file;
    std::vector<std::string> warnings;  // a part of each warning, in order
    // What JSON → .gmx gives; unset where the platforms' code pages differ (only a change
    // is certain then).
    std::optional<std::string> writtenBack;
};

std::vector<OddCase> OddFiles() {
    const std::string one = FileOf("Game|400|300|1|0|", test::Numbered(1));
    // 0x7F cannot follow a lead byte.
    const std::string invalidPair =
        FileOf("Game|400|300|1|0|", {{.key = "L1", .chars = "ab\x81\x7F"}});
    std::string danglingLead =
        FileOf("Game|400|300|1|0|", {{.key = "L1", .text = std::string(19, 'a') + "\xD6"}});
    std::string headerNul = one;
    headerNul[141] = '\0';
    return {
        {"trailing_partial_block", one + "12345", {"partial block of 5 bytes"}, one},
        {"records_beyond_230",
         FileOf("Game|400|300|1|0|", test::Numbered(232)),
         {"left out: records 231 to 232"},
         FileOf("Game|400|300|1|0|", test::Numbered(230))},
        {"number_with_leading_zero",
         FileOf("Game|0400|300|1|0|", test::Numbered(1)),
         {"headerText"},
         FileOf("Game|0400|300|1|0|", test::Numbered(1))},
        {"number_beyond_32_bits",
         FileOf("Game|99999999999|300|1|0|", test::Numbered(1)),
         {"headerText"},
         FileOf("Game|99999999999|300|1|0|", test::Numbered(1))},
        {"text_after_the_fifth_field",
         FileOf("Game|400|300|1|0|x", {}),
         {"headerText"},
         FileOf("Game|400|300|1|0|x", {})},
        {"header_without_fields", FileOf("just text", {}), {"headerText"}, FileOf("just text", {})},
        {"header_padded_with_nul", headerNul, {"headerText"}, headerNul},
        {"bytes_that_are_no_character",
         invalidPair,
         {"record 1 will not be written back"},
         std::nullopt},
        {"cut_double_byte_character",
         danglingLead,
         {"record 1 will not be written back"},
         FileOf("Game|400|300|1|0|", {{.key = "L1", .text = std::string(19, 'a')}})},
        {"shorter_than_a_header",
         "Game|400|",
         {"shorter than its 142-byte header", "headerText"},
         test::HeaderBlock("Game|400|")},
    };
}

TEST_F(ConvertTest, OtherFilesWarnAboutWhatChanges) {
    for (const OddCase& c : OddFiles()) {
        SCOPED_TRACE(c.name);
        const Converted json = GmxToJson(*codePage_, c.file);
        ASSERT_EQ(json.warnings.size(), c.warnings.size());
        for (std::size_t i = 0; i < c.warnings.size(); ++i)
            EXPECT_NE(json.warnings[i].find(c.warnings[i]), std::string::npos) << json.warnings[i];
        const std::string back = JsonToGmx(*codePage_, json.output).output;
        if (c.writtenBack)
            EXPECT_TRUE(back == *c.writtenBack) << json.output;
        else
            EXPECT_FALSE(back == c.file) << json.output;
    }
}

}  // namespace
}  // namespace tavo::cli
