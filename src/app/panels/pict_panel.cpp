#include "app/panels/pict_panel.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/shared/twips.h"
#include "app/shared/window_class.h"

namespace tavo {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kCharLimit = 50;
constexpr int kNumberLimit = 4;

// The arrows of Command3 elements 0 (up), 1 (down), 2 (up a level), 3 (child of previous).
constexpr ButtonArrow kCommand3Arrows[] = {ButtonArrow::Up, ButtonArrow::Down, ButtonArrow::Left,
                                           ButtonArrow::Right};

HWND MakeEdit(HWND parent, HINSTANCE instance, int id, const wchar_t* text, DWORD style,
              int limit = 0) {
    const HWND edit =
        CreateChildControl(parent, instance, id, WC_EDITW, text, style, WS_EX_CLIENTEDGE);
    if (edit && limit > 0) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return edit;
}

HWND MakeButton(HWND parent, HINSTANCE instance, int id, const wchar_t* text, DWORD style = 0) {
    return CreateChildControl(parent, instance, id, WC_BUTTONW, text,
                              WS_TABSTOP | BS_PUSHBUTTON | style);
}

HWND MakePictureButton(HWND parent, HINSTANCE instance, int id) {
    return MakeButton(parent, instance, id, L"", BS_ICON);
}

void SetIcon(HWND button, HICON icon) {
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

std::optional<PictBox> BoxOf(int id) {
    switch (id) {
        case IDC_LCHAR: return PictBox::lChar;
        case IDC_LPAUSE: return PictBox::lPause;
        case IDC_LDELAY: return PictBox::lDelay;
        default: return std::nullopt;
    }
}

std::optional<PictButton> ButtonOf(int id) {
    switch (id) {
        case IDC_COMM3: return PictButton::Comm3;
        case IDC_COMM5: return PictButton::Comm5;
        case IDC_CLEAR: return PictButton::Clear;
        case IDC_DELORDER: return PictButton::DelOrder;
        case IDC_COMMAND3_BASE + 0: return PictButton::Command3Up;
        case IDC_COMMAND3_BASE + 1: return PictButton::Command3Down;
        case IDC_COMMAND3_BASE + 2: return PictButton::Command3UpLevel;
        case IDC_COMMAND3_BASE + 3: return PictButton::Command3Child;
        default: return std::nullopt;
    }
}

// A double click's second press counts as a press.
std::optional<bool> HeldBy(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK: return true;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP: return false;
        default: return std::nullopt;
    }
}

bool IsLineBreak(WPARAM character) { return character == L'\r' || character == L'\n'; }

// Under IsDialogMessage Tab and Shift+Tab leave the two-line box as they leave a one-line
// box, while Enter still reaches it.
LRESULT LCharDialogCode(LRESULT code, LPARAM lParam) {
    code &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) &&
        message->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
    return code;
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* characters = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = characters;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A pasted text with line breaks goes in as one line; false leaves the paste to the box.
bool PasteAsOneLine(HWND edit) {
    std::wstring text = ClipboardText(edit);
    if (text.find_first_of(L"\r\n") == std::wstring::npos) return false;
    std::erase_if(text, [](wchar_t c) { return IsLineBreak(c); });
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    return true;
}

}  // namespace

bool PictPanel::Create(HWND parent, HINSTANCE instance) {
    if (!RegisterWindowClass(instance, WindowProc, TAVO_PICT_CLASS)) return false;
    if (const UINT dpi = GetDpiForWindow(parent)) dpi_ = dpi;
    // Hidden until the editor shows it; Tab moves between its children.
    CreateWindowExW(WS_EX_CONTROLPARENT, TAVO_PICT_CLASS, L"",
                    WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_BORDER, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PICT)), instance, this);
    return window_ && CreateChildren(instance);
}

bool PictPanel::CreateChildren(HINSTANCE instance) {
    if (!CreateControls(instance) || !CreateLabels(instance) || !Subclass() ||
        !CreateTooltips(instance))
        return false;
    PutImages(ButtonImages(dpi_));
    RenderImages(EditorPanelView{});
    LayOut();
    return true;
}

// Created in the order Tab follows: top row, text, jumps, moves, bottom row.
bool PictPanel::CreateControls(HINSTANCE instance) {
    const HWND w = window_;
    c_.comm2 = MakePictureButton(w, instance, IDC_COMM2);
    c_.comm4 = MakePictureButton(w, instance, IDC_COMM4);
    c_.comm3 = MakePictureButton(w, instance, IDC_COMM3);
    c_.lDelay = MakeEdit(w, instance, IDC_LDELAY, L"0", WS_TABSTOP | WS_DISABLED | ES_AUTOHSCROLL,
                         kNumberLimit);
    c_.lChar = MakeEdit(w, instance, IDC_LCHAR, L"", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL,
                        kCharLimit);
    c_.text2 = MakeEdit(w, instance, IDC_TEXT2, L"", ES_READONLY | ES_AUTOHSCROLL);
    c_.commT1 = MakeButton(w, instance, IDC_COMMT1, L"<");
    c_.text3 = MakeEdit(w, instance, IDC_TEXT3, L"", ES_READONLY | ES_AUTOHSCROLL);
    c_.commT2 = MakeButton(w, instance, IDC_COMMT2, L"<");
    for (int element : {0, 2, 3, 1})
        c_.command3[element] = MakePictureButton(w, instance, IDC_COMMAND3_BASE + element);
    c_.lPause = MakeEdit(w, instance, IDC_LPAUSE, L"0", WS_TABSTOP | ES_AUTOHSCROLL, kNumberLimit);
    // BS_NOTIFY: these two report losing the focus.
    c_.clear = MakeButton(w, instance, IDC_CLEAR, L"初始", BS_NOTIFY);
    c_.delOrder = MakeButton(w, instance, IDC_DELORDER, L"删除", BS_NOTIFY);
    c_.comm5 = MakeButton(w, instance, IDC_COMM5, L"确定");
    const HWND all[] = {c_.comm2, c_.comm4,  c_.comm3,  c_.lDelay, c_.lChar,  c_.text2,
                        c_.commT1, c_.text3, c_.commT2, c_.lPause, c_.clear, c_.delOrder,
                        c_.comm5};
    return std::ranges::find(all, nullptr) == std::end(all) &&
           std::ranges::find(c_.command3, nullptr) == std::end(c_.command3);
}

bool PictPanel::Subclass() {
    const auto self = reinterpret_cast<DWORD_PTR>(this);
    for (HWND picker : {c_.comm2, c_.comm4, c_.commT1, c_.commT2})
        if (!SetWindowSubclass(picker, PickerProc, kSubclassId, self)) return false;
    return SetWindowSubclass(c_.lChar, LCharProc, kSubclassId, self) &&
           SetWindowSubclass(c_.clear, HoldProc, kSubclassId, self) &&
           SetWindowSubclass(c_.delOrder, HoldProc, kSubclassId, self);
}

void PictPanel::ApplyDpi(UINT dpi, HFONT font) {
    if (!window_) return;
    dpi_ = dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
    SetChildFonts(font);
    PutImages(ButtonImages(dpi_));
    LayOut();
    InvalidateRect(window_, nullptr, TRUE);
}

void PictPanel::SetChildFonts(HFONT font) {
    SetChildrenFont(window_, font);
    tooltips_.SetFont(font);
}

// The buttons take the new images before the old ones are destroyed.
void PictPanel::PutImages(ButtonImages images) {
    for (std::size_t i = 0; i < std::size(c_.command3); ++i)
        SetIcon(c_.command3[i], images.Arrow(kCommand3Arrows[i]));
    const HWND pictures[] = {c_.comm2, c_.comm3, c_.comm4};
    for (std::size_t i = 0; i < std::size(pictures); ++i)
        SetIcon(pictures[i], images.Picture(shownImages_[i]));
    images_ = std::move(images);
}

void PictPanel::Render(const EditorPanelView& view) {
    if (!window_) return;
    // Compared with the boxes, not with the last view: a rule may leave a field as it
    // was while the box holds what the user typed.
    text_.Put(c_.lChar, view.lChar);
    text_.Put(c_.lPause, view.lPause);
    text_.Put(c_.lDelay, view.lDelay);
    text_.Put(c_.text2, view.Text2);
    text_.Put(c_.text3, view.Text3);
    if ((IsWindowEnabled(c_.lDelay) != FALSE) != view.lDelayEnabled)
        EnableWindow(c_.lDelay, view.lDelayEnabled);
    RenderImages(view);
    RenderStoredPoints(view);
    RenderPads(view);
    RenderPlacement(view);
}

void PictPanel::RenderImages(const EditorPanelView& view) {
    const int numbers[] = {view.comm2Image, view.comm3Image, view.comm4Image};
    const HWND buttons[] = {c_.comm2, c_.comm3, c_.comm4};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        if (shownImages_[i] == numbers[i]) continue;
        SetIcon(buttons[i], images_.Picture(numbers[i]));
        shownImages_[i] = numbers[i];
    }
}

// Compared with the window itself, so a DPI change that moved it is made good too.
void PictPanel::RenderPlacement(const EditorPanelView& view) {
    const POINT at{Px(view.left, dpi_), Px(view.top, dpi_)};
    RECT now{};
    GetWindowRect(window_, &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&now), 1);
    const bool moved = now.left != at.x || now.top != at.y;
    const bool visible = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (view.shown && (moved || !visible))
        SetWindowPos(window_, HWND_TOP, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else if (moved)
        SetWindowPos(window_, nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (!view.shown && visible) ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK PictPanel::WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) {
    return RouteToObject(window, message, wParam, lParam, "editor panel handler", &PictPanel::window_,
                         &PictPanel::Handle);
}

LRESULT PictPanel::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            SetChildFonts(reinterpret_cast<HFONT>(wParam));
            return 0;
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
        case WM_MOUSEMOVE:
            HoverPad({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            ClickPad({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_TIMER:
            if (wParam == kPadHoverTimer) PollPadHover();
            if (wParam == kPickerPollTimer) PollPicker();
            return 0;
        case WM_NCDESTROY:
            // The children are gone, and with them the last use of the images.
            images_ = ButtonImages();
            break;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// Labels and button corners take the panel's colour; read-only and disabled boxes keep
// the system's.
LRESULT PictPanel::OnCtlColor(UINT message, HDC dc, HWND control) {
    const bool label = std::ranges::find(c_.labels, control) != std::end(c_.labels);
    if (message == WM_CTLCOLORSTATIC && !label)
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    return SolidControlColour(dc, kColour);
}

void PictPanel::OnCommand(int id, int code) {
    if (code == EN_CHANGE) {
        const auto box = BoxOf(id);
        if (box && !text_.Putting()) events_.PictTextChanged(*box, WindowText(GetDlgItem(window_, id)));
    } else if (code == BN_CLICKED) {
        if (const auto button = ButtonOf(id)) events_.PictButtonClicked(*button);
    } else if (code == BN_KILLFOCUS && (id == IDC_CLEAR || id == IDC_DELORDER)) {
        events_.PictButtonLostFocus();
    }
}

LRESULT CALLBACK PictPanel::LCharProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self) {
    switch (message) {
        case WM_NCDESTROY: RemoveWindowSubclass(edit, LCharProc, id); break;
        case WM_GETDLGCODE:
            return LCharDialogCode(DefSubclassProc(edit, message, wParam, lParam), lParam);
        case WM_KEYDOWN:
            if (wParam != VK_RETURN) break;
            Guarded("instruction text Enter handler",
                    [&] { reinterpret_cast<PictPanel*>(self)->events_.PictCharEnter(); });
            return 0;
        case WM_CHAR:
            if (IsLineBreak(wParam)) return 0;  // no line break ever enters the text
            break;
        case WM_PASTE:
            if (PasteAsOneLine(edit)) return 0;
            break;
        default: break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK PictPanel::HoldProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, HoldProc, id);
    if (const auto held = HeldBy(message))
        Guarded("button press handler",
                [&] { reinterpret_cast<PictPanel*>(self)->events_.PictButtonHeld(*held); });
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace tavo
