#pragma once
// The practice target's fixed drawing. docs/practice-target.md documents it; the tests
// keep their own copy of the expected values so that a change here is caught.
#include <windows.h>

#include <string>

namespace practice {

inline constexpr COLORREF kBackground = RGB(128, 128, 128);
inline constexpr int kPictureSize = 12;  // pixels; drawn as 6 x 6 cells of 2 x 2 pixels
inline constexpr int kCells = 6;

struct Picture {
    const wchar_t* name;
    int cx, cy;              // client point of the picture's centre
    const char* rows[kCells];  // '#' black cell, '.' white cell; rows top to bottom
};

inline constexpr int kPictureCount = 5;
extern const Picture kPictures[kPictureCount];

// Everything the window shows; `status` is the bottom line (last input seen).
void PaintPattern(HDC dc, const RECT& client, const std::wstring& status);

}  // namespace practice
