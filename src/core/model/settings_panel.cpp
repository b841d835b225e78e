// The settings panel: the change rule of every box, the window-kind buttons, and the
// state reset.
#include "core/model/settings_panel.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

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

SettingsPanel::SettingsPanel(const SettingsServices& services, ProductInfo product,
                             std::string programFolder)
    : services_(services),
      state_(services.state),
      script_(services.script),
      product_(std::move(product)),
      programFolder_(std::move(programFolder)) {
    state_.ProgramFolder = WithTrailingBackslash(programFolder_);
}

void SettingsPanel::Connect(EmptyInstructionGuard& guard, RunButtons& runButtons) {
    guard_ = &guard;
    runButtons_ = &runButtons;
}

void SettingsPanel::ResetState() {
    state_.ProgramFolder = WithTrailingBackslash(programFolder_);
    if (auto name = services_.registry.Read(kRegistryFileName)) state_.ScriptName = *name;
    if (state_.ScriptName.empty()) state_.ScriptName = kDefaultScriptName;
    script_.Tree().Clear();
    state_.settings.WindowKeyword = std::string(TrimSpaces(boxes_.Name_txt));
    state_.settings.MinWidth = static_cast<int>(RoundedValue(boxes_.Width_txt));
    state_.settings.MinHeight = static_cast<int>(RoundedValue(boxes_.Height_txt));
    services_.journal.Restart(LogHeader(product_, services_.clock.Now()));
    // The Instruction of a discarded Script is no node's: nothing is current until a node
    // is selected again.
    script_.ReleaseCurrentNode();
    ResetContent(script_.Current());
    script_.SetModified(false);
    services_.commands.EnableInstructionButtons(false);
    // The panel would show an Instruction that no node holds any more.
    services_.commands.pictShown = false;
    for (StateResetListener* listener : listeners_) listener->ResetRoomState();
}

// The user's edit of a box. A rule that would empty the tree asks first while there is
// unsaved work; refused, the box keeps what it held and the view puts that back.
void SettingsPanel::EditSettingsBox(SettingsBox box, const std::string& text) {
    if (box != SettingsBox::Name_txt) {
        SetBox(box, text);
        return;
    }
    const std::string keyword = WithoutHeaderSeparators(text);
    if (keyword != text) services_.messages.Beep();
    if (keyword == boxes_.Name_txt || !ConfirmDiscard()) return;
    SetBox(box, keyword);
}

bool SettingsPanel::ConfirmDiscard() {
    const ScriptState& script = script_;
    if (!script.Modified() || script.Tree().Empty()) return true;
    const MessageAnswer answer =
        services_.messages.Show(kDiscardQuestion, MessageButtons::YesNo, MessageIcon::Question);
    return answer == MessageAnswer::Yes;
}

// Like assigning a text box's text: the change rule runs only when the text changes.
void SettingsPanel::SetBox(SettingsBox box, const std::string& text) {
    std::string& held = BoxText(boxes_, box);
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

void SettingsPanel::KeywordRule() {
    ResetState();  // a changed keyword starts from an empty tree, without a question
    const std::string text = boxes_.Name_txt;
    const std::string keyword(TrimSpaces(text));
    if (keyword.empty()) return;
    if (state_.ScriptName == kDefaultScriptName) state_.ScriptName = text;
    state_.settings.WindowKeyword = keyword;
    services_.registry.Write(kRegistryWindowsName, keyword);
    script_.SetModified(true);
}

void SettingsPanel::KeywordKeyReleased() { script_.SetModified(true); }

void SettingsPanel::SizeRule(SettingsBox box) {
    // Kept within what the setting can hold, so the box shows the value in use.
    const double v = std::clamp(NumericValue(BoxText(boxes_, box)), 0.0, kMaxSize);
    BoxText(boxes_, box) = NumberText(v);
    const int value = static_cast<int>(RoundedValue(NumberText(v)));
    (box == SettingsBox::Width_txt ? state_.settings.MinWidth : state_.settings.MinHeight) = value;
    script_.SetModified(true);
}

void SettingsPanel::CountRule() {
    const double v = NumericValue(boxes_.Text1);
    if (v < kMinWindows || v > kMaxWindows) {
        SetBox(SettingsBox::Text1, v < kMinWindows ? "1" : "10");
        return;
    }
    boxes_.VScroll1 = -static_cast<int>(std::nearbyint(v));
    state_.settings.MaxWindows = -boxes_.VScroll1;
    // The box shows the spinner's value: "3abc" and "2.5" become "3" and "2".
    SetBox(SettingsBox::Text1, std::to_string(state_.settings.MaxWindows));
    script_.SetModified(true);
}

void SettingsPanel::ScrollWindowCount(int value) {
    if (value < -kMaxWindows || value > -kMinWindows) return;
    boxes_.VScroll1 = value;
    state_.settings.MaxWindows = -value;
    SetBox(SettingsBox::Text1, std::to_string(-value));
}

void SettingsPanel::SelectFlashWindows(bool flash) {
    if (flash) {
        state_.settings.FlashMode = true;
        ResetState();
    } else {
        ResetState();
        state_.settings.FlashMode = false;
    }
    boxes_.Option1Enabled = !flash;
    boxes_.Option2Enabled = flash;
    script_.SetModified(true);
}

void SettingsPanel::ChooseFlashWindows() {
    if (boxes_.Option1Enabled && ConfirmDiscard()) SelectFlashWindows(true);
}

void SettingsPanel::ChooseOtherWindows() {
    if (boxes_.Option2Enabled && ConfirmDiscard()) SelectFlashWindows(false);
}

void SettingsPanel::ToggleSettings() {
    if (!guard_->GuardEmptyInstruction()) return;
    CommandState& commands = services_.commands;
    commands.framShown = !commands.framShown;
    if (commands.framShown) {
        commands.EnableInstructionButtons(false);
    } else if (!script_.Tree().Empty()) {
        commands.EnableInstructionButtons(true);
    }
    runButtons_->ApplyWindowCount();
}

GmxHeader SettingsPanel::HeaderFromPanel() const {
    GmxHeader header;
    header.keyword = std::string(TrimSpaces(boxes_.Name_txt));
    header.minWidth = RoundedValue(boxes_.Width_txt);
    header.minHeight = RoundedValue(boxes_.Height_txt);
    header.maxWindows = RoundedValue(boxes_.Text1);
    header.otherWindows = boxes_.Option1Enabled;
    return header;
}

// The header's fields reach the boxes through their change rules, as if typed (never
// asking: nothing of the Script being loaded is in the tree yet). A fifth field that is
// no number selects nothing (and stops the load).
void SettingsPanel::ApplyHeader(const std::vector<std::string>& fields) {
    constexpr SettingsBox kBoxes[] = {SettingsBox::Name_txt, SettingsBox::Width_txt,
                                      SettingsBox::Height_txt, SettingsBox::Text1};
    for (std::size_t i = 0; i < fields.size() && i < 4; ++i) SetBox(kBoxes[i], fields[i]);
    if (fields.size() < 5) return;
    const std::optional<bool> otherWindows = ReadKindFlag(fields[4]);
    if (otherWindows && *otherWindows == state_.settings.FlashMode)
        SelectFlashWindows(!*otherWindows);
}

}  // namespace tavo
