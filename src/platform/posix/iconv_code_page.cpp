// Code page 936 through iconv, for the native build (tests and the command-line tool).
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/code_page.h"

namespace tavo {
namespace {

class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~IconvConverter() { iconv_close(cd_); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts UTF-8, putting "?" for each character that has no form in the target.
    std::string Convert(std::string_view input) {
        std::string out;
        char buffer[256];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* o = buffer;
            std::size_t oLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
            out.append(buffer, static_cast<std::size_t>(o - buffer));
            if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ or EINVAL: an unconvertible or incomplete sequence.
            out += '?';
            const std::size_t skip = std::min(inLeft, Utf8SequenceLength(*in));
            in += skip;
            inLeft -= skip;
        }
        return out;
    }

    // All of `input` converted, or nothing when any of it does not convert.
    std::optional<std::string> ConvertStrictly(std::string_view input) {
        char buffer[16];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* o = buffer;
        std::size_t oLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
        if (r == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
        return std::string(buffer, static_cast<std::size_t>(o - buffer));
    }

private:
    static std::size_t Utf8SequenceLength(char lead) {
        const auto b = static_cast<unsigned char>(lead);
        return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    }
    iconv_t cd_;
};

class IconvCodePage936 final : public CodePage936 {
public:
    std::string Encode(std::string_view utf8) override { return toCp936_.Convert(utf8); }

private:
    std::optional<char32_t> DoubleByteChar(unsigned char lead, unsigned char trail) override {
        const char unit[] = {static_cast<char>(lead), static_cast<char>(trail)};
        const std::optional<std::string> utf32 = toUtf32_.ConvertStrictly({unit, 2});
        if (!utf32 || utf32->size() != 4) return std::nullopt;  // none, or more than one
        char32_t c = 0;
        for (int i = 3; i >= 0; --i) c = (c << 8) | static_cast<unsigned char>((*utf32)[i]);
        return c;
    }

    IconvConverter toCp936_{"CP936", "UTF-8"};
    IconvConverter toUtf32_{"UTF-32LE", "CP936"};
};

}  // namespace

std::unique_ptr<CodePage936> MakeCodePage936() { return std::make_unique<IconvCodePage936>(); }

}  // namespace tavo
