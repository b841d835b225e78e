#include "practice_target/pattern.h"

#include <cstdio>
#include <string>

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

// `grid` is drawn at the place of `p`.
void PaintPicture(HDC dc, const Picture& p, const Picture* grid) {
    const int left = p.cx - kPictureSize / 2;
    const int top = p.cy - kPictureSize / 2;
    // A thin dark-grey ring sets the picture off from the background without touching it.
    Fill(dc, left - 3, top - 3, kPictureSize + 6, kPictureSize + 6, RGB(64, 64, 64));
    Fill(dc, left - 2, top - 2, kPictureSize + 4, kPictureSize + 4, kBackground);
    if (!grid) return;
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            const bool black = grid->rows[row][col] == '#';
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

const Picture* GridAt(int place, PictureMode mode) {
    switch (mode) {
    case PictureMode::Rotated: return &kPictures[(place + 1) % kPictureCount];
    case PictureMode::Blank: return nullptr;
    case PictureMode::Normal: break;
    }
    return &kPictures[place];
}

// A small red cross where the last click went, so that a screenshot shows it.
void PaintClickMark(HDC dc, POINT at) {
    const COLORREF red = RGB(255, 0, 0);
    Fill(dc, at.x - 4, at.y, 9, 1, red);
    Fill(dc, at.x, at.y - 4, 1, 9, red);
}

}  // namespace

void PaintPattern(HDC dc, const RECT& client, const TargetStatus& status, PictureMode mode) {
    Fill(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, kBackground);
    for (int i = 0; i < kPictureCount; ++i) PaintPicture(dc, kPictures[i], GridAt(i, mode));
    if (status.lastClick) PaintClickMark(dc, *status.lastClick);

    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(255, 255, 255));
    PaintText(dc, 16, 16, L"Tavo practice target: recognition pictures, logged clicks and keys", TA_LEFT | TA_TOP);
    for (const Picture& p : kPictures) PaintLabel(dc, p);
    SetTextColor(dc, RGB(255, 255, 160));
    PaintText(dc, 16, client.bottom - kStatusHeight + 4, status.ChatText(), TA_LEFT | TA_TOP);
    PaintText(dc, 16, client.bottom - 24, status.lastInput, TA_LEFT | TA_TOP);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

}  // namespace practice
