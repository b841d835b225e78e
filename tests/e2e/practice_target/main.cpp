// A stable window for end-to-end tests and demos: a fixed drawing at documented client
// points, and a log of every input message it receives (docs/practice-target.md).
#include <windows.h>
#include <shellapi.h>

#include "practice_target/target_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    practice::TargetOptions options;
    std::wstring error;
    const bool parsed = argv && practice::ParseOptions(argc, argv, options, error);
    LocalFree(argv);
    if (!parsed) {
        MessageBoxW(nullptr, error.c_str(), L"practice_target", MB_ICONERROR);
        return 2;
    }
    if (!practice::CreateTargetWindow(instance, options)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
