#include "app/shared/image_canvas.h"

#include <algorithm>
#include <vector>

namespace tavo {

ImageCanvas::ImageCanvas(int size) : size_(size) {
    WindowDc screen(nullptr);
    dc_.Reset(CreateCompatibleDC(screen.Get()));
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), size, size));
    Clear();
}

void ImageCanvas::Clear() {
    SelectionGuard select(dc_.Get(), bitmap_.Get());
    UniqueBrush mask(CreateSolidBrush(kImageMaskColour));
    const RECT all{0, 0, size_, size_};
    FillRect(dc_.Get(), &all, mask.Get());
}

void ImageCanvas::Box(int left, int top, int right, int bottom, COLORREF fill, COLORREF border) {
    Shape({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill, border);
}

void ImageCanvas::Shape(std::initializer_list<POINT> points, COLORREF fill, COLORREF border) {
    std::vector<POINT> scaled;
    scaled.reserve(points.size());
    for (POINT p : points) scaled.push_back({Scale(p.x), Scale(p.y)});
    UniqueBrush brush(CreateSolidBrush(fill));
    UniquePen pen(CreatePen(PS_SOLID, std::max(1, Scale(1)), border));
    SelectionGuard selectBitmap(dc_.Get(), bitmap_.Get());
    SelectionGuard selectBrush(dc_.Get(), brush.Get());
    SelectionGuard selectPen(dc_.Get(), pen.Get());
    Polygon(dc_.Get(), scaled.data(), static_cast<int>(scaled.size()));
}

void ImageCanvas::Line(int x1, int y1, int x2, int y2, COLORREF colour) {
    UniquePen pen(CreatePen(PS_SOLID, std::max(1, Scale(1)), colour));
    SelectionGuard selectBitmap(dc_.Get(), bitmap_.Get());
    SelectionGuard selectPen(dc_.Get(), pen.Get());
    MoveToEx(dc_.Get(), Scale(x1), Scale(y1), nullptr);
    LineTo(dc_.Get(), Scale(x2), Scale(y2));
}

void ImageCanvas::AddTo(HIMAGELIST list) {
    // The bitmap is not selected into the DC here: each drawing call deselects it again.
    ImageList_AddMasked(list, bitmap_.Get(), kImageMaskColour);
    Clear();
}

}  // namespace tavo
