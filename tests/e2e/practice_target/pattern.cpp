#include "practice_target/pattern.h"

#include <cstdio>

namespace practice {

// Features sit on 2-pixel cells so that a 12 x 12 block sampled at every second pixel
// (as recognition does) reads each cell exactly once.
const Picture kPictures[kPictureCount] = {
    {L"P1 checker", 100, 100, {"#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#"}},
    {L"P2 frame", 200, 150, {"######", "#....#", "#....#", "#....#", "#....#", "######"}},
    {L"P3 cross", 300, 200, {"..##..", "..##..", "######", "######", "..##..", "..##.."}},
    {L"P4 halves", 400, 250, {"###...", "###...", "###...", "###...", "###...", "###..."}},
    {L"P5 diagonal", 500, 300, {"#.....", ".#....", "..#...", "...#..", "....#.", ".....#"}},
};

namespace {

void Fill(HDC dc, int left, int top, int width, int height, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r{left, top, left + width, top + height};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void PaintPicture(HDC dc, const Picture& p) {
    const int left = p.cx - kPictureSize / 2;
    const int top = p.cy - kPictureSize / 2;
    // A thin dark-grey ring sets the picture off from the background without touching it.
    Fill(dc, left - 3, top - 3, kPictureSize + 6, kPictureSize + 6, RGB(64, 64, 64));
    Fill(dc, left - 2, top - 2, kPictureSize + 4, kPictureSize + 4, kBackground);
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            const bool black = p.rows[row][col] == '#';
            Fill(dc, left + 2 * col, top + 2 * row, 2, 2, black ? RGB(0, 0, 0) : RGB(255, 255, 255));
        }
    }
}

void PaintText(HDC dc, int x, int y, const std::wstring& text, UINT align) {
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void PaintLabel(HDC dc, const Picture& p) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%ls (%d,%d)", p.name, p.cx, p.cy);
    PaintText(dc, p.cx, p.cy + kPictureSize, text, TA_CENTER | TA_TOP);
}

}  // namespace

void PaintPattern(HDC dc, const RECT& client, const std::wstring& status) {
    Fill(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, kBackground);
    for (const Picture& p : kPictures) PaintPicture(dc, p);

    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(255, 255, 255));
    PaintText(dc, 16, 16, L"Tavo practice target: recognition pictures, logged clicks and keys", TA_LEFT | TA_TOP);
    for (const Picture& p : kPictures) PaintLabel(dc, p);
    SetTextColor(dc, RGB(255, 255, 160));
    PaintText(dc, 16, client.bottom - 24, status, TA_LEFT | TA_TOP);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

}  // namespace practice
