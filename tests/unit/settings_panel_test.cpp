#include <functional>
#include <iterator>

#include "main_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;

class SettingsTest : public testing::MainTest {
protected:
    SettingsTest() {
        main.Startup();
        messages.shown.clear();
    }
    SettingsPanelView Panel() const { return main.View().settings; }
    void Type(SettingsBox box, const std::string& text) {
        main.Handle(SettingsBoxEdited{box, text});
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
        main.Script().SetModified(false);
        Type(c.box, c.typed);
        const bool width = c.box == SettingsBox::Width_txt;
        EXPECT_EQ(width ? Panel().Width_txt : Panel().Height_txt, c.shown) << c.typed;
        EXPECT_EQ(width ? main.State().settings.MinWidth : main.State().settings.MinHeight,
                  c.value)
            << c.typed;
        EXPECT_TRUE(main.Script().Modified()) << c.typed;
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
        EXPECT_EQ(main.State().settings.MaxWindows, -c.spinner) << c.typed;
    }
    main.Handle(WindowCountScrolled{-7});
    EXPECT_EQ(Panel().Text1, "7");
    EXPECT_EQ(main.State().settings.MaxWindows, 7);
}

TEST_F(SettingsTest, TypingAKeywordEmptiesTheTreeAndRemembersTheKeyword) {
    Build({{"L1", ""}, {"L2", ""}});
    Type(SettingsBox::Name_txt, " game ");
    EXPECT_TRUE(main.Script().Tree().Empty());
    EXPECT_EQ(registry.writes, (std::vector<std::pair<std::string, std::string>>{{"WindowsName", "game"}}));
    EXPECT_EQ(main.State().settings.WindowKeyword, "game");
    EXPECT_TRUE(main.Script().Modified());
}

TEST_F(SettingsTest, ClearingTheKeywordResetsButWritesNothing) {
    Type(SettingsBox::Name_txt, "game");
    Build({{"L1", ""}});
    main.Script().SetModified(false);  // nothing unsaved: no question
    registry.writes.clear();
    Type(SettingsBox::Name_txt, "");
    EXPECT_TRUE(main.Script().Tree().Empty());
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(main.State().settings.WindowKeyword, "");
    EXPECT_FALSE(main.Script().Modified());
}

TEST_F(SettingsTest, TheKeywordBoxRefusesSpacesAndBarsWithABeep) {
    Type(SettingsBox::Name_txt, "my game|2");
    EXPECT_EQ(Panel().Name_txt, "mygame2");
    EXPECT_EQ(main.State().settings.WindowKeyword, "mygame2");
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
        [this] { main.Handle(OtherWindowsChosen{}); },
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < std::size(changes); ++i) {
            main.Choose(Command::MenuClear);
            main.Handle(FlashWindowsChosen{});  // back to Flash windows, the start
            Type(SettingsBox::Name_txt, "game");
            Build({{"L1", ""}});
            main.Script().SetModified(c.modified);
            messages.shown.clear();
            messages.answers = {c.answer};
            const SettingsPanelView before = Panel();
            changes[i]();
            const std::string what = std::string(c.name) + (i == 0 ? ", keyword" : ", kind");
            EXPECT_EQ(messages.shown, c.asked ? std::vector{question} : std::vector<testing::ShownMessage>{})
                << what;
            EXPECT_EQ(main.Script().Tree().Empty(), c.emptied) << what;
            if (c.emptied) continue;
            EXPECT_EQ(Panel(), before) << what;
            EXPECT_TRUE(main.Script().Modified()) << what;
            EXPECT_EQ(main.State().settings.WindowKeyword, "game") << what;
            EXPECT_TRUE(main.State().settings.FlashMode) << what;
        }
    }
}

TEST_F(SettingsTest, AtTheFirstStartTheFirstKeywordNamesTheScript) {
    EXPECT_EQ(main.State().ScriptName, kDefaultScriptName);
    Type(SettingsBox::Name_txt, "farm");
    EXPECT_EQ(main.State().ScriptName, "farm");
}

TEST_F(SettingsTest, WindowKindButtonsWorkAsAPair) {
    Build({{"L1", ""}});
    main.Handle(FlashWindowsChosen{});  // disabled while Flash windows are selected
    EXPECT_FALSE(main.Script().Tree().Empty());

    main.Handle(OtherWindowsChosen{});
    EXPECT_FALSE(main.State().settings.FlashMode);
    EXPECT_TRUE(Panel().Option1Enabled);
    EXPECT_FALSE(Panel().Option2Enabled);
    EXPECT_TRUE(main.Script().Tree().Empty());
    EXPECT_TRUE(main.Script().Modified());

    main.Handle(FlashWindowsChosen{});
    EXPECT_TRUE(main.State().settings.FlashMode);
    EXPECT_FALSE(Panel().Option1Enabled);
    EXPECT_TRUE(Panel().Option2Enabled);
}

TEST_F(SettingsTest, TheShownPanelLocksTheMenus) {
    AddTarget();
    main.RunTick();
    Build({{"L1", ""}});
    main.Choose(Command::Setup);
    MainViewModel v = View();
    EXPECT_TRUE(v.framShown);
    EXPECT_FALSE(v.menuFile || v.menuEdit || v.menuCtrl || v.delOrderEnabled || v.clearEnabled);
    EXPECT_FALSE(v.toolbar.run || v.toolbar.open);
    main.Choose(Command::Setup);
    v = View();
    EXPECT_FALSE(v.framShown);
    EXPECT_TRUE(v.menuFile && v.menuEdit && v.menuCtrl && v.delOrderEnabled && v.clearEnabled);
    EXPECT_TRUE(v.toolbar.run);
}

TEST_F(SettingsTest, TheGuardKeepsThePanelShut) {
    Build({{"L1", ""}, {"L2", "", 0, "", "", ""}});
    main.Script().SelectInstruction(main.Script().Tree().Find("L2"));
    main.Choose(Command::Setup);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L2指令?"});
    EXPECT_FALSE(View().framShown);
}

TEST_F(SettingsTest, InitializeInstructionAsksFirst) {
    Build({{"L1", ""}});
    messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
    main.Choose(Command::EditClear);
    EXPECT_FALSE(IsBlank(main.Script().Current().pChar));
    main.Choose(Command::EditClear);
    EXPECT_TRUE(IsBlank(main.Script().Current().pChar));
    main.Script().SelectInstruction(main.Script().Tree().Find("L1"));
    EXPECT_TRUE(IsBlank(main.Script().Current().pChar));
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
