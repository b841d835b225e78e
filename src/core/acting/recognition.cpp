#include "core/acting/recognition.h"

#include <algorithm>
#include <cmath>

#include "core/util/text.h"

namespace tavo {

ClientPoint ToClientPoint(int x, int y, int code, int width, int height) {
    const int w1 = width + 1, h1 = height + 1;
    switch (code) {
        case kCentre: return {w1 / 2 + x, h1 / 2 + y};
        case kTopRight: return {w1 - x, y};
        case kBottomLeft: return {x, h1 - y};
        case kBottomRight: return {w1 - x, h1 - y};
        default: return {x, y};  // TopLeft and any unknown code
    }
}

std::int16_t StoredCoordinate(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

ClientPoint ToStoredPoint(ClientPoint p, int code, int width, int height) {
    const int w1 = width + 1, h1 = height + 1;
    switch (code) {
        case kCentre: return {p.x - w1 / 2, p.y - h1 / 2};
        case kTopRight: return {w1 - p.x, p.y};
        case kBottomLeft: return {p.x, h1 - p.y};
        case kBottomRight: return {w1 - p.x, h1 - p.y};
        default: return p;
    }
}

ClientPoint BlockOffset(int code) {
    switch (code) {
        case kTopRight: return {-6, 6};
        case kBottomLeft: return {6, -6};
        case kBottomRight: return {-6, -6};
        default: return {6, 6};
    }
}

int Brightness(std::int64_t colour) {
    if (colour == -1) return 0;
    const auto c = static_cast<std::uint32_t>(colour);
    const double r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return static_cast<int>(std::nearbyint(0.59 * g + 0.30 * r + 0.11 * b));
}

std::string Fingerprint(const Picture& block) {
    int samples[kFingerprintLength];
    int n = 0, max = 0, min = 255;
    for (int x = 0; x <= block.width - 2; x += 2)
        for (int y = 0; y <= block.height - 2 && n < kFingerprintLength; y += 2) {
            const int b = Brightness(block.At(x, y));
            samples[n++] = b;
            if (b > max) max = b;
            if (b < min) min = b;
        }
    if (min == 255 || max == 0) return {};
    const int threshold = static_cast<int>(std::nearbyint((max - min) * 3 / 5.0 + min));
    std::string fp;
    for (int i = 0; i < n; ++i) fp += samples[i] < threshold ? '0' : '1';
    const auto zeros = std::count(fp.begin(), fp.end(), '0');
    const auto ones = static_cast<std::ptrdiff_t>(fp.size()) - zeros;
    if (zeros < 3 || ones < 3) return {};
    return fp;
}

int AgreeingPositions(std::string_view fingerprint, std::string_view stored) {
    int agree = 0;
    for (std::size_t p = 0; p < fingerprint.size() && p < stored.size(); ++p)
        if (fingerprint[p] == stored[p]) ++agree;
    return agree;
}

int AgreementPercent(std::string_view fingerprint, std::string_view stored) {
    if (fingerprint.empty()) return 0;
    return AgreeingPositions(fingerprint, stored) * 100 / static_cast<int>(fingerprint.size());
}

bool FingerprintMatches(std::string_view fingerprint, std::string_view stored) {
    if (TrimSpaces(fingerprint).empty() || TrimSpaces(stored).empty()) return false;
    return AgreementPercent(fingerprint, stored) > kMatchPercent;
}

bool PictureMatches(const Picture& block, std::string_view stored) {
    return FingerprintMatches(Fingerprint(block), stored);
}

Picture CutRegion(const Picture& whole, ClientRect region) {
    Picture block(region.width, region.height);
    for (int dy = 0; dy < region.height; ++dy)
        for (int dx = 0; dx < region.width; ++dx) {
            const std::int64_t pixel = whole.At(region.x + dx, region.y + dy);
            if (pixel >= 0) block.Set(dx, dy, static_cast<std::uint32_t>(pixel));
        }
    return block;
}

Picture CutBlock(const Picture& surface, int x, int y, int width, int height, int code) {
    const ClientPoint at = ToClientPoint(x, y, code, surface.width, surface.height);
    return CutRegion(surface, {at.x, at.y, width, height});
}

}  // namespace tavo
