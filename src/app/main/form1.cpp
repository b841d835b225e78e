#include "app/main/form1.h"

#include <utility>

#include "app/shared/control_ids.h"
#include "app/main/form1_layout.h"
#include "app/shared/guarded.h"
#include "app/main/main_menu.h"
#include "app/main/toolbar1.h"
#include "app/shared/window_class.h"
#include "core/version.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr UINT kTimer1Interval = 1000;
constexpr UINT kRunDeferredMessage = WM_APP + 1;
constexpr UINT kRecordedInputMessage = WM_APP + 2;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

ProductInfo Product() {
    return {TAVO_PRODUCT_NAME, TAVO_VERSION_MAJOR, TAVO_VERSION_MINOR, TAVO_VERSION_PATCH};
}

// The executable's folder (with its final "\") and its name without extension.
AppEnvironment Environment() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    const std::wstring folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    return {WideToUtf8(folder), WideToUtf8(name)};
}

}  // namespace

Form1::Form1(HINSTANCE instance, std::optional<std::string> scriptArgument, RunTrace* trace)
    : instance_(instance),
      scriptArgument_(std::move(scriptArgument)),
      rooms_(services_.Core(trace), Product(), Environment()) {
    services_.pump.SetBeforePumping([this] { Render(); });
}

bool Form1::Create() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // Shared: loaded once from our own resources at the standard sizes, never destroyed.
    const auto icon = [&](int width, int height) {
        return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_TAVO), IMAGE_ICON,
                                             GetSystemMetrics(width), GetSystemMetrics(height),
                                             LR_SHARED));
    };
    wc.hIcon = icon(SM_CXICON, SM_CYICON);
    wc.hIconSm = icon(SM_CXSMICON, SM_CYSMICON);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = TAVO_MAIN_WINDOW_CLASS;
    if (!RegisterClassExW(&wc)) return false;

    HMENU menu = CreateMainMenu();
    const POINT origin = WorkAreaOrigin();
    CreateWindowExW(0, TAVO_MAIN_WINDOW_CLASS, TAVO_MAIN_WINDOW_TITLE, kStyle, origin.x, origin.y,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu, instance_, this);
    if (window_) return true;
    if (IsMenu(menu)) DestroyMenu(menu);  // not yet handed to a window that then failed
    return false;
}

void Form1::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

void Form1::Defer(std::function<void()> action) {
    deferred_.push_back(std::move(action));
    if (deferred_.size() == 1) PostMessageW(window_, kRunDeferredMessage, 0, 0);
}

void Form1::RunDeferred() {
    std::vector<std::function<void()>> actions;
    actions.swap(deferred_);
    for (auto& action : actions) action();
    Render();
}

LRESULT CALLBACK Form1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Form1*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    const auto result = Guarded("main window handler", [&] { return self->Handle(message, wParam, lParam); });
    if (result) return *result;
    return message == WM_CREATE ? -1 : DefWindowProcW(window, message, wParam, lParam);
}

bool Form1::CreateEditorControls() {
    if (!treeInput_.Attach(controls_.infoTree) || !splitBar_.Attach(controls_.pict2) ||
        !tooltips_.Create(window_, instance_) ||
        !editorEvents_.CreateMagnifier(instance_, resources_.Font()))
        return false;
    tooltips_.SetFont(resources_.Font());
    tooltips_.Add(controls_.labKey, "显示下一个新增指令的父指令");
    tooltips_.Add(controls_.root, "设置父指令为\"Root\"");
    return true;
}

bool Form1::OnTimer(WPARAM timer) {
    if (timer == IDT_ACTIONTIMER) {
        // Ctrl+F3 chooses 录制 as its menu item does.
        if (hotKey_.RunPendingAction() == WindowEffect::ToggleRecording)
            OnCommand(IDM_CTRL_RECORD);
        return true;
    }
    if (timer != IDT_TIMER1) return false;
    const bool closeDue = core_.RunTick();
    Render();
    // Asked for during the tick: the question and the close come now, after the step.
    if (closeDue) PostMessageW(window_, WM_CLOSE, 0, 0);
    return true;
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate() ? 0 : -1;
        case WM_TIMER:
            if (!OnTimer(wParam)) break;
            return 0;
        case kRunDeferredMessage: RunDeferred(); return 0;
        case kRecordedInputMessage:
            recording_.Delivered();
            core_.ApplyRecording();
            Render();
            return 0;
        case WM_COMMAND:
            // The settings panel's frame passes on its controls' messages and its Resize.
            if (fram_.OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam))) return 0;
            if (LOWORD(wParam) == IDC_ROOT && HIWORD(wParam) == BN_CLICKED)
                editorEvents_.InsertAtTopLevelClicked();
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.hwndFrom != controls_.infoTree) break;
            if (header.code == NM_CUSTOMDRAW)
                return view_.Tree().CustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(lParam));
            if (const auto result = editorEvents_.OnTreeNotify(header)) return *result;
            break;
        }
        case WM_VSCROLL:
            if (fram_.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam))) return 0;
            break;
        case WM_DRAWITEM:
            if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            if (OnClose()) DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            hotKey_.Remove();
            recording_.Remove();
            skin_.Destroyed();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            const HWND window = std::exchange(window_, nullptr);
            view_.Detach();
            pimage_.Detach();
            services_.capture.SetReferenceWindow(nullptr);
            services_.messages.SetOwner(nullptr);
            services_.dialogs.SetOwner(nullptr, nullptr);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool Form1::OnCreate() {
    // Before the controls: their tooltip windows must not exist yet (hot_key_hook.h).
    hotKey_.Install(window_);
    if (!CreateForm1Controls(window_, instance_, fram_, pict_, keyBoard_, controls_)) return false;
    const UINT dpi = GetDpiForWindow(window_);
    resources_.Apply(controls_, dpi);
    fram_.SetFont(resources_.Font());
    pict_.ApplyDpi(dpi, resources_.Font());
    LayOutControls(controls_, core_.View().split, dpi);
    SizeMainWindow(window_, dpi, WorkAreaOrigin());
    services_.messages.SetOwner(window_);
    services_.dialogs.SetOwner(window_, instance_);
    view_.Attach(window_, controls_, fram_, pict_);
    if (!CreateEditorControls()) return false;
    pimage_.Attach(controls_.pimage);
    services_.capture.SetReferenceWindow(window_);
    // The skin before anything can ask a question: its message boxes wear it too.
    skinSystem_.SetWindow(window_);
    skin_.Load(MainWindowSkin());
    core_.Startup(scriptArgument_);
    Render();
    return SetTimer(window_, IDT_TIMER1, kTimer1Interval, nullptr) != 0;
}

void Form1::OnCommand(int id) {
    // A toolbar button chooses its menu item's command.
    const std::optional<Command> command = ToolbarCommand(id) ? ToolbarCommand(id) : MenuCommand(id);
    if (!command) return;
    core_.Choose(*command);
    Render();
}

void Form1::OnDpiChanged(UINT dpi, const RECT& suggested) {
    resources_.Apply(controls_, dpi);
    fram_.SetFont(resources_.Font());
    pict_.ApplyDpi(dpi, resources_.Font());
    LayOutControls(controls_, core_.View().split, dpi);
    SizeMainWindow(window_, dpi, POINT{suggested.left, suggested.top});
}

LRESULT Form1::OnControlColour(HDC dc, HWND control) {
    COLORREF colour = 0;
    if (control == controls_.pict2) {
        colour = kPict2Colour;
    } else if (control == controls_.journal && IsWindowEnabled(control)) {
        colour = GetSysColor(COLOR_WINDOW);  // a read-only log still reads as a text box
    } else {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    return SolidControlColour(dc, colour);
}

bool Form1::OnSetCursor(HWND under, UINT hitTest) {
    if (under != controls_.pict2 || hitTest != HTCLIENT) return false;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
}

// False keeps the window: the user chose to go on with unsaved changes.
bool Form1::OnClose() {
    const bool close = core_.Closing();
    if (close) {
        KillTimer(window_, IDT_TIMER1);
    } else {
        Render();
    }
    return close;
}

bool Form1::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.hwndItem != controls_.pimage || !item.hwndItem) return false;
    PimageView::Draw(item, services_.pimage.Block());
    return true;
}

void Form1::FramTextChanged(SettingsBox box, const std::string& text) {
    core_.Handle(SettingsBoxEdited{box, text});
    Render();
}

void Form1::FramKeywordKeyReleased() {
    core_.Handle(KeywordKeyReleased{});
    Render();
}

void Form1::WindowCountScrolled(int value) {
    core_.Handle(tavo::WindowCountScrolled{value});
    Render();
}

void Form1::FlashWindowsChosen() {
    core_.Handle(tavo::FlashWindowsChosen{});
    Render();
}

void Form1::OtherWindowsChosen() {
    core_.Handle(tavo::OtherWindowsChosen{});
    Render();
}

void Form1::Render() {
    // A control that calls back while the view is being rendered asks for another.
    constexpr int kMaxRenderings = 4;
    for (int i = 0; i < kMaxRenderings; ++i) {
        view_.Render(core_.View());
        if (!view_.TakeRefused()) break;
    }
    pimage_.Update(services_.pimage.Serial());
    recording_.Follow(core_.Recording(), window_, kRecordedInputMessage);
}

}  // namespace tavo
