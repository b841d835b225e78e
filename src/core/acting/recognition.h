#pragma once
// Window-relative points, the 12 × 12 picture block and its 36-character fingerprint.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/window_capture.h"

namespace tavo {

enum Orientation : int { kCentre = 0, kTopLeft = 1, kTopRight = 2, kBottomLeft = 3, kBottomRight = 4 };
inline constexpr int kBlockSide = 12;
inline constexpr int kFingerprintLength = 36;
inline constexpr int kMatchPercent = 90;  // more than this many percent must agree

struct ClientPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ClientPoint&) const = default;
};

// A stored point under an orientation, as a client point of a W × H client area, and its
// inverse, the point a pick stores. Both measure from W + 1 and H + 1, so they undo
// each other exactly.
ClientPoint ToClientPoint(int x, int y, int code, int width, int height);
ClientPoint ToStoredPoint(ClientPoint client, int code, int width, int height);
// A stored coordinate in its 16-bit field, clamped.
std::int16_t StoredCoordinate(int v);

// The block offsets by orientation: the recognition point is the centre of the block.
ClientPoint BlockOffset(int code);

// 0.59 G + 0.30 R + 0.11 B, to the nearest integer (halves to even); 0 for -1.
int Brightness(std::int64_t colour);

// Empty when the block has too little contrast.
std::string Fingerprint(const Picture& block);

// Positions at which a fingerprint and a stored one agree (beyond the stored text: none).
int AgreeingPositions(std::string_view fingerprint, std::string_view stored);
// floor(agreeing / length × 100); 0 for an empty fingerprint.
int AgreementPercent(std::string_view fingerprint, std::string_view stored);

bool FingerprintMatches(std::string_view fingerprint, std::string_view stored);
bool PictureMatches(const Picture& block, std::string_view stored);

// The region of a picture of the client area; pixels outside the picture read as black.
Picture CutRegion(const Picture& whole, ClientRect region);

// The width × height block whose reference point, under `code`, is (x, y) in the client
// area of `surface`; pixels outside the surface read as black.
Picture CutBlock(const Picture& surface, int x, int y, int width, int height, int code);

}  // namespace tavo
