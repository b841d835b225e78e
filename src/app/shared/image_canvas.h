#pragma once
// Draws small square images for image lists at run time. Shapes are given on a 16 x 16
// grid and scaled to the list's pixel size, so the images follow the window's DPI.
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

#include "platform/win32/gdi_handles.h"

namespace tavo {

inline constexpr COLORREF kImageMaskColour = RGB(255, 0, 255);
// The colours the tree's images and the editor's buttons share.
inline constexpr COLORREF kInk = RGB(40, 40, 40);
inline constexpr COLORREF kPaper = RGB(255, 255, 255);
inline constexpr COLORREF kBlue = RGB(40, 90, 180);
inline constexpr COLORREF kGrey = RGB(150, 150, 150);

class ImageCanvas {
public:
    explicit ImageCanvas(int size);
    ImageCanvas(const ImageCanvas&) = delete;
    ImageCanvas& operator=(const ImageCanvas&) = delete;

    // Grid coordinates 0..16; the border is one scaled pixel wide.
    void Box(int left, int top, int right, int bottom, COLORREF fill, COLORREF border);
    void Shape(std::initializer_list<POINT> points, COLORREF fill, COLORREF border);
    void Line(int x1, int y1, int x2, int y2, COLORREF colour);

    // Appends the drawing to the list (the mask colour becomes transparent) and clears
    // the canvas for the next image.
    void AddTo(HIMAGELIST list);

private:
    int Scale(int grid) const { return MulDiv(grid, size_, 16); }
    void Clear();

    int size_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
};

}  // namespace tavo
