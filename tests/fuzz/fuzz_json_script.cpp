// A hand-written JSON Script converted to a .gmx file as tavo-cli does. Bad input is
// refused with an InputError naming its place, nothing else; what converts is whole
// blocks and comes back byte for byte through JSON.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/convert.h"
#include "cli/json_mapping.h"
#include "core/model/gmx_format.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    cli::Converted gmx;
    try {
        gmx = cli::JsonToGmx(fuzz::CodePage(), fuzz::AsText(data, size));
    } catch (const cli::InputError& e) {
        FUZZ_EXPECT(e.what()[0] != '\0');
        return 0;
    }
    FUZZ_EXPECT(gmx.warnings.empty());
    FUZZ_EXPECT(gmx.output.size() % kBlockSize == 0 && !gmx.output.empty());
    FUZZ_EXPECT(gmx.output.size() <= kBlockSize * (kMaxRecords + 1));

    const cli::Converted json = cli::GmxToJson(fuzz::CodePage(), gmx.output);
    cli::Converted back;
    try {
        back = cli::JsonToGmx(fuzz::CodePage(), json.output);
    } catch (const cli::InputError& e) {
        tavo::fuzz::Fail(e.what(), __FILE__, __LINE__);
    }
    FUZZ_EXPECT(back.output == gmx.output);
    return 0;
}
