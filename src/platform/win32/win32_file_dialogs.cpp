#include "platform/win32/win32_file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr DWORD kNameCapacity = 255;
constexpr std::size_t kTitleSpaces = 254;

// Separators are replaced after the conversion: in UTF-16 a "|" is always itself.
std::wstring WideFilter(const std::string& filter) {
    std::wstring wide = Utf8ToWide(filter);
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    return wide + std::wstring(2, L'\0');
}

// The longest prefix of whole characters that fits `capacity` UTF-16 units.
std::wstring CutWide(const std::wstring& wide, std::size_t capacity) {
    if (wide.size() <= capacity) return wide;
    std::size_t end = capacity;
    if (end > 0 && wide[end - 1] >= 0xD800 && wide[end - 1] <= 0xDBFF) --end;  // half a pair
    return wide.substr(0, end);
}

std::string WithoutLeadingDot(const std::string& extension) {
    return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

}  // namespace

// The wide dialog: a path the system's code page cannot spell is still chosen as it is.
std::optional<std::string> Win32FileDialogs::Show(const FileDialogRequest& request) {
    // One unit beyond each maximum, so a full buffer still ends in NUL.
    std::array<wchar_t, kNameCapacity + 1> file{};
    const std::wstring name = CutWide(Utf8ToWide(request.defaultName), kNameCapacity - 1);
    std::copy(name.begin(), name.end(), file.begin());
    std::array<wchar_t, kNameCapacity + 1> fileTitle{};
    std::fill_n(fileTitle.begin(), kTitleSpaces, L' ');

    const std::wstring filter = WideFilter(request.filter);
    const std::wstring initialDir = Utf8ToWide(request.initialDir);
    const std::wstring title = Utf8ToWide(request.title);
    const std::wstring defaultExt = Utf8ToWide(WithoutLeadingDot(request.defaultExt));

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner_;
    ofn.hInstance = instance_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kNameCapacity;
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = kNameCapacity;
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER;
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();

    const BOOL chosen = request.isSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return WideToUtf8(std::wstring(file.data()));
}

}  // namespace tavo
