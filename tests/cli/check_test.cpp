// Each load rule, found at the right record, and nothing reported for a clean file.
#include <gtest/gtest.h>

#include "cli/check.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

using test::FileOf;
using test::RawRecord;

constexpr const char* kGame = "Game|400|300|1|0|";

struct Expected {
    int record;
    const char* part;  // a part of the message
};

struct CheckCase {
    const char* name;
    std::string file;
    std::vector<Expected> findings;
};

std::vector<RawRecord> WithLast(std::vector<RawRecord> records, RawRecord last) {
    records.push_back(std::move(last));
    return records;
}

std::vector<CheckCase> HeaderCases() {
    return {
        {"clean",
         FileOf(kGame, {{.key = "L1"}, {.key = "L2", .parent = "L1", .yes = "L1", .no = "L2"}}),
         {}},
        {"picture_alone_is_not_empty",
         FileOf(kGame, {{.key = "L1", .x = 0, .y = 0, .picture = std::string(36, '0')}}),
         {}},
        {"keyword_with_space",
         FileOf("My Game|400|300|1|0|", test::Numbered(1)),
         {{0, "the keyword has a space: the reader keeps \"My\" and loses \" Game|400|300|1|0|\""},
          {0, "only 0 of the five header fields"}}},
        {"space_after_a_field",
         FileOf("Game|400| 300|1|0|", test::Numbered(1)),
         {{0, "a space in the header text: the reader keeps \"Game|400|\""},
          {0, "only 2 of the five"}}},
        {"fewer_fields",
         FileOf("Game|400|300|", test::Numbered(1)),
         {{0, "only 3 of the five header fields"}}},
        {"fifth_field_not_a_number",
         FileOf("Game|400|300|1|x|", test::Numbered(1)),
         {{0, "the fifth header field \"x\" is not a number: the load stops before any record"}}},
        {"keyword_with_bar",
         FileOf("a|b|400|300|1|0|", test::Numbered(1)),
         {{0, "the keyword \"a|b\" has a \"|\""}}},
        {"empty_file",
         "",
         {{0, "the file has 0 bytes"}, {0, "only 0 of the five"}, {1, "the file holds no record"}}},
        {"header_only", FileOf(kGame, {}), {{1, "the file holds no record"}}},
    };
}

std::vector<CheckCase> PlacementCases() {
    return {
        {"parent_defined_later",
         FileOf(kGame, {{.key = "L1"}, {.key = "L2", .parent = "L3"}, {.key = "L3"}}),
         {{2,
           "NodeParent \"L3\" is not defined by an earlier record, only later by record 3: "
           "the load stops here (not loaded: records 2 to 3)"}}},
        {"parent_nowhere",
         FileOf(kGame, {{.key = "L1", .parent = "L7"}}),
         {{1, "NodeParent \"L7\" is not defined by an earlier record: the load stops here"}}},
        {"duplicate_key",
         FileOf(kGame, {{.key = "L1"}, {.key = "L2"}, {.key = "L1"}}),
         {{3,
           "NodeKey \"L1\" is already used by record 1: the load stops here "
           "(not loaded: record 3)"}}},
        {"blank_key",
         FileOf(kGame, {{.key = "L1"}, {.key = "   "}}),
         {{2, "blank NodeKey: the load stops here"}}},
        {"every_stop_listed_once",
         FileOf(kGame, {{.key = "L1"},
                        {.key = "L2", .parent = "L9"},
                        {.key = "L1"},
                        {.key = "L3", .parent = "L1"}}),
         {{2, "the load stops here"}, {3, "already used by record 1"}}},
        {"stops_after_a_bad_fifth_field",
         FileOf("Game|4|3|1|-|", {{.key = "L1", .parent = "L2"}}),
         {{0, "is not a number"}, {1, "is not defined by an earlier record"}}},
    };
}

std::vector<CheckCase> RecordCases() {
    std::string danglingLead = FileOf(kGame, {{.key = "L1", .chars = "ab\xD6"}});
    return {
        {"empty_instruction",
         FileOf(kGame,
                {{.key = "L1"}, {.key = "L2", .x = 0, .y = 0, .px = 5, .py = 5, .pause = 3}}),
         {{2, "empty Instruction"}}},
        {"jumps_to_nowhere",
         FileOf(kGame, {{.key = "L1", .yes = "L9", .no = "L1"}, {.key = "L2", .no = "L8"}}),
         {{1, "pYesNext \"L9\" names no node"}, {2, "pNotNext \"L8\" names no node"}}},
        {"jump_to_a_record_beyond_230",
         FileOf(kGame, WithLast(WithLast(test::Numbered(229), {.key = "L900", .yes = "L901"}),
                                {.key = "L901"})),
         {{230, "pYesNext \"L901\" names no node"}, {231, "beyond the 230 records"}}},
        {"records_beyond_230",
         FileOf(kGame, test::Numbered(232)),
         {{231, "beyond the 230 records a Script holds: never read"}, {232, "never read"}}},
        {"trailing_partial_block",
         FileOf(kGame, test::Numbered(1)) + "abcde",
         {{2, "a partial block of 5 bytes at the end: ignored"}}},
        {"numbers_cut_in_the_tag",
         FileOf(kGame, {{.key = "L1", .x = -12345, .base = 12}}),
         {{1, "LocationX -12345 reads back as -1234"}, {1, "LocationBase 12 reads back as 1"}}},
        {"caption_with_space",
         FileOf(kGame, {{.key = "L1", .text = "two words"}}),
         {{1, "NodeText \"two words\" is shown as \"two\""}}},
        {"cut_double_byte_character", danglingLead, {{1, "does not read back as written"}}},
    };
}

void Verify(const CheckCase& c) {
    SCOPED_TRACE(c.name);
    auto codePage = MakeCodePage936();
    const std::vector<Finding> found = CheckScript(*codePage, c.file);
    std::string all;
    for (const Finding& f : found) all += FormatFinding(f) + "\n";
    ASSERT_EQ(found.size(), c.findings.size()) << all;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].record, c.findings[i].record) << all;
        EXPECT_NE(found[i].message.find(c.findings[i].part), std::string::npos) << all;
    }
}

TEST(CheckTest, Header) {
    for (const CheckCase& c : HeaderCases()) Verify(c);
}

TEST(CheckTest, Placement) {
    for (const CheckCase& c : PlacementCases()) Verify(c);
}

TEST(CheckTest, Records) {
    for (const CheckCase& c : RecordCases()) Verify(c);
}

TEST(CheckTest, FindingsNameTheirPlace) {
    EXPECT_EQ(FormatFinding({0, "x"}), "header: x");
    EXPECT_EQ(FormatFinding({12, "y"}), "record 12: y");
}

}  // namespace
}  // namespace tavo::cli
