#include "driver/pixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <vector>

#include "driver/paths.h"

namespace e2e {

namespace {

int Brightness(COLORREF c) {
    return static_cast<int>(std::lround(0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c)));
}

}  // namespace

std::string FingerprintOf(HDC dc, int left, int top) {
    int samples[36];
    int n = 0, lo = 255, hi = 0;
    for (int x = 0; x < 12; x += 2) {  // x outer, y inner, as recognition reads them
        for (int y = 0; y < 12; y += 2) {
            const int b = Brightness(GetPixel(dc, left + x, top + y));
            samples[n++] = b;
            lo = b < lo ? b : lo;
            hi = b > hi ? b : hi;
        }
    }
    if (lo == 255 || hi == 0 || lo == hi) return {};
    const double threshold = std::nearbyint((hi - lo) * 3.0 / 5.0 + lo);
    std::string print;
    for (int b : samples) print += b < threshold ? '0' : '1';
    return print;
}

std::string ScreenFingerprint(HWND window, POINT c) {
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 12, 12);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 12, 12, screen, c.x - 6, c.y - 6, SRCCOPY);
    const std::string print = FingerprintOf(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return print;
}

COLORREF ScreenPixel(HWND window, POINT p) {
    HDC screen = GetDC(window);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(window, screen);
    return colour;
}

namespace {

// The screen's pixels in a rectangle, rows top down, as 0x00RRGGBB.
std::vector<DWORD> ScreenBits(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> bits(static_cast<size_t>(width) * static_cast<size_t>(height));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : bits) pixel &= 0xFFFFFF;
    return bits;
}

// DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
DWORD Swapped(DWORD colour) { return RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)); }

}  // namespace

int CountScreenPixels(HWND window, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    return CountScreenPixels(window, colour, client);
}

int CountScreenPixels(HWND window, COLORREF colour, const RECT& part) {
    RECT r = part;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const std::vector<DWORD> bits = ScreenBits(r);
    return static_cast<int>(std::count(bits.begin(), bits.end(), Swapped(colour)));
}

bool SaveClientShot(HWND window, const std::wstring& path) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const LONG width = client.right, height = client.bottom;
    const DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD size = row * static_cast<DWORD>(height);
    if (width <= 0 || height <= 0) return false;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, size, 0, 0, 0, 0};
    std::string file(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size, '\0');
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height),
                               file.data() + file.size() - size, &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (rows != height) return false;
    const BITMAPFILEHEADER head{0x4D42, static_cast<DWORD>(file.size()), 0, 0,
                                static_cast<DWORD>(file.size() - size)};
    std::memcpy(file.data(), &head, sizeof head);
    std::memcpy(file.data() + sizeof head, &info.bmiHeader, sizeof info.bmiHeader);
    return WriteWholeFile(path, file);
}

COLORREF CommonScreenColour(const RECT& r) {
    const std::vector<DWORD> bits = ScreenBits(r);
    if (bits.empty()) return CLR_INVALID;
    std::map<DWORD, int> counts;
    for (DWORD pixel : bits) ++counts[pixel];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return Swapped(most->first);
}

}  // namespace e2e
