// simulate on hand-made screenshots: the picture where the Script looks for it, moved
// elsewhere, and absent; the run's own loop decides, and the output is what it posted
// and traced.
#include <gtest/gtest.h>

#include <sstream>

#include "bmp_bytes.h"
#include "case_names.h"
#include "cli/bmp_reader.h"
#include "cli/commands.h"
#include "cli/simulation.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

constexpr int kWidth = 40, kHeight = 30;
constexpr std::uint32_t kDark = 0x000A0A0A, kLight = 0x00C8C8C8, kWhite = 0x00FFFFFF;
// Column by column (x outer), as the fingerprint runs.
const std::string kPattern =
    "000111"
    "001111"
    "011111"
    "000000"
    "111000"
    "110100";

// The pattern's block with its top-left corner at (left, top); none when left < 0.
Picture Screenshot(int left, int top) {
    test::BmpImage image{.width = kWidth, .height = kHeight};
    image.pixels.assign(kWidth * kHeight, kWhite);
    for (int column = 0; column < 6 && left >= 0; ++column)
        for (int row = 0; row < 6; ++row) {
            const bool light = kPattern[static_cast<std::size_t>(column * 6 + row)] == '1';
            for (int d = 0; d < 4; ++d)  // 2 × 2 pixels a cell
                image.pixels[static_cast<std::size_t>((top + 2 * row + d / 2) * kWidth + left +
                                                      2 * column + d % 2)] = light ? kLight : kDark;
        }
    return ReadBmp(test::BmpFile(image));
}

// L1 looks for the pattern around (20, 15) and clicks (30, 25); failing, L2 types "no".
std::string Script() {
    test::RawRecord l1{.key = "L1",
                       .text = "look",
                       .x = 30,
                       .y = 25,
                       .px = 20,
                       .py = 15,
                       .base = 1,
                       .pbase = 1,
                       .no = "L2",
                       .picture = kPattern};
    test::RawRecord l2{.key = "L2", .text = "no", .chars = "no", .x = 0, .y = 0};
    return test::FileOf("demo|400|300|1|1|", {l1, l2});
}

struct SimulateCase {
    const char* name;
    int left, top;  // the pattern's place; -1: none
    bool found;
    std::vector<std::string> lines;  // each must be in the output
};

void PrintTo(const SimulateCase& c, std::ostream* os) { *os << c.name; }

class SimulateTest : public ::testing::TestWithParam<SimulateCase> {};

TEST_P(SimulateTest, TracesWhatTheRunSeesAndPosts) {
    std::ostringstream out;
    const SimulationOutcome outcome =
        Simulate(Script(), Screenshot(GetParam().left, GetParam().top), 3, "shot.bmp", out);
    EXPECT_EQ(outcome.everyPictureFound, GetParam().found);
    for (const std::string& line : GetParam().lines)
        EXPECT_NE(out.str().find(line), std::string::npos) << "missing: " << line << "\noutput:\n"
                                                           << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Screenshots, SimulateTest,
    ::testing::Values(SimulateCase{"PictureInPlace",
                                   14,
                                   9,
                                   true,
                                   {"L1 \"look\"  at (20,15) seen " + kPattern + " stored " +
                                        kPattern + " 36/36 100%  hit  click (30,25)",
                                    "WM_LBUTTONDOWN wParam 0x00000000 lParam 0x0019001E\nsleep "
                                    "100\nWM_LBUTTONUP  wParam 0x00000000 lParam 0x0019001E"}},
                      SimulateCase{"PictureMoved",
                                   4,
                                   4,
                                   false,
                                   {"L1 \"look\"  at (20,15) seen ", "%  miss  next L2",
                                    "L2 \"no\"  hit  text \"no\""}},
                      SimulateCase{"PictureAbsent",
                                   -1,
                                   -1,
                                   false,
                                   {"L1 \"look\"  at (20,15) seen - stored " + kPattern +
                                    " 0/36 0%  miss"}}),
    case_names::ByName{});

TEST(Simulate, AFileThatCannotBeReadIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunSimulate("no such script.gmx", "no such shot.bmp", 1, out, err), kExitUsage);
    EXPECT_FALSE(err.str().empty());
}

}  // namespace
}  // namespace tavo::cli
