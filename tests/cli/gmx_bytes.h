#pragma once
// Script file images built byte by byte, independent of the code under test.
#include <cstdint>
#include <string>
#include <vector>

namespace tavo::cli::test {

// "中文" in code page 936 and in UTF-8.
inline const std::string kZhongWen936 = "\xD6\xD0\xCE\xC4";
inline const std::string kZhongWenUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";

inline std::string Padded(std::string bytes, std::size_t width) {
    bytes.resize(width, ' ');
    return bytes;
}

inline std::string HeaderBlock(const std::string& text) { return Padded(text, 142); }

// Text fields hold code-page-936 bytes, padded with spaces by RecordBlock.
struct RawRecord {
    std::string key;
    std::string parent;
    std::string text;
    std::string chars;
    std::int16_t x = 10;  // a click point, so that the Instruction is not empty
    std::int16_t y = 20;
    std::int16_t px = 0;
    std::int16_t py = 0;
    std::int16_t base = 0;
    std::int16_t pbase = 0;
    std::int16_t pause = 0;
    std::int16_t delay = 0;
    std::string yes;
    std::string no;
    std::string picture;
};

inline void PutLe16(std::string& out, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

inline std::string RecordBlock(const RawRecord& r) {
    std::string out;
    for (std::int16_t v : {r.x, r.y, r.px, r.py, r.base, r.pbase, r.pause, r.delay})
        PutLe16(out, v);
    out += Padded(r.yes, 5) + Padded(r.no, 5) + Padded(r.key, 5) + Padded(r.parent, 5);
    out += Padded(r.text, 20) + Padded(r.chars, 50) + Padded(r.picture, 36);
    return out;
}

inline std::string FileOf(const std::string& headerText, const std::vector<RawRecord>& records) {
    std::string file = HeaderBlock(headerText);
    for (const RawRecord& r : records) file += RecordBlock(r);
    return file;
}

// Top-level records L1..Ln.
inline std::vector<RawRecord> Numbered(int n) {
    std::vector<RawRecord> records;
    for (int i = 1; i <= n; ++i)
        records.push_back({.key = std::string("L").append(std::to_string(i))});
    return records;
}

}  // namespace tavo::cli::test
