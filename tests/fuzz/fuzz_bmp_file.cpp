// A BMP file read as tavo-cli reads screenshots. Anything it cannot read is refused with
// a BmpError; a picture it reads has a sane size and survives being written and read.
#include <cstddef>
#include <cstdint>

#include "cli/bmp_reader.h"
#include "cli/bmp_writer.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    Picture picture;
    try {
        picture = cli::ReadBmp(fuzz::AsText(data, size));
    } catch (const cli::BmpError& e) {
        FUZZ_EXPECT(e.what()[0] != '\0');
        return 0;
    }
    FUZZ_EXPECT(picture.width >= 1 && picture.width <= cli::kMaxBmpSide);
    FUZZ_EXPECT(picture.height >= 1 && picture.height <= cli::kMaxBmpSide);
    FUZZ_EXPECT(picture.pixels.size() ==
                static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    // Three bytes a pixel at least, all of them in the file.
    FUZZ_EXPECT(picture.pixels.size() * 3 <= size);
    for (const std::uint32_t pixel : picture.pixels) FUZZ_EXPECT(pixel <= 0x00FFFFFF);
    FUZZ_EXPECT(cli::ReadBmp(cli::WriteBmp(picture)) == picture);
    return 0;
}
