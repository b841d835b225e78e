#pragma once
// Form1, the main window: owns the controller with its platform services, creates the
// controls, forwards timer, menu and toolbar events to the controller and renders the
// view-model after each of them.
#include <windows.h>

#include "app/dpi_resources.h"
#include "app/form1_controls.h"
#include "app/inert_executor.h"
#include "app/main_view.h"
#include "core/controller/main_controller.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_window_queries.h"

namespace tavo {

class Form1 {
public:
    explicit Form1(HINSTANCE instance);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window at the top-left of the work area; false on failure.
    bool Create();
    void Show(int showCommand);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    void OnCommand(int id);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor(HWND under, UINT hitTest);
    void Render();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    Form1Controls controls_;
    DpiResources resources_;
    MainView view_;

    Win32WindowQueries windows_;
    Win32Clock clock_;
    Win32EventPump pump_;
    Win32MessageBoxes messages_;
    InertExecutor executor_;
    MainController controller_;
};

}  // namespace tavo
