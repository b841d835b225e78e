#pragma once
// .gmx bytes to the JSON form and back, through the core's record and header coding.
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"

namespace tavo::cli {

struct Converted {
    std::string output;
    // What the output does not carry or will not give back byte for byte.
    std::vector<std::string> warnings;
};

Converted GmxToJson(CodePage936& codePage, std::string_view file);

// Throws InputError when the text is not JSON or not a valid Script.
Converted JsonToGmx(CodePage936& codePage, std::string_view text);

}  // namespace tavo::cli
