// The settings panel Fram: shown and hidden by 设置(&P), its boxes answering typing by
// their rules, the spinner beside the window count, the window-kind pair, and the
// keyword that outlives the program run in the registry.
#include "driver/pixels.h"
#include "tavo_script_fixture.h"

namespace e2e {
namespace {

class TavoSettings : public TavoScriptTest {
protected:
    void SetUp() override {
        TavoScriptTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(PrepareFolder(L"settings"));
        app.Start(exe);
        app.ChooseSetup();
        ASSERT_TRUE(WaitFramShown(true).ok) << "设置(&P) did not show the settings panel";
    }

    Polled<int> WaitSpinner(int position) {
        return PollUntil([&] { return app.SpinnerPosition(); }, [&](int p) { return p == position; },
                         milliseconds(3000));
    }
};

TEST_F(TavoSettings, PanelLocksTheMenusWhileShownAndHidesAgainFromTheMenu) {
    // Its face: a light-blue body with an orange tab at its upper left.
    RECT client{};
    GetClientRect(app.Fram(), &client);
    const int area = client.right * client.bottom;
    const auto body = PollUntil([&] { return CountScreenPixels(app.Fram(), RGB(0xB1, 0xC8, 0xF1)); },
                                [&](int n) { return n > area / 2; }, milliseconds(3000));
    EXPECT_TRUE(body.ok) << body.last << " light-blue pixels of " << area;
    const auto orange = [&](LONG right, LONG bottom) {
        return CountScreenPixels(app.Fram(), RGB(0xFF, 0x80, 0x00), RECT{0, 0, right, bottom});
    };
    EXPECT_GT(orange(client.right / 2, client.bottom / 4), 500) << "no orange tab at the upper left";
    EXPECT_EQ(orange(client.right, client.bottom) - orange(client.right / 2, client.bottom / 4), 0)
        << "orange outside the tab's corner";
    EXPECT_FALSE(ChooseMenuItem(app.Main(), L'f', L'c', milliseconds(1000))) << "文件(&F) opened over the panel";
    app.ChooseSetup();
    ASSERT_TRUE(WaitFramShown(false).ok) << "设置(&P) did not hide the settings panel";
    // 清除脚本数据(&C) changes nothing here; the point is that the menu opens again.
    EXPECT_TRUE(ChooseMenuItem(app.Main(), L'f', L'c')) << "文件(&F) stayed locked";
}

TEST_F(TavoSettings, WindowCountBoxAndSpinnerFollowEachOther) {
    EXPECT_EQ(Narrow(app.BoxText(IDC_TEXT1)), "1");
    EXPECT_EQ(app.SpinnerPosition(), -1);

    ASSERT_TRUE(app.TypeInto(IDC_TEXT1, L"25"));
    const auto capped = WaitBox(IDC_TEXT1, L"10");
    ASSERT_TRUE(capped.ok) << "Text1 reads " << Narrow(capped.last);
    EXPECT_TRUE(WaitSpinner(-10).ok) << app.SpinnerPosition();

    app.ScrollSpinner(SB_LINEDOWN);  // the down arrow lowers the count
    EXPECT_TRUE(WaitBox(IDC_TEXT1, L"9").ok) << Narrow(app.BoxText(IDC_TEXT1));
    EXPECT_EQ(app.SpinnerPosition(), -9);
    app.ScrollSpinner(SB_LINEUP);
    EXPECT_TRUE(WaitBox(IDC_TEXT1, L"10").ok) << Narrow(app.BoxText(IDC_TEXT1));
    app.ScrollSpinner(SB_LINEUP);  // already at ten
    const auto stays = HoldsFor([&] { return app.BoxText(IDC_TEXT1); }, [](const std::wstring& t) { return t == L"10"; },
                                milliseconds(500));
    EXPECT_TRUE(stays.ok) << "Text1 reads " << Narrow(stays.last);
    EXPECT_EQ(app.SpinnerPosition(), -10);

    ASSERT_TRUE(app.TypeInto(IDC_TEXT1, L"0"));
    EXPECT_TRUE(WaitBox(IDC_TEXT1, L"1").ok) << Narrow(app.BoxText(IDC_TEXT1));
    EXPECT_TRUE(WaitSpinner(-1).ok) << app.SpinnerPosition();
}

TEST_F(TavoSettings, SizeBoxesKeepOnlyTheNumberEntered) {
    ASSERT_TRUE(app.PasteInto(IDC_WIDTH_TXT, L"-5"));
    EXPECT_EQ(Narrow(app.BoxText(IDC_WIDTH_TXT)), "0");
    ASSERT_TRUE(app.PasteInto(IDC_HEIGHT_TXT, L"12abc"));
    EXPECT_EQ(Narrow(app.BoxText(IDC_HEIGHT_TXT)), "12");
    // Typed, "-" alone reads as 0 and the 5 then follows it.
    ASSERT_TRUE(app.TypeInto(IDC_WIDTH_TXT, L"-5x"));
    EXPECT_EQ(Narrow(app.BoxText(IDC_WIDTH_TXT)), "5");
}

TEST_F(TavoSettings, WindowKindButtonsWorkAsAPair) {
    HWND option1 = app.Control(IDC_OPTION1);
    HWND option2 = app.Control(IDC_OPTION2);
    EXPECT_FALSE(IsWindowEnabled(option1)) << "Flash windows are selected at start";
    EXPECT_TRUE(IsWindowEnabled(option2));

    ASSERT_TRUE(app.ClickOption(IDC_OPTION2));
    const auto other = PollUntil([&] { return std::pair(IsWindowEnabled(option1), IsWindowEnabled(option2)); },
                                 [](auto p) { return p.first && !p.second; }, milliseconds(3000));
    EXPECT_TRUE(other.ok) << "Option1 " << other.last.first << ", Option2 " << other.last.second;
    EXPECT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));

    ASSERT_TRUE(app.ClickOption(IDC_OPTION1));
    const auto flash = PollUntil([&] { return std::pair(IsWindowEnabled(option1), IsWindowEnabled(option2)); },
                                 [](auto p) { return !p.first && p.second; }, milliseconds(3000));
    EXPECT_TRUE(flash.ok) << "Option1 " << flash.last.first << ", Option2 " << flash.last.second;
}

TEST_F(TavoSettings, KeywordTypedIntoNameTxtIsRememberedForTheNextStart) {
    ASSERT_TRUE(app.TypeInto(IDC_NAME_TXT, L"农场A"));
    const auto stored = PollUntil([] { return ReadTavoValue(L"WindowsName").value_or(L"<none>"); },
                                  [](const std::wstring& v) { return v == L"农场A"; }, milliseconds(3000));
    ASSERT_TRUE(stored.ok) << "WindowsName holds " << Narrow(stored.last);
    EXPECT_TRUE(WaitSaveEnabled(true).ok) << Describe(app.Button(kButtonSave));

    app.Kill();
    app.Start(exe);
    const auto shown = WaitBox(IDC_NAME_TXT, L"农场A");
    EXPECT_TRUE(shown.ok) << "Name_txt after a restart reads " << Narrow(shown.last);
}

}  // namespace
}  // namespace e2e
