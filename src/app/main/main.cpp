// Entry point of tavo.exe.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "app/main/command_line.h"
#include "app/main/file_trace.h"
#include "app/main/form1.h"
#include "platform/win32/code_page.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const tavo::CommandLine line = tavo::ParseCommandLine(GetCommandLineW());
    std::unique_ptr<tavo::FileTrace> trace;
    if (line.trace) {
        trace = std::make_unique<tavo::FileTrace>(*line.trace);
        if (!trace->Open()) {
            const std::wstring text = L"无法打开跟踪文件，本次运行不记录跟踪:\n" + tavo::Utf8ToWide(*line.trace);
            MessageBoxW(nullptr, text.c_str(), L"Tavo", MB_OK | MB_ICONEXCLAMATION);
            trace.reset();
        }
    }
    tavo::Form1 form(instance, line.script, trace.get());
    if (!form.Create()) return 1;
    form.Show(showCommand);

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (form.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
