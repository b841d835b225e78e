#pragma once
// ImageList1 (the tree's icons) and the toolbar's images, drawn at run time at the
// window's DPI.
#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace tavo {

// Pixel edge of a small image at the given DPI (16 at 96 DPI).
int SmallImageSize(UINT dpi);

// Images in the order of the tree icon numbers 1 (Instruction), 2 (with children) and
// 12 (with a jump); TreeImageIndex maps a node's icon number to its place in the list.
UniqueImageList MakeTreeImages(UINT dpi);
int TreeImageIndex(int icon);

// One image per toolbar button; ToolbarImageIndex maps button n (1, 3, 5, 7, 9) to it.
UniqueImageList MakeToolbarImages(UINT dpi);
int ToolbarImageIndex(int button);

}  // namespace tavo
