#include "app/controls/journal_view.h"

#include <string_view>

#include "platform/win32/code_page.h"

namespace tavo {

void JournalView::Show(const std::string& text) {
    if (text == shown_) return;
    const std::string_view view(text);
    if (!shown_.empty() && view.starts_with(shown_)) {
        // The log normally only grows: append, so the box neither flickers nor re-wraps
        // everything it holds.
        const std::wstring tail = Utf8ToWide(view.substr(shown_.size()));
        const int end = GetWindowTextLengthW(edit_);
        SendMessageW(edit_, EM_SETSEL, end, end);
        SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(tail.c_str()));
    } else {
        SetWindowTextW(edit_, Utf8ToWide(text).c_str());
    }
    shown_ = text;
    ScrollLogToEnd();
}

void JournalView::ScrollLogToEnd() {
    const LRESULT lines = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0);
    PostMessageW(edit_, EM_LINESCROLL, 0, lines);
}

}  // namespace tavo
