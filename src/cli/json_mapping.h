#pragma once
// The JSON form of a Script: settings (or the exact header text) and the records as a flat
// list in file order, every text without its right padding.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/model/gmx_format.h"

namespace tavo::cli {

using Json = nlohmann::ordered_json;

inline constexpr const char* kFormatTag = "tavo-script 1";

// Bad input: the message names the place, e.g. "records[3].pChar: …".
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptDocument {
    // Exactly one is set when writing a file: a header the program could not have
    // written only survives as its text.
    std::optional<GmxHeader> settings;
    std::optional<std::string> headerText;
    std::vector<Instruction> records;
};

Json InstructionToJson(const Instruction& instruction);
Instruction InstructionFromJson(CodePage936& codePage, const Json& json, const std::string& where);

Json SettingsToJson(const GmxHeader& header);
GmxHeader SettingsFromJson(CodePage936& codePage, const Json& json);

Json DocumentToJson(const ScriptDocument& document);
// Settings default to the program's (no keyword, 400 × 300, one window, Flash windows)
// when neither settings nor header text is given.
ScriptDocument DocumentFromJson(CodePage936& codePage, const Json& json);

}  // namespace tavo::cli
