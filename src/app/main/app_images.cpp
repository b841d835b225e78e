#include "app/main/app_images.h"

#include <commctrl.h>

#include "app/shared/image_canvas.h"
#include "core/model/script_tree.h"

namespace tavo {
namespace {

constexpr COLORREF kFolder = RGB(240, 200, 80);
constexpr COLORREF kFolderEdge = RGB(160, 120, 20);
constexpr COLORREF kGreen = RGB(30, 150, 60);
constexpr COLORREF kRed = RGB(200, 40, 40);

UniqueImageList NewList(int size, int count) {
    return UniqueImageList(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0));
}

void DrawPage(ImageCanvas& c) {
    c.Shape({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kPaper, kBlue);
    c.Line(5, 6, 11, 6, kGrey);
    c.Line(5, 9, 11, 9, kGrey);
    c.Line(5, 12, 11, 12, kGrey);
}

void DrawFolder(ImageCanvas& c) {
    c.Shape({{1, 3}, {6, 3}, {7, 5}, {15, 5}, {15, 14}, {1, 14}}, kFolder, kFolderEdge);
}

void DrawJump(ImageCanvas& c) {
    c.Shape({{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kPaper, kBlue);
    c.Shape({{4, 7}, {9, 7}, {9, 4}, {14, 9}, {9, 14}, {9, 11}, {4, 11}}, kGreen, kGreen);
}

void DrawPlus(ImageCanvas& c) {
    c.Shape({{2, 1}, {9, 1}, {12, 4}, {12, 15}, {2, 15}}, kPaper, kBlue);
    c.Box(9, 7, 11, 15, kGreen, kGreen);
    c.Box(6, 10, 14, 12, kGreen, kGreen);
}

void DrawDisk(ImageCanvas& c) {
    c.Box(1, 1, 15, 15, kBlue, kInk);
    c.Box(4, 1, 12, 6, kPaper, kInk);
    c.Box(4, 9, 12, 15, RGB(220, 220, 220), kInk);
}

void DrawRun(ImageCanvas& c) { c.Shape({{4, 2}, {13, 8}, {4, 14}}, kGreen, kInk); }

void DrawStop(ImageCanvas& c) { c.Box(3, 3, 13, 13, kRed, kInk); }

}  // namespace

int SmallImageSize(UINT dpi) { return MulDiv(16, static_cast<int>(dpi), 96); }

UniqueImageList MakeTreeImages(UINT dpi) {
    const int size = SmallImageSize(dpi);
    UniqueImageList list = NewList(size, 3);
    ImageCanvas canvas(size);
    for (auto draw : {DrawPage, DrawFolder, DrawJump}) {
        draw(canvas);
        canvas.AddTo(list.Get());
    }
    return list;
}

int TreeImageIndex(int icon) {
    switch (icon) {
        case kIconWithChildren: return 1;
        case kIconWithJump: return 2;
        default: return 0;
    }
}

UniqueImageList MakeToolbarImages(UINT dpi) {
    const int size = SmallImageSize(dpi);
    UniqueImageList list = NewList(size, 5);
    ImageCanvas canvas(size);
    for (auto draw : {DrawFolder, DrawPlus, DrawDisk, DrawRun, DrawStop}) {
        draw(canvas);
        canvas.AddTo(list.Get());
    }
    return list;
}

int ToolbarImageIndex(int button) { return (button - 1) / 2; }

}  // namespace tavo
