#include <gtest/gtest.h>

#include "core/model/gmx_format.h"
#include "main_fixture.h"

namespace tavo {
namespace {

// The click point, the recognition point and their orientations.
std::vector<int> Points(const Instruction& in) {
    return {in.LocationX,  in.Locationy,  in.LocationBase,
            in.pLocationX, in.pLocationy, in.pLocationBase};
}

TypedKey Letter(char c) { return {c - 'a' + 'A', false, false, false, std::string(1, c)}; }

// The target (7) at (560, 240) with an 800 × 600 client area, a checker around its client
// point (100, 100) on a flat grey; another program's window (9) at the top left.
class RecorderTest : public testing::MainTest {
protected:
    RecorderTest() {
        main.Startup();
        AddTarget();
        windows.Add(9, 0, 0, 400, 200);
        main.RunTick();
        Build({{"L1", ""}});
        capture.printed = Picture(800, 600, 0x808080);
        for (int y = 94; y < 106; ++y)
            for (int x = 94; x < 106; ++x)
                capture.printed.Set(x, y, (x / 2 + y / 2) % 2 ? 0xFFFFFF : 0);
    }
    bool Note(const TargetInput& input) {
        const bool kept = core.Note(input);
        if (kept) core.ApplyRecording();
        return kept;
    }
    bool Press(int x, int y) { return Note(TargetPressed{{560 + x, 240 + y}}); }
    bool Type(const TypedKey& key, WindowHandle front = 7) {
        return Note(TargetKeyPressed{key, front});
    }
    Instruction Record(const std::string& key) const {
        Instruction in;
        if (const ScriptNode* node = main.Script().Tree().Find(key))
            ParseTag(in, node->tag, node->caption);
        return in;
    }
};

TEST_F(RecorderTest, ClicksBecomeTopLevelInstructionsWithPictureTextAndPauseUndoneInOneStep) {
    main.Choose(Command::CtrlRecord);
    MainViewModel v = View();
    EXPECT_TRUE(v.recording && v.menuCtrl);
    EXPECT_FALSE(v.menuFile || v.menuEdit || v.menuSetup || v.treeEditable || v.undoEnabled);
    EXPECT_TRUE(Press(100, 100));
    EXPECT_FALSE(View().saveEnabled) << "the Script is modified, but Save waits";
    EXPECT_EQ(Toolbar(v), (std::array<bool, 5>{}));
    main.Choose(Command::EditNew);  // locked
    clock.AdvanceMs(2600);
    for (const TypedKey& k : {Letter('h'), Letter('i'), TypedKey{0x0D, false, false, false, "\r"}})
        EXPECT_TRUE(Type(k));
    EXPECT_TRUE(Press(650, 100));
    main.Choose(Command::CtrlRecord);
    v = View();
    EXPECT_TRUE(!v.recording && v.menuFile && v.menuEdit && v.treeEditable);
    EXPECT_EQ(Toolbar(v), (std::array<bool, 5>{true, true, true, true, false}));

    ASSERT_EQ(main.Script().Tree().Count(), 3);
    const Instruction checker = Record("L2"), flat = Record("L3");
    EXPECT_EQ(checker.NodeParent, Blank(kKeyWidth));
    EXPECT_EQ(Points(checker), (std::vector<int>{-300, -200, kCentre, -300, -200, kCentre}));
    EXPECT_EQ(checker.pPicture, Fingerprint(CutRegion(capture.printed, {94, 94, 12, 12})));
    EXPECT_EQ(checker.pPause, 3);
    EXPECT_EQ(TrimSpaces(checker.pChar), "hi");
    EXPECT_EQ(Points(flat), (std::vector<int>{250, -200, kCentre, 0, 0, kCentre}));
    EXPECT_EQ(flat.pPicture, Blank(kPictureWidth)) << "a flat block has no contrast";

    main.Choose(Command::EditUndo);
    EXPECT_EQ(main.Script().Tree().Count(), 1);
    EXPECT_FALSE(View().saveEnabled);
}

TEST_F(RecorderTest, KeepsOnlyWhatTheUserDoesInTheTargetWindow) {
    main.Choose(Command::CtrlRun);
    main.Choose(Command::CtrlRecord);
    EXPECT_FALSE(View().recording) << "not during a run";
    main.Choose(Command::CtrlStop);
    main.Choose(Command::CtrlRecord);

    EXPECT_FALSE(Type(Letter('a'))) << "before the first click: no Instruction to type for";
    EXPECT_FALSE(Press(-500, -200)) << "a click in another window";
    EXPECT_TRUE(Press(400, 300));
    EXPECT_EQ(Points(Record("L2")), (std::vector<int>{400, 300, kTopLeft, 0, 0, kCentre}))
        << "the centre reads as no point there";
    EXPECT_FALSE(Type(Letter('b'), 9)) << "typed into another program";
    EXPECT_FALSE(Type({0x72, true, false, false, ""})) << "Ctrl+F3 is Tavo's";
    for (int i = 0; i < 51; ++i) Type(Letter('c'));
    EXPECT_EQ(Record("L2").pChar, std::string(kCharWidth, 'c'));
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(RecorderTest, StopsAtTheInstructionLimitWithTheUsualMessage) {
    std::vector<testing::NodePlan> plans;
    for (int i = 2; i <= kMaxRecords; ++i) plans.push_back({NodeKeyFor(i), ""});
    Build(plans);
    main.Choose(Command::CtrlRecord);
    Press(100, 100);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"脚本最多230条指令,无法继续添加。"});
    EXPECT_FALSE(View().recording);
    EXPECT_EQ(main.Script().Tree().Count(), kMaxRecords);
}

}  // namespace
}  // namespace tavo
