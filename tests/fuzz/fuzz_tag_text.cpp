// A node's tag text as the editor and the save read it: the caption up to the first line
// end, the tag after it. Well-formed text (all the program ever stores) gives fields of
// their exact widths and survives being written as a tag and read again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/model/instruction.h"
#include "core/model/instruction_fields.h"
#include "core/util/text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    const std::string_view input = fuzz::AsText(data, size);
    const std::size_t end = input.find('\n');
    const std::string caption(input.substr(0, end));
    const std::string tag(end == std::string_view::npos ? "" : input.substr(end + 1));

    Instruction read;
    ParseTag(read, tag, caption);
    const std::string written = BuildTag(read);
    if (!fuzz::IsUtf8(input)) return 0;

    for (const TextField& field : kTextFields) {
        FUZZ_EXPECT(CharCount(read.*field.member) == field.width);
        FUZZ_EXPECT(fuzz::IsUtf8(read.*field.member));
    }
    FUZZ_EXPECT(CharCount(written) == kTagLength);
    Instruction again;
    ParseTag(again, written, caption);
    FUZZ_EXPECT(again == read);
    FUZZ_EXPECT(BuildTag(again) == written);
    return 0;
}
