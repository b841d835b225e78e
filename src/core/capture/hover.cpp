#include "core/capture/hover.h"

#include "core/util/text.h"

namespace tavo {

bool PointerLeftFrame(int left, int top, int width, int height, int x, int y) {
    return x < left || x > left + width || y < top || y > top + height;
}

bool PointerLeftBanner(int windowWidth, int bannerTop, int bannerHeight, int x, int y) {
    return x < 0 || x > windowWidth || y < bannerTop || y > bannerTop + bannerHeight;
}

std::string ScrollBanner(std::string_view text) {
    const std::string first = FirstChars(text, 1);
    std::string scrolled(text.substr(first.size()));
    return scrolled.append(first);
}

}  // namespace tavo
