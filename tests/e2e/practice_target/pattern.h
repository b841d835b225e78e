#pragma once
// The practice target's fixed drawing. docs/practice-target.md documents it; the tests
// keep their own copy of the expected values so that a change here is caught.
#include <windows.h>

#include "practice_target/status.h"

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

// What the five places show: the documented pictures, each place the next one's grid
// (P1's place P2's frame, ..., P5's place P1's checker), or background grey only.
enum class PictureMode { Normal, Rotated, Blank };

// Height of the status lines at the bottom of the client area.
inline constexpr int kStatusHeight = 48;

// Everything the window shows, the status lines and the last click's mark included.
void PaintPattern(HDC dc, const RECT& client, const TargetStatus& status, PictureMode mode);

}  // namespace practice
