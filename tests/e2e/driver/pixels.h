#pragma once
// Reading a 12 x 12 block of a window's drawing and reducing it to the 36-character
// fingerprint that recognition uses: "0" dark, "1" light, "" without contrast.
#include <windows.h>

#include <string>

namespace e2e {

// Block whose top-left pixel is (left, top) in the DC.
std::string FingerprintOf(HDC dc, int left, int top);

// Block centred on a client point of a window, copied from the screen (the window must
// be uncovered there).
std::string ScreenFingerprint(HWND window, POINT clientCentre);

// The colour of one client pixel on the screen.
COLORREF ScreenPixel(HWND window, POINT clientPoint);

// How many pixels of the window's client area show `colour` on the screen (the window
// must be uncovered; a child control of another process reads nothing through its own DC).
int CountScreenPixels(HWND window, COLORREF colour);
// Within a part of the client area.
int CountScreenPixels(HWND window, COLORREF colour, const RECT& part);

// The colour most pixels of a screen rectangle show.
COLORREF CommonScreenColour(const RECT& screen);

// The window's client area as the screen shows it, written as a 24-bit BMP (rows bottom
// up); false when it cannot be read or written.
bool SaveClientShot(HWND window, const std::wstring& path);

}  // namespace e2e
