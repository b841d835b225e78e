#pragma once
// The thread hook that sees the calling thread's windows being made and activated, so
// that windows made after the skin was attached (message boxes, file dialogs, menus)
// get it too.
#include <windows.h>

namespace tavo::skin {

struct CbtEvents {
    void (*created)(HWND window, LONG style);
    void (*activated)(HWND window);
};

bool InstallCbtHook(DWORD thread, CbtEvents events);
void RemoveCbtHook();

}  // namespace tavo::skin
