#pragma once
// How the skinning library is carried in the program's resources. Of the resource all
// but the final byte count; the library file is the last 256 of those bytes followed by
// the ones before them. The build makes the resource by the inverse rule.
#include <optional>
#include <string>
#include <string_view>

namespace tavo {

inline constexpr std::size_t kSkinStoredRotation = 256;

// The library file from the resource; nothing for a resource too short to hold one.
std::optional<std::string> SkinLibraryFromStored(std::string_view resource);
// The resource for a library of at least 256 bytes; its final byte is padding.
std::optional<std::string> SkinStoredFromLibrary(std::string_view library);

}  // namespace tavo
