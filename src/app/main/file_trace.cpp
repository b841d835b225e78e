#include "app/main/file_trace.h"

#include <cstdio>

#include "platform/win32/code_page.h"

namespace tavo {

FileTrace::FileTrace(const std::string& path) : file_(_wfopen(Utf8ToWide(path).c_str(), L"ab")) {}

void FileTrace::WriteLine(const std::string& line) {
    if (!file_) return;
    std::fputs(line.c_str(), file_.get());
    std::fputs("\r\n", file_.get());
    std::fflush(file_.get());
}

}  // namespace tavo
