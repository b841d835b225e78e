// Text with key commands ("/*ctrl+v*/") typed into a keyboard that records what it is
// asked to do. CTRL and SHIFT, pressed system-wide, always come up again; every pause is
// the key delay (at least the minimum) or the closing ENTER's; text without markers is
// typed character by character.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/acting/key_sender.h"
#include "core/util/text.h"
#include "fakes/fake_keyboard.h"
#include "fuzz_support.h"

namespace tavo::fuzz {
namespace {

constexpr WindowHandle kWindow = 7;

// Every modifier pressed is released before it is pressed again, and by the end. A
// release alone is allowed: a key command naming the character 0x10 or 0x11 ends with
// the key-up of that code, which for these two goes to the system.
void ExpectModifiersReleased(const std::vector<std::string>& events) {
    bool held[2] = {false, false};  // CTRL, SHIFT
    for (const std::string& event : events) {
        const bool press = event.starts_with("press ");
        if (!press && !event.starts_with("release ")) continue;
        const std::string key = event.substr(event.find(' ') + 1);
        const bool ctrl = key.starts_with(testing::Hex(kVkControl) + " ");
        FUZZ_EXPECT(ctrl || key.starts_with(testing::Hex(kVkShift) + " "));
        bool& state = held[ctrl ? 0 : 1];
        FUZZ_EXPECT(!(press && state));
        state = press;
    }
    FUZZ_EXPECT(!held[0] && !held[1]);
}

std::size_t CountStarting(const std::vector<std::string>& events, std::string_view prefix) {
    std::size_t n = 0;
    for (const std::string& event : events) n += event.starts_with(prefix) ? 1 : 0;
    return n;
}

}  // namespace
}  // namespace tavo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    // The first byte chooses the key delay, below and above the minimum.
    if (size == 0) return 0;
    const int delay = data[0] * 2;
    const std::string_view text = fuzz::AsText(data + 1, size - 1);

    testing::FakeKeyboard keyboard;
    KeySender sender(keyboard, fuzz::CodePage());
    sender.SendText(fuzz::kWindow, text, delay);

    fuzz::ExpectModifiersReleased(keyboard.events);
    for (const std::string& event : keyboard.events) {
        FUZZ_EXPECT(!event.starts_with("?"));
        FUZZ_EXPECT(!event.ends_with(" to none"));
        if (!event.starts_with("sleep ")) continue;
        // A key command's delay, or the closing ENTER's.
        const int ms = std::stoi(event.substr(6));
        FUZZ_EXPECT(ms == EffectiveKeyDelay(delay) || ms == kMinKeyDelay);
    }
    std::string plain(text);
    std::erase(plain, ' ');
    if (plain.find("/*") == std::string::npos && plain.find("*/") == std::string::npos) {
        // One character message each, then ENTER as a key stroke.
        FUZZ_EXPECT(fuzz::CountStarting(keyboard.events, "CHAR ") == CharCount(plain));
        FUZZ_EXPECT(fuzz::CountStarting(keyboard.events, "KEYDOWN ") == (plain.empty() ? 0u : 1u));
    }
    return 0;
}
