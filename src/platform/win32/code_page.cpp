#include "platform/win32/code_page.h"

#include <windows.h>

#include <climits>

#include "platform/code_page.h"

namespace tavo {
namespace {

constexpr UINT kCodePage936 = 936;

int ClampedLength(std::size_t size) {
    return size > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = ClampedLength(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

// `flags` 0 for UTF-8, which takes no other.
std::string FromWide(UINT codePage, std::wstring_view wide, DWORD flags = 0) {
    if (wide.empty()) return {};
    const int length = ClampedLength(wide.size());
    const int needed =
        WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

class Win32CodePage936 final : public CodePage936 {
public:
    // No best fit ("²" as "2"): a character without a form of its own is "?", as in iconv.
    std::string Encode(std::string_view utf8) override {
        return FromWide(kCodePage936, ToWide(CP_UTF8, utf8), WC_NO_BEST_FIT_CHARS);
    }

private:
    std::optional<char32_t> DoubleByteChar(unsigned char lead, unsigned char trail) override {
        const char unit[] = {static_cast<char>(lead), static_cast<char>(trail)};
        wchar_t wide[2];
        // Without MB_ERR_INVALID_CHARS a unit missing from the table would come back as a
        // substitute character instead of failing.
        const int n = MultiByteToWideChar(kCodePage936, MB_ERR_INVALID_CHARS, unit, 2, wide, 2);
        if (n != 1) return std::nullopt;  // none, or more than one
        return static_cast<char32_t>(wide[0]);
    }
};

class Win32SystemCodePage final : public SystemCodePage {
public:
    std::string Encode(std::string_view utf8) override {
        return FromWide(CP_ACP, ToWide(CP_UTF8, utf8), WC_NO_BEST_FIT_CHARS);
    }
};

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string WideToUtf8(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::unique_ptr<SystemCodePage> MakeSystemCodePage() {
    return std::make_unique<Win32SystemCodePage>();
}

std::unique_ptr<CodePage936> MakeCodePage936() { return std::make_unique<Win32CodePage936>(); }

}  // namespace tavo
