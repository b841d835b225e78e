#pragma once
// The DLL's own module handle, for its window class and its hook.
#include <windows.h>

namespace tavo::skin {

HINSTANCE SkinModule();

}  // namespace tavo::skin
