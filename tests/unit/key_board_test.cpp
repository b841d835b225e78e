#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/editor/key_board.h"

namespace tavo {
namespace {

using Names = std::vector<std::string>;

KeyIndex Find(const std::string& name) {
    const auto keys = KeyBoardKeys();
    for (KeyIndex i = 0; i < keys.size(); ++i)
        if (keys[i].name == name) return i;
    ADD_FAILURE() << "no key " << name;
    return 0;
}

// Each key pressed and released in turn; the texts raised, in order.
Names Compose(KeyBoardComposer& composer, const Names& keys) {
    Names events;
    for (const std::string& name : keys) {
        composer.Press(Find(name));
        if (auto text = composer.Release(Find(name))) events.push_back(*text);
    }
    return events;
}

TEST(KeyBoardComposerTest, ReleasesComposeKeyNames) {
    const struct {
        Names keys;
        Names events;
    } cases[] = {
        {{"A"}, {"a"}},
        {{"Shift", "A"}, {"A"}},
        {{"Shift", "1"}, {"!"}},
        {{"Shift", ";"}, {";"}},
        {{"Shift", "E"}, {"E"}},
        {{"Shift", "\\", "\\"}, {"|", "\\"}},
        {{"Ctrl", "A", "B"}, {"Ctrl+a", "b"}},
        {{"Ctrl", "Shift", "A", "B", "C"}, {"Ctrl+Shift+a", "Ctrl+b", "c"}},
        {{"Shift", "Alt", "1", "2"}, {"Alt+Shift+1", "Alt+2"}},
        {{"Alt", "Ctrl", "A", "B"}, {"Ctrl+Alt+a", "Alt+b"}},
        {{"Alt", "Ctrl", "Delete", "A"}, {"Ctrl+Alt+Delete", "a"}},
        {{"Shift", "Alt", "Ctrl", "F5", "F5"}, {"Ctrl+Alt+Shift+F5", "F5"}},
        {{"Shift", "F5"}, {"Shift+F5"}},
        {{"Space", "Back", "PageDown"}, {"Space", "Back", "PageDown"}},
        {{"Shift", "Shift", "A"}, {"a"}},
    };
    for (const auto& c : cases) {
        KeyBoardComposer composer;
        EXPECT_EQ(Compose(composer, c.keys), c.events) << ::testing::PrintToString(c.keys);
    }
}

TEST(KeyBoardComposerTest, HighlightShowsPressesAndLatchesOnly) {
    KeyBoardComposer composer;
    composer.Press(Find("Ctrl"));
    EXPECT_TRUE(composer.Highlighted().none());
    composer.Release(Find("Ctrl"));
    composer.Press(Find("Q"));
    EXPECT_EQ(composer.Highlighted().count(), 2u);
    EXPECT_TRUE(composer.IsHighlighted(Find("Q")) && composer.IsHighlighted(Find("Ctrl")));
    composer.CancelPress();
    EXPECT_EQ(composer.Highlighted().count(), 1u);
    composer.Press(Find("Q"));
    composer.Release(Find("Q"));
    EXPECT_TRUE(composer.Highlighted().none());
}

bool Overlap(const KeyBoardKey& a, const KeyBoardKey& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(KeyBoardLayoutTest, KeysAreDistinctApartAndFoundWhereTheyLie) {
    const auto keys = KeyBoardKeys();
    ASSERT_EQ(keys.size(), 74u);
    std::map<std::string, int> characters;
    for (KeyIndex i = 0; i < keys.size(); ++i) {
        const KeyBoardKey& k = keys[i];
        if (k.kind == KeyKind::Character) ++characters[std::string(k.name)];
        for (KeyIndex j = i + 1; j < keys.size(); ++j)
            EXPECT_FALSE(Overlap(k, keys[j])) << k.name << " " << keys[j].name;
        EXPECT_EQ(KeyAt(k.left, k.top), i) << k.name;
        EXPECT_EQ(KeyAt(k.left + k.width - 1, k.top + k.height - 1), i) << k.name;
    }
    EXPECT_EQ(characters.size(), 47u);
    EXPECT_FALSE(KeyAt(0, 0));
    EXPECT_FALSE(KeyAt(7005, 1000));  // right of the last key in its row
}

TEST(KeyBoardLayoutTest, FunctionKeysCarryTheirVirtualKeyCodes) {
    const std::map<std::string, int> codes = {
        {"Esc", 27},      {"F1", 112},    {"F12", 123},   {"Back", 8},    {"Enter", 13},
        {"Shift", 16},    {"Ctrl", 17},   {"Alt", 18},    {"Space", 32},  {"PageUp", 33},
        {"PageDown", 34}, {"Left", 37},   {"Up", 38},     {"Right", 39},  {"Down", 40},
        {"Insert", 45},   {"Delete", 46}};
    for (const auto& [name, code] : codes) EXPECT_EQ(KeyBoardKeys()[Find(name)].element, code) << name;
}

}  // namespace
}  // namespace tavo
