// The settings panel: the change rule of every box and the window-kind buttons.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/main/main_controller.h"
#include "core/util/text.h"

namespace tavo {
namespace {

constexpr int kMinWindows = 1;
constexpr int kMaxWindows = 10;
constexpr double kMaxSize = std::numeric_limits<std::int32_t>::max();

constexpr const char* kDiscardQuestion = "当前脚本尚未保存，更改窗口设置将清空脚本。是否继续?";

// The decimal text a number shows as in a box: "12", "12.5", "100000", never with an
// exponent, which reading the box back would stop at.
std::string NumberText(double v) {
    if (v == 0) v = 0;  // no "-0"
    char buffer[512];  // the longest fixed form of a double fits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string& BoxText(SettingsPanelView& panel, SettingsBox box) {
    switch (box) {
        case SettingsBox::Name_txt: return panel.Name_txt;
        case SettingsBox::Width_txt: return panel.Width_txt;
        case SettingsBox::Height_txt: return panel.Height_txt;
        case SettingsBox::Text1: break;
    }
    return panel.Text1;
}

}  // namespace

// The user's edit of a box. A rule that would empty the tree asks first while there is
// unsaved work; refused, the box keeps what it held and the view puts that back.
void MainController::EditSettingsBox(SettingsBox box, const std::string& text) {
    if (box != SettingsBox::Name_txt) {
        SetBox(box, text);
        return;
    }
    const std::string keyword = WithoutHeaderSeparators(text);
    if (keyword != text) services_.messages.Beep();
    if (keyword == vm_.settings.Name_txt || !ConfirmDiscard()) return;
    SetBox(box, keyword);
}

bool MainController::ConfirmDiscard() {
    if (!script_.Modified() || script_.Tree().Empty()) return true;
    return Ask(kDiscardQuestion, MessageIcon::Question);
}

// Like assigning a text box's text: the change rule runs only when the text changes.
void MainController::SetBox(SettingsBox box, const std::string& text) {
    std::string& held = BoxText(vm_.settings, box);
    // The keyword box never holds what would break the file header.
    const std::string value = box == SettingsBox::Name_txt ? WithoutHeaderSeparators(text) : text;
    if (held == value) return;
    held = value;
    switch (box) {
        case SettingsBox::Name_txt: KeywordRule(); break;
        case SettingsBox::Width_txt:
        case SettingsBox::Height_txt: SizeRule(box); break;
        case SettingsBox::Text1: CountRule(); break;
    }
}

void MainController::KeywordRule() {
    ResetState();  // a changed keyword starts from an empty tree, without a question
    const std::string text = vm_.settings.Name_txt;
    const std::string keyword(TrimSpaces(text));
    if (keyword.empty()) return;
    if (state_.ScriptName == kDefaultScriptName) state_.ScriptName = text;
    state_.settings.WindowKeyword = keyword;
    services_.registry.Write(kRegistryWindowsName, keyword);
    script_.SetModified(true);
}

void MainController::KeywordKeyReleased() { script_.SetModified(true); }

void MainController::SizeRule(SettingsBox box) {
    // Kept within what the setting can hold, so the box shows the value in use.
    const double v = std::clamp(NumericValue(BoxText(vm_.settings, box)), 0.0, kMaxSize);
    BoxText(vm_.settings, box) = NumberText(v);
    const int value = static_cast<int>(RoundedValue(NumberText(v)));
    (box == SettingsBox::Width_txt ? state_.settings.MinWidth : state_.settings.MinHeight) = value;
    script_.SetModified(true);
}

void MainController::CountRule() {
    const double v = NumericValue(vm_.settings.Text1);
    if (v < kMinWindows || v > kMaxWindows) {
        SetBox(SettingsBox::Text1, v < kMinWindows ? "1" : "10");
        return;
    }
    vm_.settings.VScroll1 = -static_cast<int>(std::nearbyint(v));
    state_.settings.MaxWindows = -vm_.settings.VScroll1;
    // The box shows the spinner's value: "3abc" and "2.5" become "3" and "2".
    SetBox(SettingsBox::Text1, std::to_string(state_.settings.MaxWindows));
    script_.SetModified(true);
}

void MainController::ScrollWindowCount(int value) {
    if (value < -kMaxWindows || value > -kMinWindows) return;
    vm_.settings.VScroll1 = value;
    state_.settings.MaxWindows = -value;
    SetBox(SettingsBox::Text1, std::to_string(-value));
}

void MainController::SelectFlashWindows(bool flash) {
    if (flash) {
        state_.settings.FlashMode = true;
        ResetState();
    } else {
        ResetState();
        state_.settings.FlashMode = false;
    }
    vm_.settings.Option1Enabled = !flash;
    vm_.settings.Option2Enabled = flash;
    script_.SetModified(true);
}

void MainController::ChooseFlashWindows() {
    if (vm_.settings.Option1Enabled && ConfirmDiscard()) SelectFlashWindows(true);
}

void MainController::ChooseOtherWindows() {
    if (vm_.settings.Option2Enabled && ConfirmDiscard()) SelectFlashWindows(false);
}

void MainController::ToggleSettings() {
    if (!GuardEmptyInstruction()) return;
    vm_.framShown = !vm_.framShown;
    if (vm_.framShown) {
        vm_.delOrderEnabled = vm_.clearEnabled = false;
    } else if (!script_.Tree().Empty()) {
        vm_.delOrderEnabled = vm_.clearEnabled = true;
    }
    ApplyWindowCount();
}

void MainController::InitializeInstruction() {
    if (services_.messages.Show("要清除已有信息吗?", MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    script_.ClearInstruction();
    // An open panel would go on showing, and storing, what was just cleared.
    if (fields_.Shown()) fields_.ShowEditorPanel(true);
    RefreshRunButtons();
}

GmxHeader MainController::HeaderFromPanel() const {
    GmxHeader header;
    header.keyword = std::string(TrimSpaces(vm_.settings.Name_txt));
    header.minWidth = RoundedValue(vm_.settings.Width_txt);
    header.minHeight = RoundedValue(vm_.settings.Height_txt);
    header.maxWindows = RoundedValue(vm_.settings.Text1);
    header.otherWindows = vm_.settings.Option1Enabled;
    return header;
}

// The header's fields reach the boxes through their change rules, as if typed (never
// asking: nothing of the Script being loaded is in the tree yet). A fifth field that is
// no number selects nothing (and stops the load).
void MainController::ApplyHeader(const std::vector<std::string>& fields) {
    constexpr SettingsBox kBoxes[] = {SettingsBox::Name_txt, SettingsBox::Width_txt,
                                      SettingsBox::Height_txt, SettingsBox::Text1};
    for (std::size_t i = 0; i < fields.size() && i < 4; ++i) SetBox(kBoxes[i], fields[i]);
    if (fields.size() < 5) return;
    const std::optional<bool> otherWindows = ReadKindFlag(fields[4]);
    if (otherWindows && *otherWindows == state_.settings.FlashMode)
        SelectFlashWindows(!*otherWindows);
}

}  // namespace tavo
