#pragma once
// What every window class of our own controls and panels shares.
#include <windows.h>

namespace tavo {

// A class with the arrow pointer and no CS_DBLCLKS (quick clicks stay presses of their
// own, which the keyboard relies on); one registered before (a second control) is fine.
inline bool RegisterWindowClass(HINSTANCE instance, WNDPROC proc, const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The answer to WM_CTLCOLOR*: a child drawn on `colour`. The stock DC brush takes the
// colour from the DC, so there is nothing to create or release.
inline LRESULT SolidControlColour(HDC dc, COLORREF colour) {
    SetBkColor(dc, colour);
    SetDCBrushColor(dc, colour);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

}  // namespace tavo
