#include "app/panels/fram_panel.h"

#include <commctrl.h>

#include <algorithm>

#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/shared/twips.h"
#include "core/model/gmx_format.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr int kMinSpinner = -10;
constexpr int kMaxSpinner = -1;
constexpr UINT_PTR kNameTxtSubclass = 1;

// Positions within the panel, in twips.
constexpr int kRowTop = 600;
constexpr int kRowStep = 480;
constexpr TwipsRect kLabelCell{150, 30, 2100, 300};  // top relative to its row
constexpr TwipsRect kBoxCell{2250, 0, 1800, 300};
constexpr int kSpinnerWidth = 255;
constexpr TwipsRect kOption1{4350, kRowTop, 1400, 375};
constexpr TwipsRect kOption2{4350, kRowTop + kRowStep, 1400, 375};
constexpr TwipsRect kLabel5{150, 3000, 5700, 300};

constexpr const wchar_t* kLabels[] = {L"窗口关键字：", L"窗口界面最小宽度：",
                                      L"窗口界面最小高度：", L"可控窗口总数："};

HWND Edit(HWND parent, HINSTANCE instance, int id) {
    return CreateChildControl(parent, instance, id, WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL,
                              WS_EX_CLIENTEDGE);
}

TwipsRect InRow(TwipsRect cell, int row) {
    cell.top += kRowTop + row * kRowStep;
    return cell;
}

}  // namespace

bool FramPanel::Create(HWND parent, HINSTANCE instance) {
    if (!frame_.Create(parent, instance, IDC_FRAM, L"Fram")) return false;
    ShowWindow(frame_.Handle(), SW_HIDE);  // hidden at first, like the panel of a fresh window
    SetFace();
    return CreateChildren(instance);
}

// Style 5 in the panel's colours: the outline blends into the body, the tab is orange.
void FramPanel::SetFace() {
    frame_.SetStyle(5);
    frame_.Change([](FrameProperties& p) {
        constexpr auto body = static_cast<FrameColour>(kFramColour);
        p.frameColor = p.fillColor = p.backColor = body;
        p.textBoxColor = static_cast<FrameColour>(kFramTabColour);
        p.textColor = kFrameWhite;
        p.alignment = 0;
        p.caption = kFramCaption;
    });
}

bool FramPanel::CreateChildren(HINSTANCE instance) {
    const HWND frame = frame_.Handle();
    for (int i = 0; i < 4; ++i)
        c_.labels[i] = CreateChildControl(frame, instance, -1, WC_STATICW, kLabels[i],
                                          SS_LEFT | SS_NOPREFIX);
    c_.nameTxt = Edit(frame, instance, IDC_NAME_TXT);
    c_.widthTxt = Edit(frame, instance, IDC_WIDTH_TXT);
    c_.heightTxt = Edit(frame, instance, IDC_HEIGHT_TXT);
    c_.text1 = Edit(frame, instance, IDC_TEXT1);
    // A plain scroll bar: its up arrow lowers the value towards -10, which is the
    // window count rising, as the box beside it shows.
    c_.vscroll1 = CreateChildControl(frame, instance, IDC_VSCROLL1, WC_SCROLLBARW, L"", SBS_VERT);
    c_.option1 = CreateChildControl(frame, instance, IDC_OPTION1, WC_BUTTONW, L"Flash窗体",
                                    WS_TABSTOP | BS_PUSHBUTTON);
    c_.option2 = CreateChildControl(frame, instance, IDC_OPTION2, WC_BUTTONW, L"其它窗体",
                                    WS_TABSTOP | BS_PUSHBUTTON);
    c_.label5 = CreateChildControl(frame, instance, IDC_LABEL5, WC_STATICW,
                                   Utf8ToWide(kLabel5Caption).c_str(), SS_LEFT | SS_NOPREFIX);
    if (!c_.nameTxt || !c_.widthTxt || !c_.heightTxt || !c_.text1 || !c_.vscroll1 ||
        !c_.option1 || !c_.option2 || !c_.label5 ||
        std::find(std::begin(c_.labels), std::end(c_.labels), nullptr) != std::end(c_.labels))
        return false;
    SetScrollRange(c_.vscroll1, SB_CTL, kMinSpinner, kMaxSpinner, FALSE);
    SetScrollPos(c_.vscroll1, SB_CTL, kMaxSpinner, FALSE);
    LayOutChildren();
    return SetWindowSubclass(c_.nameTxt, NameTxtProc, kNameTxtSubclass,
                             reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void FramPanel::Show(bool shown) {
    ShowWindow(frame_.Handle(), shown ? SW_SHOWNA : SW_HIDE);
    if (shown)
        SetWindowPos(frame_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FramPanel::Render(const SettingsPanelView& s) {
    if (!frame_.Handle()) return;
    // Compared with the controls, not with the last view: a rule may leave its setting
    // as it was while the box holds what the user typed.
    text_.Put(c_.nameTxt, s.Name_txt);
    text_.Put(c_.widthTxt, s.Width_txt);
    text_.Put(c_.heightTxt, s.Height_txt);
    text_.Put(c_.text1, s.Text1);
    const int spinner = std::clamp(s.VScroll1, kMinSpinner, kMaxSpinner);
    if (GetScrollPos(c_.vscroll1, SB_CTL) != spinner)
        SetScrollPos(c_.vscroll1, SB_CTL, spinner, TRUE);
    if ((IsWindowEnabled(c_.option1) != FALSE) != s.Option1Enabled)
        EnableWindow(c_.option1, s.Option1Enabled);
    if ((IsWindowEnabled(c_.option2) != FALSE) != s.Option2Enabled)
        EnableWindow(c_.option2, s.Option2Enabled);
}

bool FramPanel::OnCommand(HWND from, int id, int code) {
    const HWND frame = frame_.Handle();
    if (!frame || !from) return false;
    if (from == frame) {
        if (code == kFrameResized) LayOutChildren();
        return true;
    }
    if (GetParent(from) != frame) return false;
    if (code == EN_CHANGE && !text_.Putting()) {
        ChangeText(id, from);
    } else if (code == BN_CLICKED && id == IDC_OPTION1) {
        events_.FlashWindowsChosen();
    } else if (code == BN_CLICKED && id == IDC_OPTION2) {
        events_.OtherWindowsChosen();
    }
    return true;
}

void FramPanel::ChangeText(int id, HWND edit) {
    switch (id) {
        case IDC_NAME_TXT: events_.FramTextChanged(SettingsBox::Name_txt, WindowText(edit)); break;
        case IDC_WIDTH_TXT: events_.FramTextChanged(SettingsBox::Width_txt, WindowText(edit)); break;
        case IDC_HEIGHT_TXT: events_.FramTextChanged(SettingsBox::Height_txt, WindowText(edit)); break;
        case IDC_TEXT1: events_.FramTextChanged(SettingsBox::Text1, WindowText(edit)); break;
        default: break;
    }
}

bool FramPanel::OnScroll(HWND from, int request) {
    if (!from || from != c_.vscroll1) return false;
    SCROLLINFO info{sizeof(info), SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(c_.vscroll1, SB_CTL, &info);
    int value = info.nPos;
    switch (request) {
        case SB_LINEUP:
        case SB_PAGEUP: --value; break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN: ++value; break;
        case SB_TOP: value = kMinSpinner; break;
        case SB_BOTTOM: value = kMaxSpinner; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: value = info.nTrackPos; break;
        default: return true;
    }
    value = std::clamp(value, kMinSpinner, kMaxSpinner);
    if (value == info.nPos) return true;
    SetScrollPos(c_.vscroll1, SB_CTL, value, TRUE);
    events_.WindowCountScrolled(value);
    return true;
}

LRESULT CALLBACK FramPanel::NameTxtProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, NameTxtProc, id);
    // Refused as typed, so the caret stays where it is; pasted ones are dropped by the
    // controller when the text changes.
    if (message == WM_CHAR && IsHeaderSeparator(static_cast<char32_t>(wParam))) {
        MessageBeep(MB_OK);
        return 0;
    }
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (message != WM_KEYUP) return result;
    Guarded("keyword box handler", [&] { reinterpret_cast<FramPanel*>(self)->events_.FramKeywordKeyReleased(); });
    return result;
}

void FramPanel::LayOutChildren() {
    const UINT dpi = GetDpiForWindow(frame_.Handle());
    const HWND boxes[] = {c_.nameTxt, c_.widthTxt, c_.heightTxt, c_.text1};
    for (int row = 0; row < 4; ++row) {
        Place(c_.labels[row], InRow(kLabelCell, row), dpi);
        Place(boxes[row], InRow(kBoxCell, row), dpi);
    }
    // The spinner takes the right end of the last box's cell.
    TwipsRect text1 = InRow(kBoxCell, 3);
    text1.width -= kSpinnerWidth;
    Place(c_.text1, text1, dpi);
    Place(c_.vscroll1, {text1.left + text1.width, text1.top, kSpinnerWidth, text1.height}, dpi);
    Place(c_.option1, kOption1, dpi);
    Place(c_.option2, kOption2, dpi);
    Place(c_.label5, kLabel5, dpi);
}

void FramPanel::SetFont(HFONT font) {
    SendMessageW(frame_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);  // the caption's
    SetChildrenFont(frame_.Handle(), font);
}

}  // namespace tavo
