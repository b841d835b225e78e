#include "skin/skin_file.h"

#include <array>
#include <bitset>
#include <charconv>
#include <initializer_list>
#include <utility>

namespace tavo::skin {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<Rgb> ReadColour(std::string_view v) {
    v = Trim(v);
    if (v.size() != 7 || v[0] != '#') return std::nullopt;
    unsigned value = 0;
    for (const char c : v.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return Rgb{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
               static_cast<std::uint8_t>(value)};
}

std::optional<int> ReadInt(std::string_view v, int low, int high) {
    v = Trim(v);
    int n = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (v.empty() || error != std::errc{} || end != v.data() + v.size() || n < low || n > high) return std::nullopt;
    return n;
}

// "a,b" into its two parts; a value without a comma gives nothing.
std::optional<std::pair<std::string_view, std::string_view>> SplitPair(std::string_view v) {
    const std::size_t comma = v.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    return std::pair{v.substr(0, comma), v.substr(comma + 1)};
}

template <StateColours SkinTheme::*State>
bool SetCaption(std::string_view v, SkinTheme& t) {
    const auto pair = SplitPair(v);
    const auto start = ReadColour(pair ? pair->first : v);
    const auto end = pair ? ReadColour(pair->second) : start;
    if (!start || !end) return false;
    (t.*State).captionStart = *start;
    (t.*State).captionEnd = *end;
    return true;
}

template <StateColours SkinTheme::*State, Rgb StateColours::*Field>
bool SetStateColour(std::string_view v, SkinTheme& t) {
    const auto c = ReadColour(v);
    if (c) (t.*State).*Field = *c;
    return c.has_value();
}

template <StateColours SkinTheme::*State>
bool SetTextShadow(std::string_view v, SkinTheme& t) {
    (t.*State).hasTextShadow = Trim(v) != "none";
    return !(t.*State).hasTextShadow || SetStateColour<State, &StateColours::textShadow>(v, t);
}

template <Rgb ButtonColours::*Field>
bool SetButtonColour(std::string_view v, SkinTheme& t) {
    const auto c = ReadColour(v);
    if (c) t.buttons.*Field = *c;
    return c.has_value();
}

bool SetFace(std::string_view v, SkinTheme& t) {
    t.buttons.flat = Trim(v) == "none";
    return t.buttons.flat || SetButtonColour<&ButtonColours::face>(v, t);
}

bool SetName(std::string_view v, SkinTheme& t) {
    v = Trim(v);
    t.name = std::string(v);
    return !v.empty() && v.size() <= 64;
}

bool SetButtonSize(std::string_view v, SkinTheme& t) {
    const auto pair = SplitPair(v);
    const auto w = pair ? ReadInt(pair->first, 8, 64) : std::nullopt;
    const auto h = pair ? ReadInt(pair->second, 8, 64) : std::nullopt;
    if (!w || !h) return false;
    t.metrics.width = *w;
    t.metrics.height = *h;
    return true;
}

template <int SkinTheme::*Field, int Low, int High>
bool SetThemeInt(std::string_view v, SkinTheme& t) {
    const auto n = ReadInt(v, Low, High);
    if (n) t.*Field = *n;
    return n.has_value();
}

template <int ButtonMetrics::*Field>
bool SetMetric(std::string_view v, SkinTheme& t) {
    const auto n = ReadInt(v, 0, 16);
    if (n) t.metrics.*Field = *n;
    return n.has_value();
}

// One of two words: the first gives `first`, the second `second`.
template <typename Enum, Enum SkinTheme::*Field, Enum First, Enum Second>
bool SetChoice(std::string_view v, SkinTheme& t, std::string_view firstWord, std::string_view secondWord) {
    v = Trim(v);
    if (v != firstWord && v != secondWord) return false;
    t.*Field = v == firstWord ? First : Second;
    return true;
}

bool SetShape(std::string_view v, SkinTheme& t) {
    return SetChoice<ButtonShape, &SkinTheme::shape, ButtonShape::Square, ButtonShape::Round>(v, t, "square", "round");
}
bool SetDirection(std::string_view v, SkinTheme& t) {
    return SetChoice<GradientDirection, &SkinTheme::direction, GradientDirection::Vertical,
                     GradientDirection::Horizontal>(v, t, "vertical", "horizontal");
}
bool SetAlign(std::string_view v, SkinTheme& t) {
    return SetChoice<TextAlign, &SkinTheme::align, TextAlign::Left, TextAlign::Center>(v, t, "left", "center");
}

using Setter = bool (*)(std::string_view, SkinTheme&);
struct Key {
    std::string_view name;
    bool required;
    Setter set;
};

constexpr auto A = &SkinTheme::active;
constexpr auto I = &SkinTheme::inactive;

const std::array<Key, 24> kKeys{{
    {"name", true, SetName},
    {"caption.active", true, SetCaption<A>},
    {"caption.inactive", true, SetCaption<I>},
    {"text.active", true, SetStateColour<A, &StateColours::text>},
    {"text.inactive", true, SetStateColour<I, &StateColours::text>},
    {"frame.active", true, SetStateColour<A, &StateColours::frame>},
    {"frame.inactive", true, SetStateColour<I, &StateColours::frame>},
    {"glyph.active", true, SetStateColour<A, &StateColours::glyph>},
    {"button.face", true, SetFace},
    {"button.hover", true, SetButtonColour<&ButtonColours::hover>},
    {"button.pressed", true, SetButtonColour<&ButtonColours::pressed>},
    {"textshadow.active", false, SetTextShadow<A>},
    {"textshadow.inactive", false, SetTextShadow<I>},
    {"border.active", false, SetStateColour<A, &StateColours::border>},
    {"border.inactive", false, SetStateColour<I, &StateColours::border>},
    {"glyph.inactive", false, SetStateColour<I, &StateColours::glyph>},
    {"button.close", false, SetButtonColour<&ButtonColours::closeHover>},
    {"button.size", false, SetButtonSize},
    {"button.margin", false, SetMetric<&ButtonMetrics::margin>},
    {"button.spacing", false, SetMetric<&ButtonMetrics::spacing>},
    {"button.shape", false, SetShape},
    {"frame.width", false, SetThemeInt<&SkinTheme::frameWidth, 0, 8>},
    {"caption.direction", false, SetDirection},
    {"caption.align", false, SetAlign},
}};

using Seen = std::bitset<kKeys.size()>;

bool WasGiven(const Seen& seen, std::string_view name) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i].name == name) return seen[i];
    return false;
}

// Optional colours left out follow the required ones.
void ApplyDefaults(const Seen& seen, SkinTheme& t) {
    if (!WasGiven(seen, "border.active")) t.active.border = t.active.captionStart;
    if (!WasGiven(seen, "border.inactive")) t.inactive.border = t.inactive.captionStart;
    if (!WasGiven(seen, "glyph.inactive")) t.inactive.glyph = t.inactive.text;
    if (!WasGiven(seen, "button.close")) t.buttons.closeHover = t.buttons.hover;
}

// Built by appending: GCC 12 warns wrongly about a literal added to a std::string.
std::string Text(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text.append(part);
    return text;
}

// One "key=value" line into the theme; an error text when it does not read.
std::string ReadLine(std::string_view line, SkinTheme& theme, Seen& seen) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return "not key=value";
    const std::string_view key = Trim(line.substr(0, equals));
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].name != key) continue;
        if (seen[i]) return Text({"\"", key, "\" given twice"});
        seen[i] = true;
        return kKeys[i].set(line.substr(equals + 1), theme) ? "" : Text({"bad value for \"", key, "\""});
    }
    return key.empty() ? "no key" : "";
}

}  // namespace

SkinParseResult ParseSkinFile(std::string_view bytes) {
    if (bytes.size() > kMaxSkinFileSize) return {std::nullopt, "larger than a skin file can be"};
    const std::size_t firstEnd = bytes.find('\n');
    if (Trim(bytes.substr(0, firstEnd)) != kSkinMagic || bytes.substr(0, kSkinMagic.size()) != kSkinMagic)
        return {std::nullopt, "not a skin file"};
    SkinTheme theme;
    Seen seen;
    int number = 1;
    for (std::size_t at = firstEnd; at != std::string_view::npos && at < bytes.size();) {
        const std::size_t end = bytes.find('\n', at + 1);
        const std::string_view line = Trim(bytes.substr(at + 1, end == std::string_view::npos ? end : end - at - 1));
        ++number;
        at = end;
        if (line.empty() || line.front() == '#') continue;
        const std::string error = ReadLine(line, theme, seen);
        if (!error.empty()) return {std::nullopt, Text({"line ", std::to_string(number), ": ", error})};
    }
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (kKeys[i].required && !seen[i]) return {std::nullopt, Text({"\"", kKeys[i].name, "\" missing"})};
    ApplyDefaults(seen, theme);
    return {std::move(theme), ""};
}

}  // namespace tavo::skin
