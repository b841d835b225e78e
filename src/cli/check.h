#pragma once
// What the program would refuse, drop or lose in a .gmx file.
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace tavo::cli {

struct Finding {
    int record = 0;  // 1-based; 0 for the header or the file as a whole
    std::string message;
};

// Ordered by record number, the header first.
std::vector<Finding> CheckScript(CodePage936& codePage, std::string_view file);

// "header: …" or "record N: …".
std::string FormatFinding(const Finding& finding);

}  // namespace tavo::cli
