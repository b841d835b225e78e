#pragma once
// The skin host's view of the program: its executable found through the process of the
// host's window, its "CUSTOM" resources, and how many of its windows are open.
#include <windows.h>

#include "platform/skin_library.h"

namespace tavo {

class Win32SkinSystem : public SkinHostSystem {
public:
    void SetWindow(HWND window) { window_ = window; }

    std::optional<std::string> ExecutableName() override;
    std::optional<std::string> Resource(const std::string& name) override;
    std::optional<std::string> Resource(int number) override;
    int OpenWindowCount() override;

private:
    HWND window_ = nullptr;
};

}  // namespace tavo
