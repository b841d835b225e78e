#pragma once
#include <optional>
#include <string>

namespace tavo {

struct FileDialogRequest {
    bool isSave = false;
    std::string title;
    std::string filter;  // pairs separated by "|": "text|pattern"
    std::string defaultName;
    std::string defaultExt;
    std::string initialDir;
    bool operator==(const FileDialogRequest&) const = default;
};

// The common Open and Save dialogs, modal to the main window.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path; empty when the user cancelled or the dialog failed.
    virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

}  // namespace tavo
