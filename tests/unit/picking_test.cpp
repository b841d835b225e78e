#include <gtest/gtest.h>

#include "core/capture/picking.h"
#include "core/main/editor_picker_panel.h"
#include "core/acting/recognition.h"
#include "core/acting/target_actions.h"
#include "editor_fixture.h"
#include "fakes/fake_capture.h"
#include "fakes/fake_windows.h"

namespace tavo {
namespace {

constexpr WindowHandle kTarget = 7;
constexpr ScreenPoint kOrigin{1000, 200};  // the target's client area starts here
const std::string kPattern = "000111000111000111000111000111000111";

class PickingTest : public testing::EditorTest {
protected:
    PickingTest() {
        Build({{"L1", ""}, {"L2", ""}, {"L3", "L2"}}, "L2");
        windows.Add(kTarget, kOrigin.x, kOrigin.y, 800, 600);
        windows.Add(9, 0, 0, 400, 300);  // another window
        capture.printed = Picture(800, 600, 0x808080);
        fields.ShowEditorPanel(true);
    }
    // The pattern's 12 × 12 block centred on client point (x, y): sample (2i, 2j) dark
    // where the pattern has "0" at i * 6 + j.
    void PaintPattern(int x, int y) {
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                capture.printed.Set(x - 6 + 2 * i, y - 6 + 2 * j,
                                    kPattern[static_cast<std::size_t>(i * 6 + j)] == '0' ? 0x0A0A0A : 0xC8C8C8);
    }
    static ScreenPoint At(int x, int y) { return {kOrigin.x + x, kOrigin.y + y}; }
    Instruction Stored() const {
        Instruction in;
        ParseTag(in, script.CurrentNode()->tag, script.CurrentNode()->caption);
        return in;
    }

    testing::FakeWindows windows;
    testing::FakeCapture capture;
    testing::FakeClock clock;
    testing::FakePump pump;
    PictureBuffer pimage;
    Journal journal;
    EditorPickerPanel panel{fields};
    Picking picking{script, panel, {windows, capture, clock, pump, pimage, messages, journal}};
    static constexpr PickTarget kPickTarget{kTarget, false};
};

TEST(SavedTop, HidesAboveAndBringsBackAWindowALostReleaseLeftHidden) {
    SavedTop top;
    EXPECT_EQ(top.Hide(100, 500), -500);
    EXPECT_EQ(top.Saved(), 100);
    EXPECT_EQ(top.Hide(-500, 500), 100);  // still hidden: put back, not hidden further
    EXPECT_EQ(top.Saved(), 100);
}

TEST_F(PickingTest, AClickPickStoresThePointUnderItsOrientationOnlyInTheFirstWindow) {
    script.Current().LocationBase = kBottomRight;
    EXPECT_EQ(picking.BeginPointPick(PickerKind::Click, 40, 520), -520);
    EXPECT_EQ(picking.FinishPointPick(PickerKind::Click, At(100, 50), kPickTarget), 40);
    EXPECT_EQ(Stored().LocationX, 701);
    EXPECT_EQ(Stored().Locationy, 551);
    EXPECT_EQ(fields.View().comm4Image, kImageClickPickerSet);
    EXPECT_EQ(fields.View().comm4Point, "701, 551 (右下)");

    script.SetModified(false);
    picking.BeginPointPick(PickerKind::Click, 40, 520);
    picking.FinishPointPick(PickerKind::Click, {10, 10}, kPickTarget);  // over the other window
    picking.BeginPointPick(PickerKind::Click, 40, 520);
    picking.FinishPointPick(PickerKind::Click, At(100, 50), {0, false});  // no target held
    EXPECT_EQ(Stored().LocationX, 701);
    EXPECT_FALSE(script.Modified());
    EXPECT_EQ(journal.Text(), "21:15:03  取点不在目标窗口内，未取点。\r\n21:15:03  没有找到目标窗口，未取点。\r\n");
}

// What the magnifier shows while a picker is held, and the same rules the release keeps.
TEST_F(PickingTest, APreviewShowsWhatTheReleaseWouldTakeThere) {
    PaintPattern(100, 50);
    script.Current().LocationBase = kBottomRight;
    script.Current().pLocationBase = kTopLeft;
    const PickPreview click = picking.PreviewPointPick(PickerKind::Click, At(100, 50), kPickTarget);
    EXPECT_EQ(click.refusal, PickRefusal::None);
    EXPECT_EQ(click.stored, (ClientPoint{701, 551}));
    EXPECT_EQ(Fingerprint(click.block), kPattern);  // the block around the pointer
    EXPECT_EQ(PreviewText(click), "坐标: 701, 551");

    const auto text = [&](PickerKind picker, ScreenPoint at, PickTarget target) {
        return PreviewText(picking.PreviewPointPick(picker, at, target));
    };
    EXPECT_EQ(text(PickerKind::Recognition, At(100, 50), kPickTarget), "坐标: 100, 50\n图形可用");
    EXPECT_EQ(text(PickerKind::Recognition, At(300, 300), kPickTarget), "坐标: 300, 300\n图形对比度不足");
    EXPECT_EQ(text(PickerKind::Recognition, At(0, 0), kPickTarget), "坐标: 0, 0\n在基准点上");
    EXPECT_EQ(text(PickerKind::Click, {10, 10}, kPickTarget), "不在目标窗口内");
    EXPECT_EQ(text(PickerKind::Click, At(100, 50), {0, false}), "没有找到目标窗口");
    EXPECT_TRUE(journal.Text().empty());  // a preview takes and logs nothing
    EXPECT_TRUE(windows.pointerMoves.empty());
}

TEST_F(PickingTest, ARecognitionPickTakesThePictureWithThePointerAside) {
    script.Current().pLocationBase = kTopRight;
    PaintPattern(100, 50);
    picking.BeginPointPick(PickerKind::Recognition, 40, 520);
    EXPECT_EQ(fields.View().comm2Image, kImageRecognitionPicker);
    picking.FinishPointPick(PickerKind::Recognition, At(100, 50), kPickTarget);
    const Instruction in = Stored();
    EXPECT_EQ(in.pPicture, kPattern);
    EXPECT_EQ(in.pLocationX, 701);
    EXPECT_EQ(in.pLocationy, 50);
    EXPECT_EQ(fields.View().comm2Image, kImageRecognitionPickerSet);
    EXPECT_EQ(windows.pointerMoves, (std::vector<ScreenPoint>{kPointerAside, At(100, 50)}));
    EXPECT_EQ(pump.calls, 1);
    EXPECT_EQ(Fingerprint(pimage.Block()), kPattern);  // what Pimage shows
    // The runner finds the same picture at the stored point.
    const ClientPoint offset = BlockOffset(kTopRight);
    EXPECT_TRUE(PictureMatches(CaptureBlock(capture, kTarget, in.pLocationX - offset.x, in.pLocationy - offset.y,
                                            kBlockSide, kBlockSide, kTopRight, true),
                               in.pPicture));
}

TEST_F(PickingTest, AFlatPictureIsRefusedAndTheResetPointStillStored) {
    script.Current().pLocationX = 5;
    script.Current().pPicture = kPattern;
    picking.BeginPointPick(PickerKind::Recognition, 40, 520);
    picking.FinishPointPick(PickerKind::Recognition, At(300, 300), kPickTarget);
    const Instruction in = Stored();
    EXPECT_EQ(in.pLocationX, 0);
    EXPECT_TRUE(IsBlank(in.pPicture));
    EXPECT_EQ(fields.View().comm2Image, kImageRecognitionPicker);
    EXPECT_EQ(fields.View().comm2Point, "");
    EXPECT_EQ(journal.Text(), "21:15:03  图形对比度不足，未取图，请换一个点。\r\n");
}

// (0, 0) stored would read as "no point": the centre under Centre, the corner under
// TopLeft (800 × 600: W' = 801, H' = 601).
TEST_F(PickingTest, APickOnTheReferencePointIsRefusedWithABeepAndALogLine) {
    script.SetModified(false);
    const std::string line = "21:15:03" + std::string(kPickOnReferencePoint) + "\r\n";
    picking.BeginPointPick(PickerKind::Click, 40, 520);
    EXPECT_EQ(picking.FinishPointPick(PickerKind::Click, At(400, 300), kPickTarget), 40);
    EXPECT_EQ(fields.View().comm4Image, kImageClickPicker);
    EXPECT_EQ(journal.Text(), line);

    script.Current().pLocationBase = kTopLeft;
    PaintPattern(0, 0);
    picking.BeginPointPick(PickerKind::Recognition, 40, 520);
    picking.FinishPointPick(PickerKind::Recognition, At(0, 0), kPickTarget);
    EXPECT_EQ(fields.View().comm2Image, kImageRecognitionPicker);
    EXPECT_TRUE(IsBlank(script.Current().pPicture));
    EXPECT_TRUE(windows.pointerMoves.empty());  // no picture taken
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(journal.Text(), line + line);
    EXPECT_FALSE(script.Modified());
}

TEST_F(PickingTest, ALostCapturePicksNothingAndPutsTheWindowBack) {
    script.Current().pLocationX = 5;
    script.Current().pPicture = kPattern;
    fields.ShowEditorPanel(true);
    script.SetModified(false);
    picking.BeginPointPick(PickerKind::Recognition, 40, 520);
    EXPECT_EQ(picking.CancelPointPick(PickerKind::Recognition), 40);
    EXPECT_EQ(script.Current().pLocationX, 5);  // as its node still holds it
    EXPECT_EQ(fields.View().comm2Image, kImageRecognitionPickerSet);

    picking.BeginJumpPick();
    picking.CancelJumpPick();
    EXPECT_EQ(fields.View().top, 0);
    EXPECT_FALSE(script.Modified());
}

TEST_F(PickingTest, AJumpDroppedOnANodeSetsItAndBesideTheTreeClearsIt) {
    picking.BeginJumpPick();
    EXPECT_EQ(fields.View().top, -kPictHeight);
    picking.FinishJumpPick(PickerKind::SuccessJump, "L1");
    EXPECT_EQ(fields.View().top, 0);
    EXPECT_EQ(KeyOf(Stored().pYesNext), "L1");
    EXPECT_EQ(fields.View().Text2, "CaptionL1");
    EXPECT_EQ(script.CurrentNode()->icon, kIconWithJump);

    picking.FinishJumpPick(PickerKind::FailureJump, "L1");
    picking.FinishJumpPick(PickerKind::SuccessJump, "L2");  // on itself: cleared, the other stays
    EXPECT_EQ(KeyOf(Stored().pYesNext), "");
    EXPECT_EQ(fields.View().Text2, "");
    EXPECT_EQ(script.CurrentNode()->icon, kIconWithJump);
    picking.FinishJumpPick(PickerKind::FailureJump, std::nullopt);
    EXPECT_EQ(script.CurrentNode()->icon, kIconWithChildren);  // L2 has a child
}

TEST_F(PickingTest, AnotherPadSquareDiscardsThePointAndTheSameOneNothing) {
    script.Current().LocationX = 3;
    script.SetModified(false);
    picking.SelectOrientation(PadKind::Click, 0);  // already chosen
    picking.SelectOrientation(PadKind::Click, 5);  // the pad's background
    EXPECT_FALSE(script.Modified());
    picking.SelectOrientation(PadKind::Recognition, 4);
    EXPECT_EQ(Stored().pLocationBase, 4);
    EXPECT_EQ(fields.View().pweiSquare, 4);
    picking.SelectOrientation(PadKind::Click, 2);
    EXPECT_EQ(Stored().LocationBase, 2);
    EXPECT_EQ(Stored().LocationX, 0);
    EXPECT_EQ(fields.View().comm4Image, kImageClickPicker);
}

}  // namespace
}  // namespace tavo
