#pragma once
// Copies of a target window's client-area drawing, as 0x00BBGGRR pixels.
#include <cstdint>
#include <vector>

#include "platform/window_queries.h"

namespace tavo {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row by row, 0x00BBGGRR

    Picture() = default;
    Picture(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // -1 outside the picture, as a pixel read outside a drawing surface.
    std::int64_t At(int x, int y) const {
        if (!Contains(x, y)) return -1;
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
    void Set(int x, int y, std::uint32_t colour) {
        if (Contains(x, y))
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                colour;
    }
    bool operator==(const Picture&) const = default;
};

struct ClientSize {
    int width = 0;
    int height = 0;
};

// A rectangle in client coordinates; it may reach outside the client area.
struct ClientRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    virtual ClientSize ClientArea(WindowHandle window) = 0;
    // The window draws its client area into a surface of that size (even when covered),
    // then is asked to repaint. Empty for an empty client area.
    virtual Picture PrintClient(WindowHandle window) = 0;
    // The client area as it shows on the screen: covered parts are what covers them.
    virtual Picture CopyClientFromScreen(WindowHandle window) = 0;
    // Only `region` of what the two above give, at the cost of the region, not of the
    // window: pixels outside the client area are black, and so is the whole region of an
    // empty client area. The print asks for a repaint as PrintClient does.
    virtual Picture PrintClientRegion(WindowHandle window, ClientRect region) = 0;
    virtual Picture CopyClientRegionFromScreen(WindowHandle window, ClientRect region) = 0;
};

}  // namespace tavo
