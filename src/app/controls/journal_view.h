#pragma once
// Journal: the run log's read-only edit box, showing the view-model's log text.
#include <windows.h>

#include <string>

namespace tavo {

class JournalView {
public:
    void Attach(HWND edit) { edit_ = edit; }
    HWND Handle() const { return edit_; }

    // Shows `text` (UTF-8, CR LF lines) and scrolls to its end when it changed.
    void Show(const std::string& text);

private:
    void ScrollLogToEnd();

    HWND edit_ = nullptr;
    std::string shown_;
};

}  // namespace tavo
