#pragma once
// What every harness shares: the failed-assertion report libFuzzer saves an input for,
// one code page for the whole run, and the UTF-8 test the core's text may assume.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/code_page.h"

namespace tavo::fuzz {

// abort(), not an exception: libFuzzer keeps the input and stops on a deadly signal.
[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: broken: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_EXPECT(condition) \
    ((condition) ? (void)0 : ::tavo::fuzz::Fail(#condition, __FILE__, __LINE__))

// Made once: iconv_open per input would cost more than most harnesses' work.
inline CodePage936& CodePage() {
    static const auto codePage = MakeCodePage936();
    return *codePage;
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Well-formed UTF-8 (no overlong form, surrogate or code point beyond U+10FFFF): all the
// core's own text is, since it comes from the code page or from the window's wide text.
inline bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t c = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            c = b & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = c << 6 | (next & 0x3F);
        }
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

}  // namespace tavo::fuzz
