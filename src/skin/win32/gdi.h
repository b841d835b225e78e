#pragma once
// The project's GDI owners, and regions besides, which the skin needs.
#include "platform/win32/gdi_handles.h"
#include "skin/skin_theme.h"

namespace tavo::skin {

using tavo::SelectionGuard;
using tavo::UniqueBitmap;
using tavo::UniqueBrush;
using tavo::UniqueFont;
using tavo::UniqueMemoryDc;
using tavo::UniquePen;
using tavo::WindowDc;
using UniqueRegion = tavo::UniqueHandle<HRGN, tavo::GdiObjectDeleter>;

inline COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace tavo::skin
