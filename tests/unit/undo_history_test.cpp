#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_names.h"
#include "core/editor/undo_history.h"

namespace tavo {
namespace {

// A state named by its current key; `modified` as the Script was in it.
ScriptSnapshot State(const std::string& name, bool modified = true) {
    ScriptSnapshot s;
    s.currentKey = name;
    s.modified = modified;
    return s;
}

// Where undo (or redo) goes, and Modified there; "-" when it goes nowhere.
std::string Step(const std::optional<ScriptSnapshot>& s) {
    return s ? s->currentKey + (s->modified ? "*" : "") : "-";
}

// Each Record(State(x)) stands for a change made from state x to the next.
class UndoHistoryTest : public ::testing::Test {
protected:
    // Changes from "s0" to "s1" ... to "s<n>"; the state now is "s<n>".
    void Change(int from, int to) {
        for (int i = from; i < to; ++i) history.Record(State("s" + std::to_string(i), i != 0));
    }
    std::string Undo(const std::string& now) { return Step(history.Undo(State(now))); }
    std::string Redo(const std::string& now) { return Step(history.Redo(State(now))); }

    UndoHistory history;
};

TEST_F(UndoHistoryTest, ANewChangeDiscardsWhatCouldBeRedone) {
    Change(0, 3);
    Undo("s3");
    Undo("s2");
    history.Record(State("s1"));
    EXPECT_EQ(history.RedoSteps(), 0u);
    EXPECT_EQ(Undo("x"), "s1*");
    EXPECT_EQ(Undo("s1"), "s0");
}

TEST_F(UndoHistoryTest, KeepsTheLatestHundredStepsAndDropsTheOldest) {
    Change(0, UndoHistory::kMaxSteps + 20);
    EXPECT_EQ(history.UndoSteps(), UndoHistory::kMaxSteps);
    std::string last;
    for (std::size_t i = 0; i < UndoHistory::kMaxSteps; ++i) last = Undo("now");
    EXPECT_EQ(last, "s20*");
    EXPECT_EQ(Undo("s20"), "-");
    EXPECT_EQ(history.RedoSteps(), UndoHistory::kMaxSteps);
}

TEST_F(UndoHistoryTest, EditsOfOneTextFieldInARowAreOneStep) {
    history.Record(State("before typing"), "lChar L1");
    history.Record(State("after a"), "lChar L1");
    history.NoteNoChange("lChar L1");  // a keystroke the rule took back
    history.Record(State("after ab"), "lChar L1");
    EXPECT_EQ(history.UndoSteps(), 1u);

    history.Record(State("other field"), "lPause L1");
    history.Record(State("back in lChar"), "lChar L1");
    history.NoteNoChange("");  // a click in between ends the typing
    history.Record(State("typing again"), "lChar L1");
    EXPECT_EQ(history.UndoSteps(), 4u);

    Undo("now");
    history.Record(State("after an undo"), "lChar L1");
    EXPECT_EQ(history.UndoSteps(), 4u);
    EXPECT_EQ(Undo("now"), "after an undo*");
}

// The file's state is where the Script is not modified, however the history reaches it.
struct SavedCase {
    const char* name;
    // "u" and "r" undo and redo; "save" marks the state now as the file's; "forget" stands
    // for a setting changed; "change" records a change from the state now.
    std::vector<std::string> moves;
    std::string reached;  // each state undo or redo reached, "*" where modified
};

class SavedMarkerTest : public UndoHistoryTest, public ::testing::WithParamInterface<SavedCase> {};

// From the file's state s0, changes to s1, s2 and s3; s3 is the state now.
TEST_P(SavedMarkerTest, ModifiedFollowsTheFilesState) {
    Change(0, 3);
    std::string now = "s3";
    std::string reached;
    for (const std::string& move : GetParam().moves) {
        if (move == "save") history.MarkSaved();
        if (move == "forget") history.ForgetSaved();
        if (move == "change") {
            history.Record(State(now));
            now = "c";
        }
        if (move != "u" && move != "r") continue;
        const auto to = move == "u" ? history.Undo(State(now)) : history.Redo(State(now));
        ASSERT_TRUE(to) << move << " after " << reached;
        now = to->currentKey;
        reached += (reached.empty() ? "" : " ") + Step(to);
    }
    EXPECT_EQ(reached, GetParam().reached);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SavedMarkerTest,
    ::testing::Values(
        SavedCase{"undo back to the loaded file", {"u", "u", "u", "r"}, "s2* s1* s0 s1*"},
        SavedCase{"a save makes every other state modified",
                  {"save", "u", "r", "u", "u", "u"},
                  "s2* s3 s2* s1* s0*"},
        SavedCase{"redo back to a save", {"u", "u", "save", "r", "u", "u"}, "s2* s1* s2* s1 s0*"},
        SavedCase{"a setting changed after the save", {"save", "forget", "u", "r"}, "s2* s3*"},
        SavedCase{"a change drops the saved state among the redo steps",
                  {"u", "save", "u", "change", "u", "u"},
                  "s2* s1* s1* s0*"}),
    case_names::ByName{});

TEST_F(UndoHistoryTest, ClearingForgetsEveryStepAndTheSavedState) {
    Change(0, 2);
    Undo("s2");
    history.Clear(false);
    EXPECT_EQ(history.UndoSteps() + history.RedoSteps(), 0u);
    history.Record(State("fresh", false));
    EXPECT_EQ(Undo("now"), "fresh");  // not the file's: as it was
    history.Clear(true);
    history.Record(State("loaded", true));
    EXPECT_EQ(Undo("now"), "loaded");
}

}  // namespace
}  // namespace tavo
