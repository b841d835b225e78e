#include "controller_fixture.h"

namespace tavo {
namespace {

using testing::NodeSpec;

class SettingsTest : public testing::ControllerTest {
protected:
    SettingsTest() {
        controller.Startup();
        messages.shown.clear();
    }
    SettingsPanelView Panel() const { return controller.View().settings; }
    void Type(SettingsBox box, const std::string& text) {
        controller.SettingsTextChanged(box, text);
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
    const Case cases[] = {{"0", "1", -1}, {"25", "10", -10}, {"3", "3", -3}, {"-4", "1", -1}};
    for (const Case& c : cases) {
        Type(SettingsBox::Text1, c.typed);
        EXPECT_EQ(Panel().Text1, c.shown) << c.typed;
        EXPECT_EQ(Panel().VScroll1, c.spinner) << c.typed;
        EXPECT_EQ(controller.State().settings.MaxWindows, -c.spinner) << c.typed;
    }
    controller.SpinnerChanged(-7);
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
    registry.writes.clear();
    Type(SettingsBox::Name_txt, "  ");
    EXPECT_TRUE(controller.Script().Tree().Empty());
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(controller.State().settings.WindowKeyword, "");
    EXPECT_FALSE(controller.Script().Modified());
}

TEST_F(SettingsTest, AtTheFirstStartTheFirstKeywordNamesTheScript) {
    EXPECT_EQ(controller.State().ScriptName, kDefaultScriptName);
    Type(SettingsBox::Name_txt, "farm");
    EXPECT_EQ(controller.State().ScriptName, "farm");
}

TEST_F(SettingsTest, WindowKindButtonsWorkAsAPair) {
    Build({{"L1", ""}});
    controller.Option1Clicked();  // disabled while Flash windows are selected
    EXPECT_FALSE(controller.Script().Tree().Empty());

    controller.Option2Clicked();
    EXPECT_FALSE(controller.State().settings.FlashMode);
    EXPECT_TRUE(Panel().Option1Enabled);
    EXPECT_FALSE(Panel().Option2Enabled);
    EXPECT_TRUE(controller.Script().Tree().Empty());
    EXPECT_TRUE(controller.Script().Modified());

    controller.Option1Clicked();
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
