#include "platform/win32/win32_file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <array>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr DWORD kNameCapacity = 255;
constexpr std::size_t kTitleSpaces = 254;

// "|" never occurs inside a UTF-8 sequence, but can be the second byte of a
// double-byte character, so the separators are replaced before the conversion.
std::string AnsiFilter(std::string filter) {
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return Utf8ToAnsi(filter) + std::string(2, '\0');
}

// The longest whole-character prefix of an ANSI text that fits `capacity` bytes.
std::string CutAnsi(const std::string& ansi, std::size_t capacity) {
    std::size_t end = 0;
    while (end < ansi.size()) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(ansi[end])) != 0;
        const std::size_t next = end + (lead ? 2 : 1);
        if (next > capacity || next > ansi.size()) break;
        end = next;
    }
    return ansi.substr(0, end);
}

std::string WithoutLeadingDot(const std::string& extension) {
    return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

}  // namespace

std::optional<std::string> Win32FileDialogs::Show(const FileDialogRequest& request) {
    // One byte beyond each maximum, so a full buffer still ends in NUL.
    std::array<char, kNameCapacity + 1> file{};
    const std::string name = CutAnsi(Utf8ToAnsi(request.defaultName), kNameCapacity - 1);
    std::copy(name.begin(), name.end(), file.begin());
    std::array<char, kNameCapacity + 1> fileTitle{};
    std::fill_n(fileTitle.begin(), kTitleSpaces, ' ');

    const std::string filter = AnsiFilter(request.filter);
    const std::string initialDir = Utf8ToAnsi(request.initialDir);
    const std::string title = Utf8ToAnsi(request.title);
    const std::string defaultExt = Utf8ToAnsi(WithoutLeadingDot(request.defaultExt));

    OPENFILENAMEA ofn{};
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

    const BOOL chosen = request.isSave ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen) return std::nullopt;
    return AnsiToUtf8(std::string(file.data()));
}

}  // namespace tavo
