#include "app/panels/button_images.h"

#include <commctrl.h>

#include "app/shared/image_canvas.h"
#include "core/editor/editor_panel_view.h"

namespace tavo {
namespace {

constexpr COLORREF kKeyGrey = RGB(215, 215, 215);
constexpr COLORREF kSky = RGB(150, 200, 245);
constexpr COLORREF kGreen = RGB(40, 150, 60);
constexpr COLORREF kSun = RGB(250, 200, 40);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kDarkRed = RGB(130, 0, 0);

using Draw = void (*)(ImageCanvas&);

void DrawCrosshair(ImageCanvas& c) {
    c.Line(8, 3, 8, 14, kInk);
    c.Line(3, 8, 14, 8, kInk);
    c.Box(6, 6, 10, 10, kPaper, kRed);
}

// An empty frame: no picture taken yet.
void DrawRecognitionPicker(ImageCanvas& c) {
    c.Box(1, 2, 15, 14, kPaper, kGrey);
    DrawCrosshair(c);
}

// The frame holds a landscape: a picture was taken.
void DrawRecognitionPickerSet(ImageCanvas& c) {
    c.Box(1, 2, 15, 14, kSky, kBlue);
    c.Box(11, 3, 13, 5, kSun, kSun);
    c.Shape({{2, 13}, {2, 10}, {5, 7}, {9, 11}, {12, 9}, {14, 11}, {14, 13}}, kGreen, kGreen);
    DrawCrosshair(c);
}

void DrawKeys(ImageCanvas& c, COLORREF lit) {
    c.Box(1, 6, 15, 15, kKeyGrey, kInk);
    c.Box(3, 8, 5, 10, kPaper, kGrey);
    c.Box(7, 8, 9, 10, lit, lit == kPaper ? kGrey : lit);
    c.Box(11, 8, 13, 10, kPaper, kGrey);
    c.Box(4, 12, 12, 13, kPaper, kGrey);
}

void DrawKeyboard(ImageCanvas& c) { DrawKeys(c, kPaper); }

// A typed line above the keyboard and a lit key: the Instruction has a text.
void DrawKeyboardSet(ImageCanvas& c) {
    c.Box(1, 1, 15, 4, kPaper, kBlue);
    c.Line(3, 2, 11, 2, kBlue);
    DrawKeys(c, kOrange);
}

void DrawPointer(ImageCanvas& c) {
    c.Shape({{2, 1}, {2, 12}, {5, 9}, {7, 14}, {9, 13}, {7, 8}, {11, 8}}, kPaper, kInk);
}

void DrawTarget(ImageCanvas& c, COLORREF colour) {
    c.Line(13, 9, 13, 16, colour);
    c.Line(10, 12, 16, 12, colour);
}

void DrawClickPicker(ImageCanvas& c) {
    DrawPointer(c);
    DrawTarget(c, kGrey);
}

// A red dot on the target: a click point is set.
void DrawClickPickerSet(ImageCanvas& c) {
    DrawPointer(c);
    DrawTarget(c, kInk);
    c.Shape({{12, 10}, {14, 10}, {15, 11}, {15, 13}, {14, 14}, {12, 14}, {11, 13}, {11, 11}},
            kRed, kDarkRed);
}

void DrawUp(ImageCanvas& c) {
    c.Shape({{8, 2}, {14, 8}, {10, 8}, {10, 14}, {6, 14}, {6, 8}, {2, 8}}, kBlue, kInk);
}
void DrawDown(ImageCanvas& c) {
    c.Shape({{8, 14}, {14, 8}, {10, 8}, {10, 2}, {6, 2}, {6, 8}, {2, 8}}, kBlue, kInk);
}
void DrawLeft(ImageCanvas& c) {
    c.Shape({{2, 8}, {8, 2}, {8, 6}, {14, 6}, {14, 10}, {8, 10}, {8, 14}}, kBlue, kInk);
}
void DrawRight(ImageCanvas& c) {
    c.Shape({{14, 8}, {8, 2}, {8, 6}, {2, 6}, {2, 10}, {8, 10}, {8, 14}}, kBlue, kInk);
}

// In the order of the image numbers from kImageRecognitionPicker, and of ButtonArrow.
constexpr Draw kPictures[] = {DrawRecognitionPicker, DrawRecognitionPickerSet, DrawKeyboard,
                              DrawKeyboardSet,       DrawClickPicker,          DrawClickPickerSet};
constexpr Draw kArrows[] = {DrawUp, DrawDown, DrawLeft, DrawRight};

// The canvas draws into a masked image list; an icon carries the transparency to a button.
template <std::size_t N>
void DrawIcons(int size, const Draw (&draws)[N], std::array<UniqueIcon, N>& icons) {
    UniqueImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, N, 0));
    if (!list) return;
    ImageCanvas canvas(size);
    for (Draw draw : draws) {
        draw(canvas);
        canvas.AddTo(list.Get());
    }
    for (std::size_t i = 0; i < N; ++i)
        icons[i].Reset(ImageList_GetIcon(list.Get(), static_cast<int>(i), ILD_NORMAL));
}

}  // namespace

int ButtonImageSize(UINT dpi) { return MulDiv(22, static_cast<int>(dpi), 96); }

ButtonImages::ButtonImages(UINT dpi) {
    const int size = ButtonImageSize(dpi);
    DrawIcons(size, kPictures, pictures_);
    DrawIcons(size, kArrows, arrows_);
}

HICON ButtonImages::Picture(int imageNumber) const {
    const int index = imageNumber - kImageRecognitionPicker;
    if (index < 0 || index >= static_cast<int>(pictures_.size())) return nullptr;
    return pictures_[static_cast<std::size_t>(index)].Get();
}

HICON ButtonImages::Arrow(ButtonArrow arrow) const {
    return arrows_[static_cast<std::size_t>(arrow)].Get();
}

}  // namespace tavo
