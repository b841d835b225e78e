// A skin file as the skin library reads it. It gives a theme within the documented
// limits or an error saying why, never both; the same file with CR LF line ends reads
// the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "skin/skin_file.h"

namespace tavo::fuzz {
namespace {

void ExpectWithinLimits(const skin::SkinTheme& theme) {
    FUZZ_EXPECT(!theme.name.empty() && theme.name.size() <= 64);
    FUZZ_EXPECT(theme.metrics.width >= 8 && theme.metrics.width <= 64);
    FUZZ_EXPECT(theme.metrics.height >= 8 && theme.metrics.height <= 64);
    FUZZ_EXPECT(theme.metrics.margin >= 0 && theme.metrics.margin <= 16);
    FUZZ_EXPECT(theme.metrics.spacing >= 0 && theme.metrics.spacing <= 16);
    FUZZ_EXPECT(theme.frameWidth >= 0 && theme.frameWidth <= 8);
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace
}  // namespace tavo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    const std::string_view text = fuzz::AsText(data, size);
    const skin::SkinParseResult result = skin::ParseSkinFile(text);
    FUZZ_EXPECT(result.theme.has_value() == result.error.empty());
    if (result.theme) fuzz::ExpectWithinLimits(*result.theme);

    const std::string crlf = fuzz::WithCrLf(text);
    if (crlf.size() > skin::kMaxSkinFileSize) return 0;
    const skin::SkinParseResult again = skin::ParseSkinFile(crlf);
    FUZZ_EXPECT(again.theme == result.theme);
    FUZZ_EXPECT(again.error == result.error);
    return 0;
}
