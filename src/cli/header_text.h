#pragma once
// The header block read without loss, unlike the program's reader (which cuts at the
// first space), so that converting keeps every header the program can write.
#include <optional>
#include <string>
#include <string_view>

#include "core/model/gmx_format.h"

namespace tavo::cli {

// The decoded header text without its right padding.
std::string HeaderText(CodePage936& codePage, std::string_view block);

// The settings the block holds, only when writing them back gives exactly these bytes.
// The keyword is everything before the last four fields, so it may hold spaces and "|".
std::optional<GmxHeader> ExactSettings(CodePage936& codePage, std::string_view block);

}  // namespace tavo::cli
