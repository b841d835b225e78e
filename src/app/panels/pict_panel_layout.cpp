// The editor panel's places, labels, tooltips and the painting of its two pads.
#include "app/panels/pict_panel.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "app/shared/solid_brush.h"
#include "app/shared/twips.h"
#include "core/capture/hover.h"

namespace tavo {
namespace {

constexpr TwipsRect kLDelayPlace{2850, 165, 660, 270};

struct Placed {
    int id;
    TwipsRect rect;
};

// Twips within the panel.
constexpr Placed kPlaces[] = {
    {IDC_COMM2, {600, 105, 420, 390}},
    {IDC_COMM4, {1665, 105, 420, 390}},
    {IDC_COMM3, {2355, 105, 420, 375}},
    {IDC_LDELAY, kLDelayPlace},
    {IDC_LCHAR, {45, 825, 3615, 660}},
    {IDC_TEXT2, {540, 1605, 1455, 315}},
    {IDC_TEXT3, {540, 1995, 1455, 315}},
    {IDC_COMMT1, {2010, 1590, 300, 330}},
    {IDC_COMMT2, {2010, 1995, 300, 330}},
    // The move buttons form a cross: up, down, up a level on the left, child of the
    // previous on the right.
    {IDC_COMMAND3_BASE + 0, {2865, 1575, 390, 420}},
    {IDC_COMMAND3_BASE + 1, {2865, 2010, 390, 420}},
    {IDC_COMMAND3_BASE + 2, {2460, 1800, 390, 420}},
    {IDC_COMMAND3_BASE + 3, {3285, 1800, 390, 420}},
    {IDC_CLEAR, {1410, 2595, 690, 330}},
    {IDC_DELORDER, {2160, 2595, 690, 330}},
    {IDC_COMM5, {2910, 2595, 690, 330}},
    {IDC_LPAUSE, {540, 2625, 720, 285}},
};

struct Label {
    const wchar_t* text;
    TwipsRect rect;
    DWORD align;
};

constexpr Label kLabels[] = {
    {L"暂停:", {60, 2685, 465, 240}, SS_LEFT},
    {L"喊话/按键(毫秒)", {2265, 585, 1500, 240}, SS_LEFT},
    {L"成功:", {75, 1725, 450, 240}, SS_LEFT},
    {L"失败:", {75, 2145, 450, 240}, SS_LEFT},
    // Under the recognition group (pad and picker) and the click group.
    {L"图形识别", {150, 540, 870, 240}, SS_CENTER},
    {L"鼠标点击", {1230, 540, 855, 240}, SS_CENTER},
};

// A pad: a background square with five orientation squares, in the order of the
// orientation codes (centre, top left, top right, bottom left, bottom right), and the
// frame that lights up around it while the pointer is over it.
struct PadShape {
    TwipsRect background;
    POINT squares[kOrientationCount];
    TwipsRect frame;
};

constexpr int kPadSquare = 120;
constexpr COLORREF kPadBackground = 0xF0EBDD;
constexpr COLORREF kPadSquareEdge = RGB(110, 130, 160);
constexpr COLORREF kPadFrameColour = 0x0080FF;
constexpr UINT kPadHoverInterval = 50;  // ms
// A click on the background square is reported as square 5.
constexpr int kPadBackgroundSquare = kOrientationCount;
constexpr PadShape kPWei{{165, 120, 360, 360},
                         {{285, 240}, {180, 135}, {390, 135}, {180, 345}, {390, 345}},
                         {150, 105, 390, 390}};
constexpr PadShape kWei{{1245, 135, 360, 360},
                        {{1365, 255}, {1260, 150}, {1470, 150}, {1260, 360}, {1470, 360}},
                        {1230, 120, 390, 390}};

const PadShape& ShapeOf(Pad pad) { return pad == Pad::PWei ? kPWei : kWei; }
std::size_t IndexOf(Pad pad) { return pad == Pad::PWei ? 0 : 1; }
constexpr Pad kPads[] = {Pad::PWei, Pad::Wei};

RECT SquareRect(const PadShape& pad, int square, UINT dpi) {
    const POINT at = pad.squares[square];
    return ToPixels({at.x, at.y, kPadSquare, kPadSquare}, dpi);
}

struct Tip {
    int id;
    const char* text;
};

constexpr Tip kTips[] = {
    {IDC_LCHAR, "这里填写喊话内容或按键指令"},
    {IDC_LPAUSE, "指令执行成功后停顿时长,单位(秒)"},
    {IDC_LDELAY, "按键抬起延时长度,单位(毫秒)"},
    {IDC_COMM3, "发送按键指令"},
    {IDC_CLEAR, "清除当前指令数据"},
    {IDC_DELORDER, "删除当前指令"},
    {IDC_COMMAND3_BASE + 0, "向上移动指令"},
    {IDC_COMMAND3_BASE + 1, "向下移动指令"},
    {IDC_COMMAND3_BASE + 2, "跳到上一级指令"},
    {IDC_COMMAND3_BASE + 3, "转化为前一指令的子指令"},
    {IDC_COMM2, "图形识别"},
    {IDC_COMM4, "鼠标点击"},
    {IDC_COMMT1, "指令执行成功后跳转到指定指令执行"},
    {IDC_COMMT2, "指令执行失败后跳转到指定指令执行"},
};

struct Area {
    UINT_PTR id;
    TwipsRect rect;
    const char* text;
};

constexpr Area kAreas[] = {
    {1, kPWei.background, "设置图形识别坐标在窗口中的方位基准"},
    {2, kWei.background, "单击座标在窗口中基准方位"},
    // A disabled lDelay leaves the mouse to the panel, so its own tip would not show.
    {3, kLDelayPlace, "按键抬起延时长度,单位(毫秒)"},
};

void PaintPad(HDC dc, const PadShape& pad, int chosen, UINT dpi) {
    FillSolid(dc, ToPixels(pad.background, dpi), kPadBackground);
    for (int i = 0; i < kOrientationCount; ++i) {
        const RECT square = SquareRect(pad, i, dpi);
        FillSolid(dc, square, i == chosen ? kPadChosenColour : kPadColour);
        FrameSolid(dc, square, kPadSquareEdge);
    }
}

}  // namespace

bool PictPanel::CreateLabels(HINSTANCE instance) {
    static_assert(std::size(kLabels) == sizeof(Children::labels) / sizeof(HWND));
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        c_.labels[i] = CreateChildControl(window_, instance, -1, WC_STATICW, kLabels[i].text,
                                          SS_NOPREFIX | kLabels[i].align);
        if (!c_.labels[i]) return false;
    }
    return true;
}

bool PictPanel::CreateTooltips(HINSTANCE instance) {
    if (!tooltips_.Create(window_, instance)) return false;
    for (const Tip& tip : kTips) tooltips_.Add(GetDlgItem(window_, tip.id), tip.text);
    for (const Area& area : kAreas)
        tooltips_.AddArea(window_, area.id, ToPixels(area.rect, dpi_), area.text);
    return true;
}

void PictPanel::RenderStoredPoints(const EditorPanelView& view) {
    const std::string* points[] = {&view.comm2Point, &view.comm4Point};
    const int ids[] = {IDC_COMM2, IDC_COMM4};
    for (std::size_t i = 0; i < std::size(ids); ++i) {
        if (shownPoints_[i] == *points[i]) continue;
        shownPoints_[i] = *points[i];
        const auto tip = std::find_if(std::begin(kTips), std::end(kTips),
                                      [&](const Tip& t) { return t.id == ids[i]; });
        std::string text = tip->text;
        if (!points[i]->empty()) text += "\n" + *points[i];
        tooltips_.SetText(GetDlgItem(window_, ids[i]), text);
    }
}

void PictPanel::LayOut() {
    SetWindowPos(window_, nullptr, 0, 0, Px(kPictWidth, dpi_), Px(kPictHeight, dpi_),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Placed& placed : kPlaces) Place(GetDlgItem(window_, placed.id), placed.rect, dpi_);
    for (std::size_t i = 0; i < std::size(kLabels); ++i) Place(c_.labels[i], kLabels[i].rect, dpi_);
    LayOutTooltipAreas();
}

void PictPanel::LayOutTooltipAreas() {
    for (const Area& area : kAreas) tooltips_.MoveArea(window_, area.id, ToPixels(area.rect, dpi_));
}

void PictPanel::RenderPads(const EditorPanelView& view) {
    if (view.weiSquare != weiSquare_) {
        weiSquare_ = view.weiSquare;
        const RECT pad = ToPixels(kWei.background, dpi_);
        InvalidateRect(window_, &pad, FALSE);
    }
    if (view.pweiSquare != pweiSquare_) {
        pweiSquare_ = view.pweiSquare;
        const RECT pad = ToPixels(kPWei.background, dpi_);
        InvalidateRect(window_, &pad, FALSE);
    }
}

void PictPanel::Paint() {
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(window_, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(window_, &client);
    FillSolid(dc, client, kColour);
    PaintPads(dc);
    PaintFrames(dc);
    EndPaint(window_, &ps);
}

void PictPanel::PaintPads(HDC dc) {
    PaintPad(dc, kPWei, pweiSquare_, dpi_);
    PaintPad(dc, kWei, weiSquare_, dpi_);
}

// One pixel wide at 96 DPI, wider with the DPI.
void PictPanel::PaintFrames(HDC dc) {
    SetDCBrushColor(dc, kPadFrameColour);
    const auto brush = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    for (Pad pad : kPads) {
        if (!frameShown_[IndexOf(pad)]) continue;
        RECT frame = ToPixels(ShapeOf(pad).frame, dpi_);
        for (int i = std::max(1, Px(15, dpi_)); i > 0; --i) {
            FrameRect(dc, &frame, brush);
            InflateRect(&frame, -1, -1);
        }
    }
}

// Squares first: they lie on the background square.
std::optional<std::pair<Pad, int>> PictPanel::PadAt(POINT at) const {
    for (Pad pad : kPads) {
        const PadShape& shape = ShapeOf(pad);
        for (int i = 0; i < kOrientationCount; ++i) {
            const RECT square = SquareRect(shape, i, dpi_);
            if (PtInRect(&square, at)) return std::pair{pad, i};
        }
        const RECT background = ToPixels(shape.background, dpi_);
        if (PtInRect(&background, at)) return std::pair{pad, kPadBackgroundSquare};
    }
    return std::nullopt;
}

void PictPanel::ClickPad(POINT at) {
    if (const auto hit = PadAt(at)) events_.PictPadClicked(hit->first, hit->second);
}

void PictPanel::HoverPad(POINT at) {
    const auto hit = PadAt(at);
    if (!hit) return;
    if (!frameShown_[IndexOf(hit->first)]) {
        ShowFrame(hit->first, true);
        SetTimer(window_, kPadHoverTimer, kPadHoverInterval, nullptr);
    }
    hoverZone_ = hit->first == Pad::PWei ? 3 : 4;
}

// Polled rather than told: the pointer may leave the pad straight out of the panel.
void PictPanel::PollPadHover() {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(window_, &at);
    const int dpi = static_cast<int>(dpi_);
    const int x = MulDiv(at.x, 1440, dpi);
    const int y = MulDiv(at.y, 1440, dpi);
    for (Pad pad : kPads) {
        const TwipsRect& f = ShapeOf(pad).frame;
        if (frameShown_[IndexOf(pad)] && PointerLeftFrame(f.left, f.top, f.width, f.height, x, y))
            ShowFrame(pad, false);
    }
    if (!frameShown_[0] && !frameShown_[1]) KillTimer(window_, kPadHoverTimer);
}

void PictPanel::ShowFrame(Pad pad, bool shown) {
    frameShown_[IndexOf(pad)] = shown;
    const RECT frame = ToPixels(ShapeOf(pad).frame, dpi_);
    InvalidateRect(window_, &frame, FALSE);
}

}  // namespace tavo
