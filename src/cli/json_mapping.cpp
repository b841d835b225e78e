#include "cli/json_mapping.h"

#include <cstdint>
#include <initializer_list>
#include <limits>

#include "cli/header_text.h"
#include "core/model/instruction_fields.h"
#include "core/util/text.h"

namespace tavo::cli {
namespace {

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    throw InputError(where + ": " + what);
}

void RequireObject(const Json& json, const std::string& where) {
    if (!json.is_object()) Fail(where, "must be an object, not " + std::string(json.type_name()));
}

// Typing mistakes in hand-written files show up instead of silently giving defaults.
void RejectUnknown(const Json& json, std::initializer_list<std::string_view> known,
                   const std::string& where) {
    for (const auto& item : json.items()) {
        bool found = false;
        for (std::string_view name : known) found = found || item.key() == name;
        if (!found) Fail(where, "unknown field \"" + item.key() + "\"");
    }
}

long long IntegerIn(const Json& json, long long low, long long high, const std::string& where) {
    if (!json.is_number_integer()) Fail(where, "must be a whole number, not " + json.dump());
    const bool tooBig =
        json.is_number_unsigned() && json.get<std::uint64_t>() > static_cast<std::uint64_t>(high);
    const long long value = tooBig ? high + 1 : json.get<long long>();
    if (value < low || value > high)
        Fail(where,
             json.dump() + " is outside " + std::to_string(low) + ".." + std::to_string(high));
    return value;
}

// The text as code page 936 holds it; refused when it would change or not fit.
std::string TextIn(CodePage936& codePage, const Json& json, std::size_t widthBytes,
                   const std::string& where) {
    if (!json.is_string()) Fail(where, "must be a text, not " + std::string(json.type_name()));
    const std::string text = json.get<std::string>();
    const std::string bytes = codePage.Encode(text);
    if (codePage.Decode(bytes) != text)
        Fail(where, "\"" + text + "\" has a character that code page 936 cannot hold");
    if (bytes.size() > widthBytes)
        Fail(where, "\"" + text + "\" needs " + std::to_string(bytes.size()) +
                        " bytes in code page 936; the field holds " + std::to_string(widthBytes));
    return text;
}

bool KindIn(const Json& json, const std::string& where) {
    const bool number = json.is_number_integer();
    if (json == "flash" || (number && json == 0)) return false;
    if (json == "other" || (number && json == 1)) return true;
    Fail(where, "must be \"flash\" or \"other\" (or 0 or 1), not " + json.dump());
}

struct NumberSetting {
    const char* name;
    long GmxHeader::*member;
};

constexpr NumberSetting kNumberSettings[] = {{"minWidth", &GmxHeader::minWidth},
                                             {"minHeight", &GmxHeader::minHeight},
                                             {"windowCount", &GmxHeader::maxWindows}};

bool SameSettings(const GmxHeader& a, const GmxHeader& b) {
    return a.keyword == b.keyword && a.minWidth == b.minWidth && a.minHeight == b.minHeight &&
           a.maxWindows == b.maxWindows && a.otherWindows == b.otherWindows;
}

std::vector<Instruction> RecordsIn(CodePage936& codePage, const Json& json) {
    if (!json.is_array()) Fail("records", "must be a list, not " + std::string(json.type_name()));
    if (json.size() > static_cast<std::size_t>(kMaxRecords))
        Fail("records", std::to_string(json.size()) + " records; a Script holds at most 230");
    std::vector<Instruction> records;
    for (std::size_t i = 0; i < json.size(); ++i)
        records.push_back(
            InstructionFromJson(codePage, json[i], "records[" + std::to_string(i) + "]"));
    return records;
}

}  // namespace

Json InstructionToJson(const Instruction& instruction) {
    Json json = Json::object();
    for (const IntField& field : kIntFields) json[field.name] = instruction.*field.member;
    for (const TextField& field : kTextFields)
        json[field.name] = WithoutPadding(instruction.*field.member);
    return json;
}

Instruction InstructionFromJson(CodePage936& codePage, const Json& json, const std::string& where) {
    RequireObject(json, where);
    Instruction instruction;
    for (const auto& item : json.items()) {
        const std::string at = where + "." + item.key();
        bool found = false;
        for (const IntField& field : kIntFields) {
            if (item.key() != field.name) continue;
            instruction.*field.member = static_cast<std::int16_t>(
                IntegerIn(item.value(), std::numeric_limits<std::int16_t>::min(),
                          std::numeric_limits<std::int16_t>::max(), at));
            found = true;
        }
        for (const TextField& field : kTextFields) {
            if (item.key() != field.name) continue;
            instruction.*field.member =
                FixWidth(TextIn(codePage, item.value(), field.width, at), field.width);
            found = true;
        }
        if (!found) Fail(where, "unknown field \"" + item.key() + "\"");
    }
    return instruction;
}

Json SettingsToJson(const GmxHeader& header) {
    return Json{{"keyword", header.keyword},
                {"minWidth", header.minWidth},
                {"minHeight", header.minHeight},
                {"windowCount", header.maxWindows},
                {"windowKind", header.otherWindows ? "other" : "flash"}};
}

GmxHeader SettingsFromJson(CodePage936& codePage, const Json& json) {
    RequireObject(json, "settings");
    RejectUnknown(json, {"keyword", "minWidth", "minHeight", "windowCount", "windowKind"},
                  "settings");
    GmxHeader header;
    if (json.contains("keyword"))
        header.keyword = std::string(
            TrimSpaces(TextIn(codePage, json.at("keyword"), kBlockSize, "settings.keyword")));
    for (const NumberSetting& setting : kNumberSettings) {
        if (!json.contains(setting.name)) continue;
        header.*setting.member = static_cast<long>(IntegerIn(
            json.at(setting.name), std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max(), std::string("settings.") + setting.name));
    }
    if (json.contains("windowKind"))
        header.otherWindows = KindIn(json.at("windowKind"), "settings.windowKind");
    const auto back = ExactSettings(codePage, EncodeHeader(codePage, header));
    if (!back || !SameSettings(*back, header))
        Fail("settings", "the header text they make is longer than the 142-byte header");
    return header;
}

Json DocumentToJson(const ScriptDocument& document) {
    Json json = Json::object();
    json["format"] = kFormatTag;
    if (document.settings) json["settings"] = SettingsToJson(*document.settings);
    if (document.headerText) json["headerText"] = *document.headerText;
    Json records = Json::array();
    for (const Instruction& record : document.records) records.push_back(InstructionToJson(record));
    json["records"] = records;
    return json;
}

ScriptDocument DocumentFromJson(CodePage936& codePage, const Json& json) {
    RequireObject(json, "the document");
    RejectUnknown(json, {"format", "settings", "headerText", "records"}, "the document");
    if (json.contains("format") && json.at("format") != kFormatTag)
        Fail("format", json.at("format").dump() + " is not \"" + std::string(kFormatTag) + "\"");
    if (json.contains("settings") && json.contains("headerText"))
        Fail("the document", "give either settings or headerText, not both");
    ScriptDocument document;
    if (json.contains("headerText"))
        document.headerText = TextIn(codePage, json.at("headerText"), kBlockSize, "headerText");
    else
        document.settings = json.contains("settings")
                                ? SettingsFromJson(codePage, json.at("settings"))
                                : GmxHeader{};
    if (json.contains("records")) document.records = RecordsIn(codePage, json.at("records"));
    return document;
}

}  // namespace tavo::cli
