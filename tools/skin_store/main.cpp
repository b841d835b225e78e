// Run by the build: turns the skinning library into the form tavo.exe carries in its
// resources, the one its skin host turns back into the library file.
//   skin_store <library.dll> <stored output>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/controls/skin_stored_form.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skin_store <library> <stored output>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string library{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto stored = tavo::SkinStoredFromLibrary(library);
    if (!in || !stored) {
        std::fprintf(stderr, "skin_store: %s is missing or too short to be a library\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(stored->data(), static_cast<std::streamsize>(stored->size()));
    return out ? 0 : 1;
}
