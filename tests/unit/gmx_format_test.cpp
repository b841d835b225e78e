#include <gtest/gtest.h>

#include "core/model/cp936_field.h"
#include "core/model/gmx_format.h"
#include "core/util/text.h"

namespace tavo {
namespace {

// Byte images are written out by hand: the same expectations hold for iconv natively and
// for Windows' own tables in the Windows build.
std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string Padded(std::string bytes, std::size_t width) {
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

class GmxFormatTest : public ::testing::Test {
protected:
    std::unique_ptr<CodePage936> cp = MakeCodePage936();
};

TEST_F(GmxFormatTest, HeaderOfAFlashScript) {
    GmxHeader header{"Game", 400, 300, 1, false};
    EXPECT_EQ(EncodeHeader(*cp, header), Padded("Game|400|300|1|0|", kBlockSize));
    header = {"  游戏 ", 640, 480, 10, true};
    EXPECT_EQ(EncodeHeader(*cp, header),
              Padded(Bytes({0xD3, 0xCE, 0xCF, 0xB7}) + "|640|480|10|1|", kBlockSize));
}

TEST_F(GmxFormatTest, RecordLayoutInDeclarationOrder) {
    Instruction in;
    in.LocationX = -2;
    in.Locationy = 300;
    in.pLocationX = 1;
    in.pLocationy = 0x7FFF;
    in.LocationBase = 3;
    in.pLocationBase = 4;
    in.pPause = 5;
    in.pDelay = 256;
    in.pYesNext = "L2   ";
    in.pNotNext = "L10  ";
    in.NodeKey = "L1   ";
    in.NodeParent = "     ";
    in.NodeText = FixWidth("节点", kNodeTextWidth);
    in.pChar = FixWidth("你好/*ENTER*/", kCharWidth);
    in.pPicture = std::string(36, '1');

    const std::string expected =
        Bytes({0xFE, 0xFF, 0x2C, 0x01, 0x01, 0x00, 0xFF, 0x7F, 0x03, 0x00, 0x04, 0x00, 0x05,
               0x00, 0x00, 0x01}) +
        "L2   " + "L10  " + "L1   " + "     " + Padded(Bytes({0xBD, 0xDA, 0xB5, 0xE3}), 20) +
        Padded(Bytes({0xC4, 0xE3, 0xBA, 0xC3}) + "/*ENTER*/", 50) + std::string(36, '1');
    ASSERT_EQ(expected.size(), kBlockSize);
    EXPECT_EQ(EncodeRecord(*cp, in), expected);
    EXPECT_EQ(DecodeRecord(*cp, expected), in);
}

TEST_F(GmxFormatTest, DoubleByteTextIsCutWholeCharactersAtTheFieldWidth) {
    // 20 characters of 2 bytes: the 20-byte field keeps the first 10.
    const std::string caption = "中文中文中文中文中文中文中文中文中文中文";
    const std::string field = EncodeField(*cp, caption, 20);
    EXPECT_EQ(field.size(), 20u);
    EXPECT_EQ(DecodeField(*cp, field, 20), FixWidth("中文中文中文中文中文", 20));
    // One byte left for a double-byte character: it is left out and a space pads.
    EXPECT_EQ(EncodeField(*cp, "abcd中", 5), "abcd ");
}

TEST_F(GmxFormatTest, ADanglingLeadByteIsDroppedOnReading) {
    const std::string field = "abc" + Bytes({0xD6, 0xD0, 0xCE});
    EXPECT_EQ(WithoutDanglingLead(field), "abc" + Bytes({0xD6, 0xD0}));
    EXPECT_EQ(DecodeField(*cp, field, 6), "abc中  ");
    // A trail byte that looks like a lead byte is not mistaken for one.
    const std::string two = Bytes({0xD6, 0xD0, 0xCE, 0xC4});
    EXPECT_EQ(WithoutDanglingLead(two), two);
}

TEST_F(GmxFormatTest, HeaderFieldsAsAReaderFindsThem) {
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"Game|400|300|1|0|", {"Game", "400", "300", "1", "0"}},
        {"Game|400|300|1|0|extra|", {"Game", "400", "300", "1", "0"}},
        {"two words|400|300|1|0|", {}},  // cut at the first space: "two" has no "|"
        {"two|400 words|300|1|0|", {"two"}},
        {"Game|400|300", {"Game", "400"}},
        {"|||||", {"", "", "", "", ""}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadHeaderFields(*cp, Padded(c.text, kBlockSize)), c.fields) << c.text;
}

TEST_F(GmxFormatTest, KindFlagMustBeANumber) {
    EXPECT_EQ(ReadKindFlag("0"), false);
    EXPECT_EQ(ReadKindFlag("1"), true);
    EXPECT_EQ(ReadKindFlag("-1"), true);
    EXPECT_EQ(ReadKindFlag("00"), false);
    EXPECT_EQ(ReadKindFlag(""), std::nullopt);
    EXPECT_EQ(ReadKindFlag("x"), std::nullopt);
    EXPECT_EQ(ReadKindFlag("1a"), std::nullopt);
}

TEST_F(GmxFormatTest, BlocksAndATrailingPartialBlock) {
    const std::string file(kBlockSize * 3 + 7, 'x');
    const GmxBlocks blocks = SplitBlocks(file);
    EXPECT_EQ(blocks.header.size(), kBlockSize);
    EXPECT_EQ(blocks.records.size(), 2u);
    EXPECT_EQ(blocks.trailingBytes, 7u);
    EXPECT_TRUE(SplitBlocks(std::string(kBlockSize, ' ')).records.empty());
    EXPECT_EQ(SplitBlocks("short").header, "short");
}

}  // namespace
}  // namespace tavo
