#pragma once
// Skin files (".she"): the four bytes ".SHE", a line end, then text lines in UTF-8.
//
//   .SHE
//   # a comment; blank lines are skipped
//   name=Azure
//   caption.active=#2F6DB5,#5FA4E8     title bar gradient, start and end (one colour: flat)
//   caption.inactive=#A7BCD3,#C8D8E8
//   text.active=#FFFFFF                caption text
//   text.inactive=#EEF3F8
//   frame.active=#1D4F8A               outer frame line
//   frame.inactive=#8EA3BA
//   glyph.active=#FFFFFF               caption button symbols
//   button.face=none                   button face, or "none" to show the title bar
//   button.hover=#FF9F43
//   button.pressed=#E67E22
//
// Optional, with their defaults:
//   textshadow.active / textshadow.inactive   none (a colour draws a shadow one pixel off)
//   border.active / border.inactive           the state's caption start colour
//   glyph.inactive                            text.inactive
//   button.close=#RRGGBB                      button.hover (the close button's hover face)
//   button.size=24,18   button.margin=2   button.spacing=2   (pixels at 96 DPI)
//   button.shape=square|round   frame.width=1 (0..8)
//   caption.direction=vertical|horizontal   caption.align=left|center
//
// Colours are "#RRGGBB". A key given twice, a value that does not read, a missing
// required key or anything before the magic makes the whole file unusable; keys this
// version does not know are skipped, so later skins still load.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "skin/skin_theme.h"

namespace tavo::skin {

inline constexpr std::string_view kSkinMagic = ".SHE";
inline constexpr std::size_t kMaxSkinFileSize = 64 * 1024;

struct SkinParseResult {
    std::optional<SkinTheme> theme;
    std::string error;  // what was wrong, with its line number; empty on success
};

SkinParseResult ParseSkinFile(std::string_view bytes);

}  // namespace tavo::skin
