#include "app/fram_panel.h"

#include <commctrl.h>

#include <algorithm>

#include "app/control_ids.h"
#include "app/guarded.h"
#include "app/t_frame.h"
#include "app/twips.h"
#include "app/window_class.h"
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

HWND Child(HWND parent, HINSTANCE instance, int id, const wchar_t* className,
           const wchar_t* text, DWORD style, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
}

HWND Edit(HWND parent, HINSTANCE instance, int id) {
    return Child(parent, instance, id, WC_EDITW, L"", WS_TABSTOP | ES_AUTOHSCROLL,
                 WS_EX_CLIENTEDGE);
}

TwipsRect InRow(TwipsRect cell, int row) {
    cell.top += kRowTop + row * kRowStep;
    return cell;
}

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return WideToUtf8(text);
}

// The frame control's style 5 in the panel's colours: the outline blends into the body.
FrameProperties FramFace() {
    constexpr auto body = static_cast<FrameColour>(kFramColour);
    FrameProperties p;
    ApplyFrameStyle(p, 5, body);
    p.frameColor = p.fillColor = p.backColor = body;
    p.textBoxColor = static_cast<FrameColour>(kFramTabColour);
    p.textColor = kFrameWhite;
    p.alignment = 0;
    p.caption = kFramCaption;
    return p;
}

}  // namespace

FramPanel::FramPanel(FramEvents& events) : events_(events), face_(FramFace()) {}

bool FramPanel::Create(HWND parent, HINSTANCE instance) {
    if (!RegisterWindowClass(instance, WindowProc, TAVO_FRAM_CLASS)) return false;
    // Hidden at first, like the panel of a fresh window.
    CreateWindowExW(WS_EX_CONTROLPARENT, TAVO_FRAM_CLASS, L"",
                    WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_FRAM)), instance, this);
    return window_ && CreateChildren(instance);
}

bool FramPanel::CreateChildren(HINSTANCE instance) {
    for (int i = 0; i < 4; ++i)
        c_.labels[i] = Child(window_, instance, -1, WC_STATICW, kLabels[i], SS_LEFT | SS_NOPREFIX);
    c_.nameTxt = Edit(window_, instance, IDC_NAME_TXT);
    c_.widthTxt = Edit(window_, instance, IDC_WIDTH_TXT);
    c_.heightTxt = Edit(window_, instance, IDC_HEIGHT_TXT);
    c_.text1 = Edit(window_, instance, IDC_TEXT1);
    // A plain scroll bar: its up arrow lowers the value towards -10, which is the
    // window count rising, as the box beside it shows.
    c_.vscroll1 = Child(window_, instance, IDC_VSCROLL1, WC_SCROLLBARW, L"", SBS_VERT);
    c_.option1 = Child(window_, instance, IDC_OPTION1, WC_BUTTONW, L"Flash窗体",
                       WS_TABSTOP | BS_PUSHBUTTON);
    c_.option2 = Child(window_, instance, IDC_OPTION2, WC_BUTTONW, L"其它窗体",
                       WS_TABSTOP | BS_PUSHBUTTON);
    c_.label5 = Child(window_, instance, IDC_LABEL5, WC_STATICW,
                      Utf8ToWide(kLabel5Caption).c_str(), SS_LEFT | SS_NOPREFIX);
    if (!c_.nameTxt || !c_.widthTxt || !c_.heightTxt || !c_.text1 || !c_.vscroll1 ||
        !c_.option1 || !c_.option2 || !c_.label5 ||
        std::find(std::begin(c_.labels), std::end(c_.labels), nullptr) != std::end(c_.labels))
        return false;
    SetScrollRange(c_.vscroll1, SB_CTL, kMinSpinner, kMaxSpinner, FALSE);
    SetScrollPos(c_.vscroll1, SB_CTL, kMaxSpinner, FALSE);
    return SetWindowSubclass(c_.nameTxt, NameTxtProc, kNameTxtSubclass,
                             reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void FramPanel::Show(bool shown) {
    ShowWindow(window_, shown ? SW_SHOWNA : SW_HIDE);
    if (shown)
        SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FramPanel::Render(const SettingsPanelView& s) {
    if (!window_) return;
    // Compared with the controls, not with the last view: a rule may leave its setting
    // as it was while the box holds what the user typed.
    SetText(c_.nameTxt, s.Name_txt);
    SetText(c_.widthTxt, s.Width_txt);
    SetText(c_.heightTxt, s.Height_txt);
    SetText(c_.text1, s.Text1);
    const int spinner = std::clamp(s.VScroll1, kMinSpinner, kMaxSpinner);
    if (GetScrollPos(c_.vscroll1, SB_CTL) != spinner)
        SetScrollPos(c_.vscroll1, SB_CTL, spinner, TRUE);
    if ((IsWindowEnabled(c_.option1) != FALSE) != s.Option1Enabled)
        EnableWindow(c_.option1, s.Option1Enabled);
    if ((IsWindowEnabled(c_.option2) != FALSE) != s.Option2Enabled)
        EnableWindow(c_.option2, s.Option2Enabled);
}

void FramPanel::SetText(HWND edit, const std::string& text) {
    if (TextOf(edit) == text) return;
    rendering_ = true;  // our own change is not the user's
    SetWindowTextW(edit, Utf8ToWide(text).c_str());
    const int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    rendering_ = false;
}

LRESULT CALLBACK FramPanel::WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
    return RouteToObject(window, message, wParam, lParam, "settings panel handler", &FramPanel::window_,
                         &FramPanel::Handle);
}

LRESULT FramPanel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: LayOutChildren(); return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            SetChildFonts(font_);
            if (LOWORD(lParam)) InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return SolidControlColour(reinterpret_cast<HDC>(wParam), kFramColour);
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lParam) == c_.vscroll1) OnScroll(LOWORD(wParam));
            return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FramPanel::OnCommand(int id, int code) {
    if (code == EN_CHANGE && !rendering_) {
        HWND edit = GetDlgItem(window_, id);
        switch (id) {
            case IDC_NAME_TXT: events_.FramTextChanged(SettingsBox::Name_txt, TextOf(edit)); break;
            case IDC_WIDTH_TXT: events_.FramTextChanged(SettingsBox::Width_txt, TextOf(edit)); break;
            case IDC_HEIGHT_TXT: events_.FramTextChanged(SettingsBox::Height_txt, TextOf(edit)); break;
            case IDC_TEXT1: events_.FramTextChanged(SettingsBox::Text1, TextOf(edit)); break;
            default: break;
        }
    } else if (code == BN_CLICKED && id == IDC_OPTION1) {
        events_.FramOption1Clicked();
    } else if (code == BN_CLICKED && id == IDC_OPTION2) {
        events_.FramOption2Clicked();
    }
}

void FramPanel::OnScroll(int request) {
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
        default: return;
    }
    value = std::clamp(value, kMinSpinner, kMaxSpinner);
    if (value == info.nPos) return;
    SetScrollPos(c_.vscroll1, SB_CTL, value, TRUE);
    events_.FramSpinnerChanged(value);
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
    const UINT dpi = GetDpiForWindow(window_);
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

void FramPanel::SetChildFonts(HFONT font) {
    const WPARAM f = reinterpret_cast<WPARAM>(font);
    for (HWND child : {c_.nameTxt, c_.widthTxt, c_.heightTxt, c_.text1, c_.option1, c_.option2,
                       c_.label5})
        SendMessageW(child, WM_SETFONT, f, TRUE);
    for (HWND label : c_.labels) SendMessageW(label, WM_SETFONT, f, TRUE);
}

void FramPanel::Paint() {
    PaintFrameWindow(window_, face_, FrameColoursFor(face_, FrameSystemColoursNow(), face_.fillColor),
                     font_, captionSize_);
}

}  // namespace tavo
