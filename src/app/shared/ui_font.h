#pragma once
#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace tavo {

// A 9-point font that shows Chinese, at the given DPI: the first installed of a few
// CJK faces, so the controls read the same on Windows and under Wine.
UniqueFont MakeUiFont(UINT dpi);

}  // namespace tavo
