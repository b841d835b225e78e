// The fingerprint report on a hand-built BMP: which block is read, the printed samples and
// bits, and the comparison with a stored fingerprint.
#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

#include "bmp_bytes.h"
#include "case_names.h"
#include "cli/bmp_reader.h"
#include "cli/fingerprint_report.h"

namespace tavo::cli {
namespace {

constexpr int kWidth = 40, kHeight = 30;
constexpr int kLeft = 14, kTop = 9;  // the block around (20, 15) under top-left
constexpr std::uint32_t kDark = 0x000A0A0A, kLight = 0x00C8C8C8, kWhite = 0x00FFFFFF;

// Column by column (x outer), as the fingerprint runs.
const std::string kPattern = "000111" "001111" "011111" "000000" "111000" "110100";

const std::string kPatternReport =
    "image: 40 x 30\n"
    "block: x 14..25, y 9..20\n"
    "brightness samples (rows y 0..10, columns x 0..10, step 2)   bits\n"
    "  10  10  10  10 200 200   000011\n"
    "  10  10 200  10 200 200   001011\n"
    "  10 200 200  10 200  10   011010\n"
    " 200 200 200  10  10 200   111001\n"
    " 200 200 200  10  10  10   111000\n"
    " 200 200 200  10  10  10   111000\n"
    "fingerprint: 000111001111011111000000111000110100\n";

// White between the samples: a read off the even grid would change the result.
Picture PatternClient() {
    test::BmpImage image{.width = kWidth, .height = kHeight};
    image.pixels.assign(kWidth * kHeight, kWhite);
    for (int column = 0; column < 6; ++column)
        for (int row = 0; row < 6; ++row) {
            const int x = kLeft + 2 * column, y = kTop + 2 * row;
            const bool light = kPattern[static_cast<std::size_t>(column * 6 + row)] == '1';
            image.pixels[static_cast<std::size_t>(y * kWidth + x)] = light ? kLight : kDark;
        }
    return ReadBmp(test::BmpFile(image));
}

std::string Flipped(std::string bits, std::initializer_list<std::size_t> positions) {
    for (std::size_t p : positions) bits[p] = bits[p] == '0' ? '1' : '0';
    return bits;
}

struct ReportCase {
    const char* name;
    int x, y, base;
    std::string against;  // none when empty
    bool matches;
    std::string expected;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class FingerprintReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(FingerprintReport, PrintsTheBlockAndTheComparison) {
    const ReportCase& c = GetParam();
    FingerprintQuery query{.x = c.x, .y = c.y, .base = c.base};
    if (!c.against.empty()) query.against = c.against;
    std::ostringstream out;
    EXPECT_EQ(ReportFingerprint(PatternClient(), query, out), c.matches);
    EXPECT_EQ(out.str(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FingerprintReport,
    ::testing::Values(
        ReportCase{"top_left", 20, 15, 1, "", true, kPatternReport},
        ReportCase{"bottom_right_same_block", 21, 16, 4, "", true, kPatternReport},
        ReportCase{"top_right_same_block", 21, 15, 2, "", true, kPatternReport},
        ReportCase{"bottom_left_same_block", 20, 16, 3, "", true, kPatternReport},
        ReportCase{"centre_same_block", 0, 0, 0, "", true, kPatternReport},
        ReportCase{"unknown_code_as_top_left", 20, 15, 7, "", true, kPatternReport},
        ReportCase{"same_bits", 20, 15, 1, kPattern, true,
                   kPatternReport + "against " + kPattern +
                       ": 36 of 36 positions agree (100%): match (more than 90% needed)\n"},
        ReportCase{"three_differ", 20, 15, 1, Flipped(kPattern, {0, 17, 35}), true,
                   kPatternReport + "against " + Flipped(kPattern, {0, 17, 35}) +
                       ": 33 of 36 positions agree (91%): match (more than 90% needed)\n"},
        ReportCase{"four_differ", 20, 15, 1, Flipped(kPattern, {0, 1, 17, 35}), false,
                   kPatternReport + "against " + Flipped(kPattern, {0, 1, 17, 35}) +
                       ": 32 of 36 positions agree (88%): no match (more than 90% needed)\n"}),
    case_names::ByName{});

TEST(FingerprintReport, ABlockWithoutContrastHasNoFingerprintAndNeverMatches) {
    std::ostringstream out;
    FingerprintQuery query{.x = 6, .y = 6, .base = 1};
    query.against = std::string(36, '1');
    EXPECT_FALSE(ReportFingerprint(Picture(20, 20, kWhite), query, out));
    std::string whiteRows;
    for (int row = 0; row < 6; ++row) whiteRows += " 255 255 255 255 255 255\n";
    EXPECT_EQ(out.str(),
              "image: 20 x 20\n"
              "block: x 0..11, y 0..11\n"
              "brightness samples (rows y 0..10, columns x 0..10, step 2)\n" +
                  whiteRows +
                  "fingerprint: empty (too little contrast: recognition here never matches)\n"
                  "against 111111111111111111111111111111111111: no match (an empty fingerprint "
                  "never matches)\n");
}

TEST(FingerprintReport, SaysWhenTheBlockReachesOutsideTheImage) {
    std::ostringstream out;
    ReportFingerprint(PatternClient(), {.x = 2, .y = 40, .base = 1}, out);
    EXPECT_NE(out.str().find("block: x -4..7, y 34..45\n"
                             "note: part of the block lies outside the image; it reads as black\n"),
              std::string::npos)
        << out.str();
}

struct BitsCase {
    const char* name;
    std::string bits;
    bool valid;
};

void PrintTo(const BitsCase& c, std::ostream* os) { *os << c.name; }

class FingerprintText : public ::testing::TestWithParam<BitsCase> {};

TEST_P(FingerprintText, IsExactly36ZerosAndOnes) {
    EXPECT_EQ(IsFingerprintText(GetParam().bits), GetParam().valid) << GetParam().bits;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FingerprintText,
    ::testing::Values(BitsCase{"MixedBits", kPattern, true},
                      BitsCase{"AllZeros", std::string(36, '0'), true},
                      BitsCase{"ThirtyFiveAreTooFew", std::string(35, '0'), false},
                      BitsCase{"ThirtySevenAreTooMany", std::string(37, '1'), false},
                      BitsCase{"ADigitTwoIsRefused", kPattern.substr(0, 35) + "2", false},
                      BitsCase{"ATrailingSpaceIsRefused", kPattern.substr(0, 35) + " ", false},
                      BitsCase{"EmptyIsRefused", "", false}),
    case_names::ByName{});

}  // namespace
}  // namespace tavo::cli
