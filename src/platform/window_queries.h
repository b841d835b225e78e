#pragma once
// Questions the core asks about other programs' windows. Text comes back as UTF-8.
#include <cstdint>
#include <string>

namespace tavo {

using WindowHandle = std::uintptr_t;  // 0 = no window

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenSize {
    int width = 0, height = 0;  // physical pixels
};

class WindowQueries {
public:
    virtual ~WindowQueries() = default;
    virtual bool Exists(WindowHandle window) = 0;
    virtual WindowHandle WindowFromPoint(int x, int y) = 0;
    // The desktop's icon list (never a target); 0 when there is none.
    virtual WindowHandle DesktopIconList() = 0;
    // The desktop (root) window itself; where no shell covers it, it lies under the probes.
    virtual WindowHandle DesktopWindow() = 0;
    virtual ScreenRect WindowRect(WindowHandle window) = 0;
    virtual std::string ClassName(WindowHandle window) = 0;
    virtual WindowHandle Parent(WindowHandle window) = 0;
    virtual std::string WindowText(WindowHandle window) = 0;
    virtual ScreenSize PrimaryScreenSize() = 0;
    // Whether the window belongs to this program (such a window is never a target).
    virtual bool IsOwnWindow(WindowHandle window) = 0;
    // A screen point in the window's client coordinates (physical pixels).
    virtual ScreenPoint ScreenToClient(WindowHandle window, ScreenPoint point) = 0;
    // Moves the real pointer (a pick takes it out of the picture and puts it back).
    virtual void MovePointer(ScreenPoint point) = 0;
};

}  // namespace tavo
