#pragma once
// A .gmx file shown as the program would load it: its settings and the rebuilt tree.
#include <string>
#include <string_view>

#include "cli/json_mapping.h"

namespace tavo::cli {

std::string DumpText(CodePage936& codePage, std::string_view file);
Json DumpJson(CodePage936& codePage, std::string_view file);

}  // namespace tavo::cli
