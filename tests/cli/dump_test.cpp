// The dump shows the rebuilt tree in pre-order with icons, and why a load ends early.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/dump.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

using test::FileOf;

// A, B (with child D), C; C jumps; the fifth record names a parent that comes later.
std::string Sample() {
    return FileOf("Game|400|300|2|1|", {{.key = "L1", .text = "A"},
                                        {.key = "L2", .text = test::kZhongWen936},
                                        {.key = "L4", .parent = "L2", .text = "D", .chars = "keys"},
                                        {.key = "L3", .text = "C", .yes = "L1"},
                                        {.key = "L5", .parent = "L6"},
                                        {.key = "L6"}});
}

// The lines of the text dump that start a node, as written.
std::vector<std::string> NodeLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.find("  icon ") != std::string::npos) lines.push_back(line);
    return lines;
}

TEST(DumpTest, TextShowsTheTreeIndentedInPreOrder) {
    auto codePage = MakeCodePage936();
    const std::string text = DumpText(*codePage, Sample());
    const std::vector<std::string> expected = {
        "  L1 \"A\"  icon 1  record 1",
        "  L2 \"" + test::kZhongWenUtf8 + "\"  icon 2  record 2",
        "    L4 \"D\"  icon 1  record 3",
        "  L3 \"C\"  icon 12  record 4",
    };
    EXPECT_EQ(NodeLines(text), expected) << text;
    EXPECT_NE(text.find("keyword: \"Game\""), std::string::npos) << text;
    EXPECT_NE(text.find("windowKind: \"1\" (other windows)"), std::string::npos) << text;
    EXPECT_NE(text.find("pChar=\"keys\""), std::string::npos) << text;
    EXPECT_NE(text.find("LocationX=10 Locationy=20"), std::string::npos) << text;
    EXPECT_NE(text.find("Tree: 4 of 6 records placed"), std::string::npos) << text;
    EXPECT_NE(
        text.find("Note: the rebuild stops at record 5: NodeParent \"L6\" is not defined by an "
                  "earlier record, only later by record 6 (not loaded: records 5 to 6)"),
        std::string::npos)
        << text;
}

struct NotesCase {
    const char* name;
    std::string file;
    int placed;
    std::vector<std::string> notes;
};

TEST(DumpTest, JsonNestsChildrenAndExplainsEveryEarlyEnd) {
    auto codePage = MakeCodePage936();
    const Json json = DumpJson(*codePage, Sample());
    ASSERT_EQ(json["tree"].size(), 3u);
    EXPECT_EQ(json["tree"][1]["icon"], 2);
    EXPECT_EQ(json["tree"][1]["children"][0]["instruction"]["NodeKey"], "L4");
    EXPECT_EQ(json["tree"][2]["instruction"]["pYesNext"], "L1");
    EXPECT_EQ(json["settings"]["windowCount"], "2");

    const NotesCase cases[] = {
        {"bad_fifth_field",
         FileOf("Game|4|3|1|z|", test::Numbered(2)),
         0,
         {"the load stops before any record: the fifth header field \"z\" is not a number"}},
        {"beyond_230_and_partial",
         FileOf("Game|4|3|1|0|", test::Numbered(231)) + "xy",
         230,
         {"reading stops after record 230 (never read: record 231)",
          "a partial block of 2 bytes at the end is ignored"}},
        {"nothing", "", 0, {"no record: the program finds no valid Instruction"}},
        {"complete", FileOf("Game|4|3|1|0|", test::Numbered(3)), 3, {}},
    };
    for (const NotesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Json dump = DumpJson(*codePage, c.file);
        EXPECT_EQ(dump["placed"], c.placed);
        EXPECT_EQ(dump["notes"], Json(c.notes));
    }
    EXPECT_TRUE(DumpJson(*codePage, "")["settings"]["keyword"].is_null());
}

}  // namespace
}  // namespace tavo::cli
