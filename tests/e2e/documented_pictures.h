#pragma once
// The practice target's pictures as docs/practice-target.md documents them, kept here
// independently of the target's own table, and turned into recognition's fingerprints
// with the core's functions.
#include <windows.h>

#include <string>

#include "core/acting/recognition.h"

namespace e2e {

struct DocumentedGrid {
    POINT centre;
    const char* rows[6];  // '#' black cell, '.' white cell, 2 × 2 pixels each
    const char* fingerprint;
};

inline constexpr DocumentedGrid kGrids[] = {
    {{100, 100}, {"#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#", "#.#.#.", ".#.#.#"}, "010101101010010101101010010101101010"},
    {{200, 150}, {"######", "#....#", "#....#", "#....#", "#....#", "######"}, "000000011110011110011110011110000000"},
    {{300, 200}, {"..##..", "..##..", "######", "######", "..##..", "..##.."}, "110011110011000000000000110011110011"},
    {{400, 250}, {"###...", "###...", "###...", "###...", "###...", "###..."}, "000000000000000000111111111111111111"},
    {{500, 300}, {"#.....", ".#....", "..#...", "...#..", "....#.", ".....#"}, "011111101111110111111011111101111110"},
};

// The 12 × 12 block a picture is drawn as.
inline tavo::Picture GridPicture(const DocumentedGrid& grid) {
    tavo::Picture block(tavo::kBlockSide, tavo::kBlockSide);
    for (int y = 0; y < tavo::kBlockSide; ++y) {
        for (int x = 0; x < tavo::kBlockSide; ++x) {
            const bool black = grid.rows[y / 2][x / 2] == '#';
            block.Set(x, y, black ? 0x000000u : 0xFFFFFFu);
        }
    }
    return block;
}

inline std::string GridFingerprint(const DocumentedGrid& grid) { return tavo::Fingerprint(GridPicture(grid)); }

// The block recognition takes around a client point of a captured client area.
inline std::string FingerprintAt(const tavo::Picture& client, POINT centre) {
    return tavo::Fingerprint(tavo::CutBlock(client, centre.x - 6, centre.y - 6, tavo::kBlockSide,
                                            tavo::kBlockSide, tavo::kTopLeft));
}

}  // namespace e2e
