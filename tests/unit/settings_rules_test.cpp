#include <functional>
#include <iterator>

#include "controller_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;

class SettingsTest : public testing::ControllerTest {
protected:
    SettingsTest() {
        controller.Startup();
        messages.shown.clear();
    }
    SettingsPanelView Panel() const { return controller.View().settings; }
    void Type(SettingsBox box, const std::string& text) {
        controller.EditSettingsBox(box, text);
    }
};

TEST_F(SettingsTest, SizeBoxesNormaliseWhatIsTyped) {
    struct Case {
        SettingsBox box;
        const char* typed;
        const char* shown;
        int value;
    };
    const Case cases[] = {
        {SettingsBox::Width_txt, "-5", "0", 0},      {SettingsBox::Width_txt, "12abc", "12", 12},
        {SettingsBox::Width_txt, "", "0", 0},        {SettingsBox::Height_txt, "640", "640", 640},
        {SettingsBox::Height_txt, "2.5", "2.5", 2},  {SettingsBox::Height_txt, "abc", "0", 0},
        // Never an exponent, which reading the box back would stop at.
        {SettingsBox::Width_txt, "100000", "100000", 100000},
        {SettingsBox::Width_txt, "0.0000001", "0.0000001", 0},
        // Beyond what the setting holds, the box shows the value in use.
        {SettingsBox::Width_txt, "3000000000", "2147483647", 2147483647},
    };
    for (const Case& c : cases) {
        controller.Script().SetModified(false);
        Type(c.box, c.typed);
        const bool width = c.box == SettingsBox::Width_txt;
        EXPECT_EQ(width ? Panel().Width_txt : Panel().Height_txt, c.shown) << c.typed;
        EXPECT_EQ(width ? controller.State().settings.MinWidth : controller.State().settings.MinHeight,
                  c.value)
            << c.typed;
        EXPECT_TRUE(controller.Script().Modified()) << c.typed;
    }
}

TEST_F(SettingsTest, WindowCountStaysWithinOneToTen) {
    struct Case {
        const char* typed;
        const char* shown;
        int spinner;
    };
    const Case cases[] = {{"0", "1", -1},     {"25", "10", -10}, {"3", "3", -3},
                          {"-4", "1", -1},    {"3abc", "3", -3}, {"2.5", "2", -2}};
    for (const Case& c : cases) {
        Type(SettingsBox::Text1, c.typed);
        EXPECT_EQ(Panel().Text1, c.shown) << c.typed;
        EXPECT_EQ(Panel().VScroll1, c.spinner) << c.typed;
        EXPECT_EQ(controller.State().settings.MaxWindows, -c.spinner) << c.typed;
    }
    controller.ScrollWindowCount(-7);
    EXPECT_EQ(Panel().Text1, "7");
    EXPECT_EQ(controller.State().settings.MaxWindows, 7);
}

TEST_F(SettingsTest, TypingAKeywordEmptiesTheTreeAndRemembersTheKeyword) {
    Build({{"L1", ""}, {"L2", ""}});
    Type(SettingsBox::Name_txt, " game ");
    EXPECT_TRUE(controller.Script().Tree().Empty());
    EXPECT_EQ(registry.writes, (std::vector<std::pair<std::string, std::string>>{{"WindowsName", "game"}}));
    EXPECT_EQ(controller.State().settings.WindowKeyword, "game");
    EXPECT_TRUE(controller.Script().Modified());
}

TEST_F(SettingsTest, ClearingTheKeywordResetsButWritesNothing) {
    Type(SettingsBox::Name_txt, "game");
    Build({{"L1", ""}});
    controller.Script().SetModified(false);  // nothing unsaved: no question
    registry.writes.clear();
    Type(SettingsBox::Name_txt, "");
    EXPECT_TRUE(controller.Script().Tree().Empty());
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(controller.State().settings.WindowKeyword, "");
    EXPECT_FALSE(controller.Script().Modified());
}

TEST_F(SettingsTest, TheKeywordBoxRefusesSpacesAndBarsWithABeep) {
    Type(SettingsBox::Name_txt, "my game|2");
    EXPECT_EQ(Panel().Name_txt, "mygame2");
    EXPECT_EQ(controller.State().settings.WindowKeyword, "mygame2");
    EXPECT_EQ(messages.beeps, 1);
    Type(SettingsBox::Name_txt, "mygame2 ");  // nothing left to change
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_EQ(registry.writes.size(), 1u);
}

// Changing the keyword or the window kind empties the tree: with unsaved work in it the
// user is asked first, and No leaves box, buttons, Script and Modified as they were.
TEST_F(SettingsTest, DiscardingUnsavedWorkAsksFirst) {
    struct Case {
        const char* name;
        bool modified;
        MessageAnswer answer;
        bool asked, emptied;
    };
    const Case cases[] = {
        {"unsaved, No", true, MessageAnswer::No, true, false},
        {"unsaved, Yes", true, MessageAnswer::Yes, true, true},
        {"nothing unsaved", false, MessageAnswer::No, false, true},
    };
    const testing::ShownMessage question{"当前脚本尚未保存，更改窗口设置将清空脚本。是否继续?",
                                         MessageButtons::YesNo, MessageIcon::Question};
    const std::function<void()> changes[] = {
        [this] { Type(SettingsBox::Name_txt, "farm"); },
        [this] { controller.ChooseOtherWindows(); },
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < std::size(changes); ++i) {
            controller.Choose(Command::MenuClear);
            controller.ChooseFlashWindows();  // back to Flash windows, the start
            Type(SettingsBox::Name_txt, "game");
            Build({{"L1", ""}});
            controller.Script().SetModified(c.modified);
            messages.shown.clear();
            messages.answers = {c.answer};
            const SettingsPanelView before = Panel();
            changes[i]();
            const std::string what = std::string(c.name) + (i == 0 ? ", keyword" : ", kind");
            EXPECT_EQ(messages.shown, c.asked ? std::vector{question} : std::vector<testing::ShownMessage>{})
                << what;
            EXPECT_EQ(controller.Script().Tree().Empty(), c.emptied) << what;
            if (c.emptied) continue;
            EXPECT_EQ(Panel(), before) << what;
            EXPECT_TRUE(controller.Script().Modified()) << what;
            EXPECT_EQ(controller.State().settings.WindowKeyword, "game") << what;
            EXPECT_TRUE(controller.State().settings.FlashMode) << what;
        }
    }
}

TEST_F(SettingsTest, AtTheFirstStartTheFirstKeywordNamesTheScript) {
    EXPECT_EQ(controller.State().ScriptName, kDefaultScriptName);
    Type(SettingsBox::Name_txt, "farm");
    EXPECT_EQ(controller.State().ScriptName, "farm");
}

TEST_F(SettingsTest, WindowKindButtonsWorkAsAPair) {
    Build({{"L1", ""}});
    controller.ChooseFlashWindows();  // disabled while Flash windows are selected
    EXPECT_FALSE(controller.Script().Tree().Empty());

    controller.ChooseOtherWindows();
    EXPECT_FALSE(controller.State().settings.FlashMode);
    EXPECT_TRUE(Panel().Option1Enabled);
    EXPECT_FALSE(Panel().Option2Enabled);
    EXPECT_TRUE(controller.Script().Tree().Empty());
    EXPECT_TRUE(controller.Script().Modified());

    controller.ChooseFlashWindows();
    EXPECT_TRUE(controller.State().settings.FlashMode);
    EXPECT_FALSE(Panel().Option1Enabled);
    EXPECT_TRUE(Panel().Option2Enabled);
}

TEST_F(SettingsTest, TheShownPanelLocksTheMenus) {
    AddTarget();
    controller.RunTick();
    Build({{"L1", ""}});
    controller.Choose(Command::Setup);
    MainViewModel v = View();
    EXPECT_TRUE(v.framShown);
    EXPECT_FALSE(v.menuFile || v.menuEdit || v.menuCtrl || v.delOrderEnabled || v.clearEnabled);
    EXPECT_FALSE(v.toolbarEnabled[kButtonRun] || v.toolbarEnabled[kButtonOpen]);
    controller.Choose(Command::Setup);
    v = View();
    EXPECT_FALSE(v.framShown);
    EXPECT_TRUE(v.menuFile && v.menuEdit && v.menuCtrl && v.delOrderEnabled && v.clearEnabled);
    EXPECT_TRUE(v.toolbarEnabled[kButtonRun]);
}

TEST_F(SettingsTest, TheGuardKeepsThePanelShut) {
    Build({{"L1", ""}, {"L2", "", 0, "", "", ""}});
    controller.Script().SelectInstruction(controller.Script().Tree().Find("L2"));
    controller.ToggleSettings();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L2指令?"});
    EXPECT_FALSE(View().framShown);
}

TEST_F(SettingsTest, InitializeInstructionAsksFirst) {
    Build({{"L1", ""}});
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    controller.Choose(Command::EditClear);
    EXPECT_FALSE(IsBlank(controller.Script().Current().pChar));
    controller.Choose(Command::EditClear);
    EXPECT_TRUE(IsBlank(controller.Script().Current().pChar));
    controller.Script().SelectInstruction(controller.Script().Tree().Find("L1"));
    EXPECT_TRUE(IsBlank(controller.Script().Current().pChar));
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"要清除已有信息吗?", "要清除已有信息吗?"}));
}

TEST(ProgramFolder, AlwaysEndsWithOneBackslash) {
    EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\Tavo"), "C:\\Tavo\\");
    EXPECT_EQ(ScriptNameOf("D:\\work\\farm.old.gmx"), "farm");
    EXPECT_EQ(ScriptNameOf("farm.gmx"), "");
}

}  // namespace
}  // namespace tavo
