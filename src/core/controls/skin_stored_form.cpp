#include "core/controls/skin_stored_form.h"

namespace tavo {

std::optional<std::string> SkinLibraryFromStored(std::string_view resource) {
    if (resource.size() <= kSkinStoredRotation) return std::nullopt;
    const std::string_view body = resource.substr(0, resource.size() - 1);
    const std::size_t split = body.size() - kSkinStoredRotation;
    std::string file(body.substr(split));
    file.append(body.substr(0, split));
    return file;
}

std::optional<std::string> SkinStoredFromLibrary(std::string_view library) {
    if (library.size() < kSkinStoredRotation) return std::nullopt;
    std::string stored(library.substr(kSkinStoredRotation));
    stored.append(library.substr(0, kSkinStoredRotation));
    stored.push_back('\0');
    return stored;
}

}  // namespace tavo
