#include "core/editor/field_editor.h"

#include <string_view>

#include "core/editor/field_number.h"
#include "core/acting/recognition.h"
#include "core/model/cp936_field.h"
#include "core/util/text.h"

namespace tavo {
namespace {

constexpr std::string_view kCommandOpen = "/*";
constexpr std::string_view kCommandClose = "*/";

bool HasKeyCommand(std::string_view text) {
    return text.find(kCommandOpen) != std::string_view::npos &&
           text.find(kCommandClose) != std::string_view::npos;
}

// "x, y (orientation)"; empty for the point (0, 0), which is none.
std::string StoredPointText(int x, int y, int orientation) {
    if (x == 0 && y == 0) return {};
    static const char* const kNames[] = {"中心", "左上", "右上", "左下", "右下"};
    // A code outside 0..4 is measured from the top left, as the runner reads it.
    const bool known = orientation >= kCentre && orientation <= kBottomRight;
    return std::to_string(x) + ", " + std::to_string(y) + " (" + kNames[known ? orientation : kTopLeft] + ")";
}

}  // namespace

EditorPanelView FieldEditor::View() const {
    EditorPanelView view = view_;
    view.shown = Shown();
    if (view.shown) {
        const Instruction& in = script_.Current();
        view.comm4Point = StoredPointText(in.LocationX, in.Locationy, in.LocationBase);
        view.comm2Point = StoredPointText(in.pLocationX, in.pLocationy, in.pLocationBase);
    }
    return view;
}

void FieldEditor::ShowEditorPanel(bool show) {
    if (!show) {
        commands_.pictShown = false;
        runButtons_.RefreshRunButtons();
        return;
    }
    const Instruction& in = script_.Current();
    view_.comm2Image = IsBlank(in.pPicture) ? kImageRecognitionPicker : kImageRecognitionPickerSet;
    view_.comm4Image = in.LocationX != 0 || in.Locationy != 0 ? kImageClickPickerSet : kImageClickPicker;
    ShowJumps();
    ShowSquares();
    // Each assignment runs the box's rule, which may store: read the fields as they are now.
    SetChar(script_.Current().pChar);
    SetNumber(Box::Pause, std::to_string(script_.Current().pPause));
    SetNumber(Box::Delay, std::to_string(script_.Current().pDelay));
    commands_.pictShown = true;
    runButtons_.RefreshRunButtons();
}

void FieldEditor::ShowJumps() {
    view_.Text2 = JumpCaption(script_.Current().pYesNext);
    view_.Text3 = JumpCaption(script_.Current().pNotNext);
}

void FieldEditor::ShowSquares() {
    view_.weiSquare = script_.Current().LocationBase;
    view_.pweiSquare = script_.Current().pLocationBase;
}

void FieldEditor::MoveTo(TwipsPoint topLeft) {
    view_.left = topLeft.x;
    view_.top = topLeft.y;
}

// A jump to a key that no node has any more shows the key, so the dangling jump is seen.
std::string FieldEditor::JumpCaption(const std::string& field) const {
    const std::string key = KeyOf(field);
    if (key.empty()) return {};
    const ScriptNode* node = script_.Tree().Find(key);
    return node ? node->caption : key;
}

void FieldEditor::SetChar(const std::string& text) {
    const std::string boxed = FirstChars(text, kCharWidth);  // the box holds 50 characters
    if (boxed == view_.lChar) return;
    view_.lChar = boxed;
    CharRule();
}

void FieldEditor::CharRule() {
    std::string s(TrimSpaces(view_.lChar));
    // What the file cannot hold would be typed as "?": it is dropped as the 50-byte cut is.
    if (const std::string kept = WithoutUnencodable(codePage_, s); kept != s) {
        messages_.Beep();
        view_.lChar = kept;
        CharRule();
        return;
    }
    if (codePage_.Encode(s).size() > kCharBytes) {
        std::size_t count = CharCount(s);
        while (count > 0 && codePage_.Encode(FirstChars(s, count)).size() > kCharBytes) --count;
        messages_.Beep();
        view_.lChar = FirstChars(s, count);
        CharRule();
        return;
    }
    if (view_.lChar != s) {
        SetChar(s);
        return;
    }
    if (s.empty()) {
        view_.comm3Image = kImageKeyboard;
        SetNumber(Box::Delay, "0");
        view_.lDelayEnabled = false;
    } else {
        view_.comm3Image = kImageKeyboardSet;
        if (HasKeyCommand(s)) {
            view_.lDelayEnabled = true;
            if (Shown()) focus_.Request(FocusTarget::lDelay);
        } else {
            SetNumber(Box::Delay, "0");
            view_.lDelayEnabled = false;
        }
    }
    Instruction& in = script_.Current();
    if (TrimSpaces(in.pChar) != s) {
        in.pChar = FixWidth(s, kCharWidth);
        script_.StoreInstruction();
    }
}

std::int16_t& FieldEditor::Field(Box box) {
    return box == Box::Pause ? script_.Current().pPause : script_.Current().pDelay;
}

void FieldEditor::SetNumber(Box box, const std::string& text) {
    const std::string boxed = FirstChars(text, kNumberBoxLength);
    if (boxed == BoxText(box)) return;
    BoxText(box) = boxed;
    NumberRule(box);
}

void FieldEditor::NumberRule(Box box) {
    if (FieldNumberValue(BoxText(box)) == 0) SetNumber(box, "0");
    const double value = FieldNumberValue(BoxText(box));
    if (value == Field(box)) return;
    // A value no 16-bit field can hold is not stored: the box shows the field again.
    const auto stored = FieldInt16(value);
    if (!stored) {
        SetNumber(box, std::to_string(Field(box)));
        return;
    }
    Field(box) = *stored;
    script_.StoreInstruction();
}

void FieldEditor::SendCharNow(WindowHandle first) {
    // Nothing to type into when the first window has gone.
    if (first == 0) return;
    const auto delay = FieldInt16(FieldNumberValue(view_.lDelay)).value_or(0);
    keys_.SendText(first, view_.lChar, delay);
}

void FieldEditor::CharEnter(WindowHandle firstWindow) {
    if (!Shown()) return;
    SendCharNow(firstWindow);
    CloseEditorPanel();
}

void FieldEditor::CloseEditorPanel() {
    ShowEditorPanel(false);
    focus_.Request(FocusTarget::InfoTree);
}

void FieldEditor::OpenKeyBoard(int clientWidth, int clientHeight) {
    SetChar(script_.Current().pChar);
    const TwipsPoint at = PlaceKeyBoard({view_.left, view_.top}, clientWidth, clientHeight);
    keyboard_ = {true, at.x, at.y};
    focus_.Request(FocusTarget::KeyBoard);
}

void FieldEditor::KeyEvent(const std::string& key, WindowHandle firstWindow) {
    if (!Shown()) return;
    keyboard_.top = kKeyBoardTopAfterKey;
    SetChar(view_.lChar + std::string(kCommandOpen) + key + std::string(kCommandClose));
    SendCharNow(firstWindow);
}

void FieldEditor::InitializeInstruction() {
    if (messages_.Show("要清除已有信息吗?", MessageButtons::YesNo, MessageIcon::Question) !=
        MessageAnswer::Yes)
        return;
    script_.ClearInstruction();
    // An open panel would go on showing, and storing, what was just cleared.
    if (Shown()) ShowEditorPanel(true);
    runButtons_.RefreshRunButtons();
}

}  // namespace tavo
