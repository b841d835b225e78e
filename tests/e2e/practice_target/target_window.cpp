#include "practice_target/target_window.h"

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <optional>

#include "practice_target/input_log.h"
#include "practice_target/pattern.h"

namespace practice {

namespace {

struct WindowState {
    InputLog log;
    TargetStatus status;
    PictureMode pictures = PictureMode::Normal;
    bool quitOnDestroy = true;
};

WindowState* StateOf(HWND hwnd) { return reinterpret_cast<WindowState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

// Only the status lines and the click marks are repainted: a screen copy taken during a
// repaint must still find the pictures.
void InvalidateClickMark(HWND hwnd, const std::optional<POINT>& at) {
    if (!at) return;
    RECT mark{at->x - 5, at->y - 5, at->x + 6, at->y + 6};
    InvalidateRect(hwnd, &mark, FALSE);
}

void OnInput(HWND hwnd, WindowState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const std::string line = FormatInputLine(msg, wParam, lParam, ctrl, shift);
    state.log.Write(line);
    // Mouse moves from the real pointer would make the status line flicker endlessly.
    if (msg == WM_MOUSEMOVE) {
        ++state.status.count;
        return;
    }
    InvalidateClickMark(hwnd, state.status.lastClick);
    state.status.Record(msg, wParam, lParam, line);
    InvalidateClickMark(hwnd, state.status.lastClick);
    RECT client;
    GetClientRect(hwnd, &client);
    client.top = client.bottom - kStatusHeight;
    InvalidateRect(hwnd, &client, FALSE);
}

void Paint(HWND hwnd, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    const WindowState* state = StateOf(hwnd);
    PaintPattern(dc, client, state ? state->status : TargetStatus{},
                 state ? state->pictures : PictureMode::Normal);
}

// WM_PRINT with the frame: the frame through DefWindowProc, the client area ourselves at
// its offset inside the window, as Windows lays the two out.
void Print(HWND hwnd, HDC dc, LPARAM flags) {
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return;
    POINT offset{0, 0};
    if (flags & PRF_NONCLIENT) {
        DefWindowProcW(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
        RECT window;
        GetWindowRect(hwnd, &window);
        ClientToScreen(hwnd, &offset);
        offset.x -= window.left;
        offset.y -= window.top;
    }
    if (flags & PRF_CLIENT) {
        POINT old;
        OffsetViewportOrgEx(dc, offset.x, offset.y, &old);
        Paint(hwnd, dc);
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
}

using DefaultProcedure = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

LRESULT Handle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DefaultProcedure defaultProcedure) {
    WindowState* state = StateOf(hwnd);
    if (state && IsLoggedMessage(msg)) OnInput(hwnd, *state, msg, wParam, lParam);
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PRINT:
        Print(hwnd, reinterpret_cast<HDC>(wParam), lParam);
        return 0;
    case WM_COMMAND:
        if (state && HIWORD(wParam) == 0) state->log.Write("event=command id=" + std::to_string(LOWORD(wParam)));
        return 0;
    case WM_NCDESTROY:
        if (state && state->quitOnDestroy) PostQuitMessage(0);
        delete state;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return defaultProcedure(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Handle(hwnd, msg, wParam, lParam, DefWindowProcW);
}

// An ANSI window: characters arrive in the system code page.
LRESULT CALLBACK AnsiWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Handle(hwnd, msg, wParam, lParam, DefWindowProcA);
}

bool RegisterAnsiTargetClass(HINSTANCE instance, const std::wstring& name) {
    WNDCLASSEXA wc{};
    const std::string ansiName(name.begin(), name.end());  // class names here are ASCII
    if (GetClassInfoExA(instance, ansiName.c_str(), &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = AnsiWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = ansiName.c_str();
    return RegisterClassExA(&wc) != 0;
}

bool RegisterTargetClass(HINSTANCE instance, const std::wstring& name, bool ansi) {
    if (ansi) return RegisterAnsiTargetClass(instance, name);
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance, name.c_str(), &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;  // no CS_DBLCLKS: two quick clicks log as two clicks
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = name.c_str();
    return RegisterClassExW(&wc) != 0;
}

HMENU BuildMenu() {
    HMENU popup = CreatePopupMenu();
    AppendMenuW(popup, MF_STRING, kMenuCommandFirst, L"运行脚本(&R)");
    AppendMenuW(popup, MF_STRING, kMenuCommandFirst + 1, L"停止运行(&T)");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"控制(&C)");
    return bar;
}

bool ParseInt(const wchar_t* text, int& value) {
    wchar_t* end = nullptr;
    const long v = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0') return false;
    value = static_cast<int>(v);
    return true;
}

bool ParsePictureMode(const std::wstring& text, PictureMode& mode) {
    if (text == L"normal") mode = PictureMode::Normal;
    else if (text == L"rotated") mode = PictureMode::Rotated;
    else if (text == L"blank") mode = PictureMode::Blank;
    else return false;
    return true;
}

bool ApplyOption(const std::wstring& name, const wchar_t* value, TargetOptions& o) {
    if (name == L"--title") o.title = value;
    else if (name == L"--pictures") return ParsePictureMode(value, o.pictures);
    else if (name == L"--class") o.className = value;
    else if (name == L"--log") o.logPath = value;
    else if (name == L"--x") return ParseInt(value, o.x);
    else if (name == L"--y") return ParseInt(value, o.y);
    else if (name == L"--width") return ParseInt(value, o.width) && o.width > 0;
    else if (name == L"--height") return ParseInt(value, o.height) && o.height > 0;
    else return false;
    return true;
}

}  // namespace

bool ParseOptions(int argc, wchar_t** argv, TargetOptions& options, std::wstring& error) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring name = argv[i];
        if (name == L"--menu" || name == L"--ansi") {
            (name == L"--menu" ? options.menu : options.ansi) = true;
            continue;
        }
        if (i + 1 >= argc || !ApplyOption(name, argv[i + 1], options)) {
            error = L"bad or incomplete option: " + name;
            return false;
        }
        ++i;
    }
    return true;
}

HWND CreateTargetWindow(HINSTANCE instance, const TargetOptions& o) {
    if (!RegisterTargetClass(instance, o.className, o.ansi)) return nullptr;
    auto state = std::make_unique<WindowState>();
    if (!state->log.Open(o.logPath)) return nullptr;
    state->quitOnDestroy = o.quitOnDestroy;
    state->pictures = o.pictures;
    const int x = o.x != INT_MIN ? o.x : (GetSystemMetrics(SM_CXSCREEN) - o.width) / 2;
    const int y = o.y != INT_MIN ? o.y : (GetSystemMetrics(SM_CYSCREEN) - o.height) / 2;
    HWND hwnd = CreateWindowExW(0, o.className.c_str(), o.title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y,
                                o.width, o.height, nullptr, o.menu ? BuildMenu() : nullptr, instance, nullptr);
    if (!hwnd) return nullptr;
    // Tracking limits may have bent the size on creation; insist on the requested one.
    SetWindowPos(hwnd, nullptr, x, y, o.width, o.height, SWP_NOZORDER | SWP_NOACTIVATE);
    WindowState* raw = state.release();
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(raw));
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    char ready[96];
    std::snprintf(ready, sizeof ready, "event=ready hwnd=0x%llx pid=%lu",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)), GetCurrentProcessId());
    raw->log.Write(ready);
    return hwnd;
}

}  // namespace practice
