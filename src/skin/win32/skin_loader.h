#pragma once
// Reads a skin file named in code page 936, whole, and parses it.
#include <optional>

#include "skin/skin_theme.h"

namespace tavo::skin {

// Nothing for a null or empty name, a file that cannot be read, or one that does not parse.
std::optional<SkinTheme> LoadSkin(const char* path936);

}  // namespace tavo::skin
