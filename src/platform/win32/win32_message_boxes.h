#pragma once
#include <windows.h>

#include "platform/message_boxes.h"

namespace tavo {

// Modal boxes owned by the main window (set once it exists), titled with the program name.
class Win32MessageBoxes final : public MessageBoxes {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    MessageAnswer Show(const std::string& text, MessageButtons buttons,
                       MessageIcon icon) override;
    void Beep() override { MessageBeep(MB_OK); }

private:
    HWND owner_ = nullptr;
};

}  // namespace tavo
