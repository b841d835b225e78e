#pragma once
#include "platform/window_queries.h"

namespace tavo {

// Other programs' windows through the narrow Win32 calls; their text is converted from
// the system code page to UTF-8.
class Win32WindowQueries final : public WindowQueries {
public:
    bool Exists(WindowHandle window) override;
    WindowHandle WindowFromPoint(int x, int y) override;
    WindowHandle DesktopIconList() override;
    WindowHandle DesktopWindow() override;
    ScreenRect WindowRect(WindowHandle window) override;
    std::string ClassName(WindowHandle window) override;
    WindowHandle Parent(WindowHandle window) override;
    std::string WindowText(WindowHandle window) override;
    ScreenSize PrimaryScreenSize() override;
    bool IsOwnWindow(WindowHandle window) override;
    ScreenPoint ScreenToClient(WindowHandle window, ScreenPoint point) override;
    void MovePointer(ScreenPoint point) override;
};

}  // namespace tavo
