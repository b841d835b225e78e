#pragma once
// Placement of the main window and its controls. Positions are designed in twips
// (1440 to the inch, 15 to the pixel at 96 DPI) and converted at the window's DPI.
#include <windows.h>

#include "app/main/form1_controls.h"
#include "core/controls/splitter.h"

namespace tavo {

// Places every control for the DPI, the tree, the bar and the log as `split` has them.
void LayOutControls(const Form1Controls& controls, const SplitLayout& split, UINT dpi);
// Places the tree, the bar and the log.
void PlaceSplit(const Form1Controls& controls, const SplitLayout& split, UINT dpi);

// Sizes the window so that its client area is the design size at the DPI, with its
// top-left corner at `origin`.
void SizeMainWindow(HWND window, UINT dpi, POINT origin);

// The top-left corner of the primary work area: the window never opens over the screen
// centre, where discovery looks for target windows.
POINT WorkAreaOrigin();

}  // namespace tavo
