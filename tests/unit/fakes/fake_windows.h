#pragma once
// A scripted desktop: windows with rectangles, classes, parents and titles, and which
// window lies under which screen point. Records the probe points asked for.
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/window_queries.h"

namespace tavo::testing {

struct FakeWindow {
    ScreenRect rect;
    std::string className = "MozillaWindowClass";
    WindowHandle parent = 0;
    std::string text;
    bool own = false;
};

class FakeWindows : public WindowQueries {
public:
    ScreenSize screen{1920, 1080};
    std::map<WindowHandle, FakeWindow> windows;
    WindowHandle desktopList = 0;
    WindowHandle desktopWindow = 0;
    std::vector<std::pair<int, int>> probes;

    // Adds a top-level window covering [left, left + width) × [top, top + height).
    WindowHandle Add(WindowHandle h, int left, int top, int width, int height,
                     std::string className = "MozillaWindowClass", std::string text = "") {
        windows[h] = FakeWindow{{left, top, left + width, top + height}, std::move(className), 0,
                                std::move(text), false};
        stacking.insert(stacking.begin(), h);  // newest on top
        return h;
    }
    void Close(WindowHandle h) {
        windows.erase(h);
        std::erase(stacking, h);
    }

    bool Exists(WindowHandle w) override { return windows.count(w) != 0; }
    WindowHandle WindowFromPoint(int x, int y) override {
        probes.emplace_back(x, y);
        for (WindowHandle h : stacking) {
            const ScreenRect& r = windows.at(h).rect;
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return h;
        }
        return 0;
    }
    WindowHandle DesktopIconList() override { return desktopList; }
    WindowHandle DesktopWindow() override { return desktopWindow; }
    ScreenRect WindowRect(WindowHandle w) override { return Find(w).rect; }
    std::string ClassName(WindowHandle w) override { return Find(w).className; }
    WindowHandle Parent(WindowHandle w) override { return Find(w).parent; }
    std::string WindowText(WindowHandle w) override { return Find(w).text; }
    ScreenSize PrimaryScreenSize() override { return screen; }
    bool IsOwnWindow(WindowHandle w) override { return Find(w).own; }
    ScreenPoint ScreenToClient(WindowHandle w, ScreenPoint p) override {
        const ScreenRect r = Find(w).rect;  // the client area is the whole window here
        return {p.x - r.left, p.y - r.top};
    }
    void MovePointer(ScreenPoint p) override { pointerMoves.push_back(p); }

    std::vector<ScreenPoint> pointerMoves;

    std::vector<WindowHandle> stacking;

private:
    FakeWindow Find(WindowHandle w) const {
        const auto it = windows.find(w);
        return it == windows.end() ? FakeWindow{} : it->second;
    }
};

}  // namespace tavo::testing
