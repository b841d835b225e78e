#include <gtest/gtest.h>

#include "core/acting/recognition.h"
#include "core/acting/target_actions.h"
#include "core/util/text.h"
#include "fakes/fake_capture.h"
#include "fakes/fake_keyboard.h"

namespace tavo {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0;

// A 12 × 12 block whose sample (2i, 2j) is dark where `pattern` has "0" at i * 6 + j.
Picture BlockOf(const std::string& pattern, std::uint32_t dark = 0x0A0A0A, std::uint32_t light = 0xC8C8C8) {
    Picture block(kBlockSide, kBlockSide, light);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            if (pattern[static_cast<std::size_t>(i * 6 + j)] == '0') block.Set(2 * i, 2 * j, dark);
    return block;
}

const std::string kPattern = "000111000111000111000111000111000111";

TEST(ToClientPoint, OrientationRuleAndTheStoredPointItUndoes) {
    struct Case {
        int x, y, code;
        ClientPoint expected;
        int width = 800;
    };
    const Case cases[] = {
        {-300, -250, kCentre, {100, 50}}, {701, 50, kTopRight, {100, 50}},
        {100, 551, kBottomLeft, {100, 50}}, {701, 551, kBottomRight, {100, 50}},
        {100, 50, kTopLeft, {100, 50}},   {-301, -250, kCentre, {100, 50}, 801},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToClientPoint(c.x, c.y, c.code, c.width, 600), c.expected) << c.code;
        EXPECT_EQ(ToStoredPoint(c.expected, c.code, c.width, 600), (ClientPoint{c.x, c.y})) << c.code;
    }
    EXPECT_EQ(ToClientPoint(100, 50, 7, 800, 600), (ClientPoint{100, 50}));  // unknown: top-left
}

TEST(CutBlock, SameBlockFromEitherCorner) {
    Picture surface(800, 600, 0x111111);
    surface.Set(94, 44, 0xABCDEF);   // the block's top-left for point (100, 50)
    surface.Set(105, 55, 0x123456);  // its bottom-right
    const ClientPoint tl = BlockOffset(kTopLeft), br = BlockOffset(kBottomRight);
    const Picture a = CutBlock(surface, 100 - tl.x, 50 - tl.y, 12, 12, kTopLeft);
    const Picture b = CutBlock(surface, 701 - br.x, 551 - br.y, 12, 12, kBottomRight);
    EXPECT_EQ(a.At(0, 0), 0xABCDEF);
    EXPECT_EQ(a.At(11, 11), 0x123456);
    EXPECT_EQ(a, b);
    // Outside the surface the block reads black.
    EXPECT_EQ(CutBlock(surface, 795, 595, 12, 12, kTopLeft).At(11, 11), 0);
}

TEST(Brightness, WeightsOfTheChannels) {
    EXPECT_EQ(Brightness(0xFFFFFF), 255);
    EXPECT_EQ(Brightness(0x0000FF), 76);
    EXPECT_EQ(Brightness(0x00FF00), 150);
    EXPECT_EQ(Brightness(0xFF0000), 28);
    EXPECT_EQ(Brightness(-1), 0);
}

TEST(Fingerprint, ThresholdAndSampleOrder) {
    // Brightness 10 and 200: threshold 124.
    EXPECT_EQ(Fingerprint(BlockOf(kPattern)), kPattern);
    // x outer, y inner: the second character is the sample at (0, 2).
    std::string one(36, '1');
    one[1] = one[6] = one[35] = '0';
    Picture block = BlockOf(one);
    EXPECT_EQ(Brightness(block.At(0, 2)), 10);
    EXPECT_EQ(Brightness(block.At(2, 0)), 10);
    EXPECT_EQ(Fingerprint(block), one);
}

TEST(Fingerprint, NoContrastGivesNothing) {
    EXPECT_EQ(Fingerprint(Picture(12, 12, 0x808080)), "");
    EXPECT_EQ(Fingerprint(Picture(12, 12, kWhite)), "");
    EXPECT_EQ(Fingerprint(Picture(12, 12, kBlack)), "");
    std::string two(36, '1');
    two[0] = two[1] = '0';
    EXPECT_EQ(Fingerprint(BlockOf(two)), "");  // fewer than three of a kind
}

TEST(PictureMatches, ThirtyThreeOfThirtySixMustAgree) {
    const Picture block = BlockOf(kPattern);
    std::string stored = kPattern;
    for (int i : {0, 10, 20}) stored[static_cast<std::size_t>(i)] ^= 1;  // '0' <-> '1'
    EXPECT_TRUE(PictureMatches(block, stored));
    stored[30] ^= 1;
    EXPECT_FALSE(PictureMatches(block, stored));
    EXPECT_FALSE(PictureMatches(block, std::string(36, ' ')));
    EXPECT_FALSE(PictureMatches(Picture(12, 12, 0x808080), kPattern));
    EXPECT_FALSE(PictureMatches(block, kPattern.substr(0, 32)));
}

// A window whose drawing the test sets, counting how it was read.
using testing::FakeCapture;

class TargetActionsTest : public ::testing::Test {
protected:
    TargetActionsTest() {
        capture.printed = Picture(800, 600, 0x808080);
        Paint(capture.printed, 94, 44);
    }
    static void Paint(Picture& surface, int left, int top) {
        const Picture block = BlockOf(kPattern);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                surface.Set(left + x, top + y, static_cast<std::uint32_t>(block.At(x, y)));
    }
    Instruction Recognising(int x, int y, int code) {
        Instruction in;
        in.pLocationX = static_cast<std::int16_t>(x);
        in.pLocationy = static_cast<std::int16_t>(y);
        in.pLocationBase = static_cast<std::int16_t>(code);
        in.pPicture = kPattern;
        in.LocationX = -300;
        in.Locationy = -250;
        in.pChar = FixWidth(" ok ", kCharWidth);
        return in;
    }

    FakeCapture capture;
    testing::FakeKeyboard keyboard;
    std::unique_ptr<CodePage936> cp = MakeCodePage936();
    KeySender keys{keyboard, *cp};
    PictureBuffer pimage;
    TargetActions actions{capture, keyboard, keys, pimage};
};

TEST_F(TargetActionsTest, ARecognisedPictureClicksThenTypesIntoTheFirstWindow) {
    ASSERT_TRUE(actions.ExecuteInstruction(Recognising(701, 551, kBottomRight), {5, 9, true}));
    const std::vector<std::string> expected = {
        "LBUTTONDOWN 0x0 0x320064", "sleep 100", "LBUTTONUP 0x0 0x320064",
        "CHAR 0x6F 0x1", "CHAR 0x6B 0x1", "KEYDOWN 0xD 0x1C0001", "sleep 100",
        "KEYUP 0xD 0xC01C0001", "KEYUP 0xD 0xC01C0001"};
    EXPECT_EQ(keyboard.events, expected);
    EXPECT_EQ(Fingerprint(pimage.Block()), kPattern);
    const ExecutionReport report = actions.LastReport();
    ASSERT_TRUE(report.recognition);
    EXPECT_EQ(report.recognition->point, (ClientPoint{100, 50}));
    EXPECT_EQ(report.recognition->seen, kPattern);
    EXPECT_EQ(report.recognition->agreeing, 36);
    EXPECT_EQ(report.recognition->percent, 100);
    EXPECT_EQ(report.click, (ClientPoint{100, 50}));
    EXPECT_EQ(report.text, "ok");
}

TEST_F(TargetActionsTest, AnotherPictureFailsAndPostsNothing) {
    capture.printed = Picture(800, 600, 0x808080);
    Paint(capture.printed, 300, 300);
    EXPECT_FALSE(actions.ExecuteInstruction(Recognising(100, 50, kTopLeft), {5, 5, true}));
    EXPECT_TRUE(keyboard.events.empty());
    const ExecutionReport report = actions.LastReport();  // a miss: seen, not clicked
    ASSERT_TRUE(report.recognition);
    EXPECT_EQ(report.recognition->seen, "");  // flat grey: no contrast
    EXPECT_EQ(report.recognition->percent, 0);
    EXPECT_FALSE(report.click);
    EXPECT_EQ(report.text, "");
}

TEST_F(TargetActionsTest, ABlackDrawingFallsBackToTheScreenOnlyForOtherWindows) {
    capture.screen = capture.printed;
    capture.printed = Picture(800, 600, 0);
    EXPECT_FALSE(actions.ExecuteInstruction(Recognising(100, 50, kTopLeft), {5, 5, true}));
    EXPECT_EQ(capture.screenCopies, 0);
    EXPECT_TRUE(actions.ExecuteInstruction(Recognising(100, 50, kTopLeft), {5, 5, false}));
    EXPECT_EQ(capture.screenCopies, 1);
}

TEST_F(TargetActionsTest, AMinimisedWindowGivesAnEmptyBlockNotAFailure) {
    capture.printed = Picture();
    EXPECT_FALSE(actions.ExecuteInstruction(Recognising(100, 50, kTopLeft), {5, 5, false}));
    EXPECT_EQ(capture.prints, 0);
    EXPECT_EQ(pimage.Block(), Picture(12, 12, 0));
}

TEST_F(TargetActionsTest, WithoutRecognitionAnInstructionSucceeds) {
    Instruction in;
    EXPECT_TRUE(actions.ExecuteInstruction(in, {5, 5, true}));
    EXPECT_TRUE(keyboard.events.empty());
    EXPECT_EQ(capture.prints, 0);
}

}  // namespace
}  // namespace tavo
