#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "core/editor/field_number.h"
#include "editor_fixture.h"

namespace tavo {
namespace {

struct NumberCase {
    const char* name;
    std::string text;
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class FieldNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldNumberTest, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(FieldNumberValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, FieldNumberTest,
                         ::testing::Values(NumberCase{"Negative", "-5", -5},
                                           NumberCase{"SpaceIsSkipped", "1 2", 12},
                                           NumberCase{"TabAndNewLineAreSkipped", "\t3\n4", 34},
                                           NumberCase{"StopsAtALetter", "2.5x", 2.5},
                                           NumberCase{"Exponent", "1E3", 1000},
                                           NumberCase{"NegativeExponent", "1e-1", 0.1},
                                           NumberCase{"ExponentWithoutDigits", "2E", 2},
                                           NumberCase{"LeadingPoint", ".5", 0.5},
                                           NumberCase{"HexPrefix", "&H1f", 31},
                                           NumberCase{"OctalPrefix", "&O17", 15},
                                           NumberCase{"UnknownPrefixIsZero", "&Z1", 0},
                                           NumberCase{"LetterFirstIsZero", "a1", 0},
                                           NumberCase{"MinusAloneIsZero", "-", 0},
                                           NumberCase{"EmptyIsZero", "", 0}),
                         case_names::ByName{});

TEST(FieldInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(FieldInt16(2.5), 2);
    EXPECT_EQ(FieldInt16(3.5), 4);
    EXPECT_EQ(FieldInt16(-32768), -32768);
    EXPECT_EQ(FieldInt16(32767.6), std::nullopt);
    EXPECT_EQ(FieldInt16(9e99), std::nullopt);
}

class FieldEditorTest : public testing::EditorTest {
protected:
    FieldEditorTest() { Build({{"L1", ""}, {"L2", "", 0, "L1", "L9"}}, "L2"); }
    std::string StoredChar() const {
        Instruction stored;
        const ScriptNode* node = script.CurrentNode();
        ParseTag(stored, node->tag, node->caption);
        return stored.pChar;
    }
};

TEST_F(FieldEditorTest, ShowingLoadsTheCurrentInstruction) {
    script.Current().LocationX = 4;
    script.Current().pLocationBase = 3;
    fields.ShowEditorPanel(true);
    const EditorPanelView& v = fields.View();
    EXPECT_TRUE(v.shown);
    EXPECT_EQ(v.lChar, "x");
    EXPECT_EQ(v.Text2, "CaptionL1");
    EXPECT_EQ(v.Text3, "L9");  // a dangling jump shows its key
    EXPECT_EQ(v.comm4Image, kImageClickPickerSet);
    EXPECT_EQ(v.comm2Image, kImageRecognitionPicker);
    EXPECT_EQ(v.comm3Image, kImageKeyboardSet);
    EXPECT_EQ(v.pweiSquare, 3);
    EXPECT_FALSE(v.lDelayEnabled);
    EXPECT_EQ(focus.Serial(), 0u);
}

TEST_F(FieldEditorTest, LoadingTextWithoutAKeyCommandZeroesTheKeyDelay) {
    fields.ShowEditorPanel(true);
    fields.DelayChanged("5");
    fields.ShowEditorPanel(false);
    script.Current().pDelay = 300;
    script.SetModified(false);
    fields.ShowEditorPanel(true);
    EXPECT_EQ(fields.View().lDelay, "0");
    EXPECT_EQ(script.Current().pDelay, 0);
    EXPECT_TRUE(script.Modified());
}

TEST_F(FieldEditorTest, TheTextIsTrimmedAndCutToFiftyBytesWithABeep) {
    fields.ShowEditorPanel(true);
    fields.CharChanged("go ");
    EXPECT_EQ(fields.View().lChar, "go");
    EXPECT_EQ(StoredChar(), FixWidth("go", kCharWidth));
    fields.CharChanged("a b");
    EXPECT_EQ(fields.View().lChar, "a b");
    EXPECT_EQ(messages.beeps, 0);

    std::string wide;
    for (int i = 0; i < 24; ++i) wide += "你";
    fields.CharChanged(wide + "abc");
    EXPECT_EQ(fields.View().lChar, wide + "ab");
    fields.CharChanged(wide + "你你");
    EXPECT_EQ(fields.View().lChar, wide + "你");
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(StoredChar(), FixWidth(wide + "你", kCharWidth));

    // What code page 936 cannot hold would be typed as "?": dropped with a beep, as the cut.
    fields.CharChanged("a😀b한c?€");
    EXPECT_EQ(fields.View().lChar, "abc?€");
    EXPECT_EQ(messages.beeps, 3);
    EXPECT_EQ(StoredChar(), FixWidth("abc?€", kCharWidth));
}

TEST_F(FieldEditorTest, AKeyCommandEnablesTheKeyDelayAndFocusesIt) {
    fields.ShowEditorPanel(true);
    fields.CharChanged("hi/*F5*/");
    EXPECT_TRUE(fields.View().lDelayEnabled);
    EXPECT_EQ(focus.Target(), FocusTarget::lDelay);
    EXPECT_EQ(focus.Serial(), 1u);
    fields.DelayChanged("300");
    EXPECT_EQ(script.Current().pDelay, 300);
    fields.CharChanged("hi");
    EXPECT_FALSE(fields.View().lDelayEnabled);
    EXPECT_EQ(fields.View().lDelay, "0");
    EXPECT_EQ(script.Current().pDelay, 0);
    fields.CharChanged("");
    EXPECT_EQ(fields.View().comm3Image, kImageKeyboard);
}

struct PauseCase {
    const char* name;
    std::string typed;
    std::string shown;
    std::int16_t stored;
};

void PrintTo(const PauseCase& c, std::ostream* os) { *os << c.name; }

class PauseTest : public FieldEditorTest, public ::testing::WithParamInterface<PauseCase> {};

TEST_P(PauseTest, StoresTheRoundedValue) {
    fields.ShowEditorPanel(true);
    fields.PauseChanged("7");
    fields.PauseChanged(GetParam().typed);
    EXPECT_EQ(fields.View().lPause, GetParam().shown);
    EXPECT_EQ(script.Current().pPause, GetParam().stored);
    Instruction stored;
    ParseTag(stored, script.CurrentNode()->tag, "");
    EXPECT_EQ(stored.pPause, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Table, PauseTest,
                         ::testing::Values(PauseCase{"NegativeIsKept", "-5", "-5", -5},
                                           PauseCase{"HalfRoundsDownToEven", "2.5", "2.5", 2},
                                           PauseCase{"HalfRoundsUpToEven", "3.5", "3.5", 4},
                                           PauseCase{"SpaceIsSkipped", "1 2", "1 2", 12},
                                           PauseCase{"LetterShowsZero", "a", "0", 0},
                                           PauseCase{"EmptyShowsZero", "", "0", 0},
                                           PauseCase{"TooLargeIsRefused", "9E99", "7", 7}),
                         case_names::ByName{});

TEST_F(FieldEditorTest, EnterSendsTheTextToTheFirstWindowAtOnceAndCloses) {
    fields.ShowEditorPanel(true);
    fields.CharChanged("ab");
    fields.CharEnter(7);
    EXPECT_EQ(keyboard.events,
              (std::vector<std::string>{"CHAR 0x61 0x1", "CHAR 0x62 0x1", "KEYDOWN 0xD 0x1C0001",
                                        "sleep 100", "KEYUP 0xD 0xC01C0001", "KEYUP 0xD 0xC01C0001"}));
    EXPECT_FALSE(fields.Shown());
    EXPECT_EQ(focus.Target(), FocusTarget::InfoTree);

    keyboard.events.clear();
    fields.CharEnter(0);  // the window has gone: nothing is sent anywhere
    EXPECT_TRUE(keyboard.events.empty());
}

TEST_F(FieldEditorTest, AComposedKeyIsAppendedAsACommandAndSent) {
    fields.MoveTo({500, 600});
    fields.ShowEditorPanel(true);
    fields.OpenKeyBoard(9870, 7800);
    EXPECT_EQ(fields.KeyBoard(), (KeyBoardView{true, 500, 1400}));
    EXPECT_EQ(focus.Target(), FocusTarget::KeyBoard);
    fields.KeyEvent("Ctrl+v", 7);
    EXPECT_EQ(fields.View().lChar, "x/*Ctrl+v*/");
    EXPECT_EQ(KeyOf(script.Current().pChar), "x/*Ctrl+v*/");
    EXPECT_EQ(fields.KeyBoard().top, kKeyBoardTopAfterKey);
    EXPECT_EQ(focus.Target(), FocusTarget::lDelay);
    EXPECT_EQ(focus.Serial(), 2u);
    ASSERT_FALSE(keyboard.events.empty());
    EXPECT_EQ(keyboard.events.front(), "CHAR 0x78 0x1");
    fields.KeyBoardFocusLost();
    EXPECT_FALSE(fields.KeyBoard().shown);
}

}  // namespace
}  // namespace tavo
