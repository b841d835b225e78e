// Code page 936 through iconv, for the native build (tests and the command-line tool).
#include <iconv.h>

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

    // Converts, putting "?" for each input sequence that has no form in the target and
    // skipping `badInputBytes` bytes of it.
    std::string Convert(std::string_view input, std::size_t badInputBytes) {
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
            const std::size_t skip = std::min(inLeft, SequenceLength(in, badInputBytes));
            in += skip;
            inLeft -= skip;
        }
        return out;
    }

private:
    static std::size_t SequenceLength(const char* at, std::size_t fallback) {
        if (fallback != 0) return fallback;
        const auto b = static_cast<unsigned char>(*at);  // a UTF-8 lead byte
        return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    }
    iconv_t cd_;
};

class IconvCodePage936 final : public CodePage936 {
public:
    std::string Encode(std::string_view utf8) override { return toCp936_.Convert(utf8, 0); }
    std::string Decode(std::string_view cp936) override {
        return toUtf8_.Convert(cp936, 2);
    }

private:
    IconvConverter toCp936_{"CP936", "UTF-8"};
    IconvConverter toUtf8_{"UTF-8", "CP936"};
};

}  // namespace

std::unique_ptr<CodePage936> MakeCodePage936() { return std::make_unique<IconvCodePage936>(); }

}  // namespace tavo
