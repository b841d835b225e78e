#include "app/panels/key_board_control.h"

#include <windowsx.h>

#include <algorithm>

#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/shared/twips.h"
#include "app/shared/ui_font.h"
#include "app/shared/window_class.h"
#include "core/editor/editor_panel_view.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {
namespace {

constexpr COLORREF kBackColour = RGB(70, 76, 88);  // Shape1
constexpr COLORREF kBackEdge = RGB(40, 44, 52);
constexpr COLORREF kCharacterFace = RGB(244, 244, 244);
constexpr COLORREF kFunctionFace = RGB(214, 220, 230);
constexpr COLORREF kFaceShadow = RGB(150, 152, 160);
constexpr COLORREF kFaceEdge = RGB(90, 92, 100);
constexpr COLORREF kNameColour = RGB(20, 20, 20);
constexpr COLORREF kShiftedColour = RGB(40, 80, 170);
constexpr COLORREF kLitFace = RGB(255, 204, 102);
constexpr COLORREF kLitEdge = RGB(214, 72, 0);

constexpr int kBevel = 45;      // twips of shadow under a key face
constexpr int kRounding = 90;   // twips, corner diameter
constexpr int kInset = 45;      // twips between a face's edge and its small text
constexpr int kLitFrame = 30;   // twips, width of the highlight frame

// The size is fixed in twips, so it follows the window's DPI.
SIZE FixedSize(UINT dpi) { return {Px(kKeyBoardWidth, dpi), Px(kKeyBoardHeight, dpi)}; }

RECT KeyRect(const KeyBoardKey& key, UINT dpi) {
    return ToPixels({key.left, key.top, key.width, key.height}, dpi);
}

struct KeyFonts {
    UniqueFont regular;
    UniqueFont small;
};

KeyFonts MakeKeyFonts(UINT dpi) {
    KeyFonts fonts{MakeUiFont(dpi), {}};
    LOGFONTW lf{};
    if (fonts.regular && GetObjectW(fonts.regular.Get(), sizeof(lf), &lf)) {
        lf.lfHeight = lf.lfHeight * 3 / 4;
        fonts.small.Reset(CreateFontIndirectW(&lf));
    }
    return fonts;
}

struct KeyPens {
    UniquePen edge;
    UniquePen lit;
};

KeyPens MakeKeyPens(UINT dpi) {
    return {UniquePen(CreatePen(PS_SOLID, 1, kFaceEdge)),
            UniquePen(CreatePen(PS_INSIDEFRAME, std::max(2, Px(kLitFrame, dpi)), kLitEdge))};
}

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    SelectionGuard selected(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void PutText(HDC dc, HFONT font, const std::wstring& text, RECT box, UINT align) {
    SelectionGuard selected(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | align);
}

// A raised face: a shadow along the bottom, the face above it, a highlight frame on top.
RECT DrawFace(HDC dc, const RECT& r, const KeyBoardKey& key, bool lit, UINT dpi,
              const KeyPens& pens) {
    const int round = Px(kRounding, dpi);
    const RECT face{r.left, r.top, r.right, r.bottom - std::max(1, Px(kBevel, dpi))};
    SelectionGuard brush(dc, GetStockObject(DC_BRUSH));
    {
        SelectionGuard pen(dc, pens.edge.Get());
        SetDCBrushColor(dc, lit ? kLitEdge : kFaceShadow);
        RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
        const COLORREF faceColour = key.kind == KeyKind::Character ? kCharacterFace : kFunctionFace;
        SetDCBrushColor(dc, lit ? kLitFace : faceColour);
        RoundRect(dc, face.left, face.top, face.right, face.bottom, round, round);
    }
    if (lit) {
        SelectionGuard pen(dc, pens.lit.Get());
        SelectionGuard hollow(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
    }
    return face;
}

// A character key with a shifted text shows it small in the upper left and its name
// below; any other key its name in the middle, smaller when the name is too wide.
void DrawLegend(HDC dc, RECT face, const KeyBoardKey& key, UINT dpi, const KeyFonts& fonts) {
    const std::wstring name(key.name.begin(), key.name.end());  // key names are ASCII
    const int inset = Px(kInset, dpi);
    if (!key.shifted.empty() && key.shifted != key.name) {
        const std::wstring shifted(key.shifted.begin(), key.shifted.end());
        SetTextColor(dc, kShiftedColour);
        PutText(dc, fonts.small.Get(), shifted,
                {face.left + inset, face.top + inset / 2, face.right, face.bottom}, DT_LEFT | DT_TOP);
        SetTextColor(dc, kNameColour);
        PutText(dc, fonts.regular.Get(), name,
                {face.left, face.top + (face.bottom - face.top) / 3, face.right, face.bottom},
                DT_CENTER | DT_VCENTER);
        return;
    }
    const bool fits = TextWidth(dc, fonts.regular.Get(), name) <= face.right - face.left - inset;
    SetTextColor(dc, kNameColour);
    PutText(dc, fits ? fonts.regular.Get() : fonts.small.Get(), name, face, DT_CENTER | DT_VCENTER);
}

void DrawKeyBoard(HDC dc, const RECT& client, UINT dpi,
                  const KeyBoardComposer::Highlights& lit) {
    SetDCBrushColor(dc, kBackColour);
    SetDCPenColor(dc, kBackEdge);
    SelectionGuard brush(dc, GetStockObject(DC_BRUSH));
    SelectionGuard pen(dc, GetStockObject(DC_PEN));
    Rectangle(dc, client.left, client.top, client.right, client.bottom);
    const KeyFonts fonts = MakeKeyFonts(dpi);
    const KeyPens pens = MakeKeyPens(dpi);
    SetBkMode(dc, TRANSPARENT);
    const auto keys = KeyBoardKeys();
    for (KeyIndex i = 0; i < keys.size(); ++i) {
        const RECT face = DrawFace(dc, KeyRect(keys[i], dpi), keys[i], lit[i], dpi, pens);
        DrawLegend(dc, face, keys[i], dpi, fonts);
    }
}

// BeginPaint and EndPaint as a pair, whatever happens in between.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &ps_); }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

}  // namespace

bool KeyBoardControl::Create(HWND parent, HINSTANCE instance, int id) {
    if (!RegisterWindowClass(instance, WindowProc, TAVO_KEYBOARD_CLASS)) return false;
    CreateWindowExW(0, TAVO_KEYBOARD_CLASS, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                    0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                    this);
    if (!window_) return false;
    // Any size asked for becomes the fixed one (WM_WINDOWPOSCHANGING).
    SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

LRESULT CALLBACK KeyBoardControl::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    return RouteToObject(window, message, wParam, lParam, "keyboard handler", &KeyBoardControl::window_,
                         &KeyBoardControl::OnMessage);
}

LRESULT KeyBoardControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING: KeepSize(*reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
        case WM_DPICHANGED_AFTERPARENT:
            SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONDOWN: OnButtonDown(lParam); return 0;
        case WM_LBUTTONUP: OnButtonUp(); return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window_) OnCaptureLost();
            return 0;
        case WM_SETFOCUS: events_.KeyBoardGotFocus(); return 0;
        case WM_KILLFOCUS: events_.KeyBoardLostFocus(); return 0;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void KeyBoardControl::KeepSize(WINDOWPOS& position) const {
    if (position.flags & SWP_NOSIZE) return;
    const SIZE size = FixedSize(GetDpiForWindow(window_));
    position.cx = size.cx;
    position.cy = size.cy;
}

void KeyBoardControl::OnButtonDown(LPARAM point) {
    if (GetFocus() != window_) {
        SetFocus(window_);
        if (!window_) return;  // the host destroyed it on the focus change
    }
    const int dpi = static_cast<int>(GetDpiForWindow(window_));
    const auto key = KeyAt(MulDiv(GET_X_LPARAM(point), 1440, dpi),
                           MulDiv(GET_Y_LPARAM(point), 1440, dpi));
    if (!key) return;
    const auto before = composer_.Highlighted();
    composer_.Press(*key);
    SetCapture(window_);
    Repaint(before);
}

// The release belongs to the key the press went to, wherever the pointer is now.
void KeyBoardControl::OnButtonUp() {
    const auto key = composer_.Pressed();
    if (!key) return;
    const auto before = composer_.Highlighted();
    const auto text = composer_.Release(*key);
    // After the release, so the capture change finds no press left to cancel.
    if (GetCapture() == window_) ReleaseCapture();
    if (!window_) return;
    Repaint(before);
    if (text) events_.KeyEvent(*text);
}

void KeyBoardControl::OnCaptureLost() {
    if (!composer_.Pressed()) return;
    const auto before = composer_.Highlighted();
    composer_.CancelPress();
    Repaint(before);
}

void KeyBoardControl::Repaint(const KeyBoardComposer::Highlights& before) {
    const auto changed = before ^ composer_.Highlighted();
    if (changed.none()) return;
    const UINT dpi = GetDpiForWindow(window_);
    const auto keys = KeyBoardKeys();
    for (KeyIndex i = 0; i < keys.size(); ++i) {
        if (!changed[i]) continue;
        const RECT r = KeyRect(keys[i], dpi);
        InvalidateRect(window_, &r, FALSE);
    }
}

void KeyBoardControl::Paint() {
    const PaintScope paint(window_);
    if (!paint.Get()) return;
    RECT client{};
    GetClientRect(window_, &client);
    // Drawn off screen first, so a key never flickers through its background.
    UniqueMemoryDc dc(CreateCompatibleDC(paint.Get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    if (!dc || !bitmap) return;
    const SelectionGuard selected(dc.Get(), bitmap.Get());
    DrawKeyBoard(dc.Get(), client, GetDpiForWindow(window_), composer_.Highlighted());
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
}

}  // namespace tavo
