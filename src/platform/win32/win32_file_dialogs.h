#pragma once
#include <windows.h>

#include "platform/file_dialogs.h"

namespace tavo {

// The narrow common Open and Save dialogs, owned by the main window (set once it exists).
// Texts go to the dialog in the ANSI code page and the chosen path comes back as UTF-8.
class Win32FileDialogs final : public FileDialogs {
public:
    void SetOwner(HWND owner, HINSTANCE instance) {
        owner_ = owner;
        instance_ = instance;
    }
    std::optional<std::string> Show(const FileDialogRequest& request) override;

private:
    HWND owner_ = nullptr;
    HINSTANCE instance_ = nullptr;
};

}  // namespace tavo
