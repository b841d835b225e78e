// Hand-written JSON: defaults, settings by name, and refusal of anything that would not fit.
#include <gtest/gtest.h>

#include "cli/convert.h"
#include "cli/json_mapping.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

class JsonMappingTest : public ::testing::Test {
protected:
    std::string Gmx(const std::string& json) { return JsonToGmx(*codePage_, json).output; }
    std::unique_ptr<CodePage936> codePage_ = MakeCodePage936();
};

TEST_F(JsonMappingTest, OmittedFieldsAreZeroOrBlankAndSettingsDefaultToTheProgramsOwn) {
    const std::string file = Gmx(R"({"records": [{"NodeKey": "L1", "pChar": "hi"},
                                                 {"NodeKey": "L2", "NodeParent": "L1", "Locationy": -2}]})");
    EXPECT_TRUE(file ==
                test::FileOf("|400|300|1|0|", {{.key = "L1", .chars = "hi", .x = 0, .y = 0},
                                               {.key = "L2", .parent = "L1", .x = 0, .y = -2}}));
}

struct SettingsCase {
    const char* json;
    const char* header;
};

TEST_F(JsonMappingTest, SettingsByName) {
    const SettingsCase cases[] = {
        {R"({"keyword": "Game", "minWidth": 640, "minHeight": 480, "windowCount": 2, "windowKind": "other"})",
         "Game|640|480|2|1|"},
        {R"({"keyword": "  Game  ", "windowKind": 1})", "Game|400|300|1|1|"},
        {R"({"windowKind": "flash", "minHeight": -1})", "|400|-1|1|0|"},
        {R"({"windowKind": 0, "keyword": "中文"})", "\xD6\xD0\xCE\xC4|400|300|1|0|"},
        {R"({})", "|400|300|1|0|"},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_TRUE(Gmx(std::string(R"({"settings": )") + c.json + "}") ==
                    test::HeaderBlock(c.header));
    }
}

TEST_F(JsonMappingTest, HeaderTextIsWrittenAsGiven) {
    EXPECT_TRUE(Gmx(R"({"headerText": "Game|0400|300|1|0|tail"})") ==
                test::HeaderBlock("Game|0400|300|1|0|tail"));
}

TEST_F(JsonMappingTest, CommentsAreAllowed) {
    EXPECT_TRUE(Gmx("// a Script\n{\"records\": [] /* none yet */}") ==
                test::HeaderBlock("|400|300|1|0|"));
}

struct BadCase {
    const char* name;
    std::string json;
    const char* message;  // a part of the error
};

std::string ManyRecords(int n) {
    std::string json = R"({"records": [)";
    for (int i = 1; i <= n; ++i) json.append(i > 1 ? "," : "").append(R"({"pChar": "x"})");
    return json + "]}";
}

std::vector<BadCase> BadInputs() {
    const std::string fiftyOne(51, 'x');
    return {
        {"not_json", R"({"records": [)", "not valid JSON"},
        {"number_beyond_a_double", R"({"records": [{"LocationX": 41e674407}]})",
         "not valid JSON"},
        {"root_not_object", R"([1, 2])", "the document: must be an object, not array"},
        {"unknown_top_field", R"({"record": []})", "unknown field \"record\""},
        {"records_not_list", R"({"records": {}})", "records: must be a list"},
        {"record_not_object", R"({"records": [1]})", "records[0]: must be an object, not number"},
        {"integer_as_text", R"({"records": [{"LocationX": "5"}]})",
         "records[0].LocationX: must be a whole number"},
        {"integer_as_fraction", R"({"records": [{"pPause": 1.5}]})",
         "records[0].pPause: must be a whole number"},
        {"integer_as_boolean", R"({"records": [{"pDelay": true}]})",
         "records[0].pDelay: must be a whole number"},
        {"integer_too_big", R"({"records": [{}, {"Locationy": 32768}]})",
         "records[1].Locationy: 32768 is outside"},
        {"integer_too_small", R"({"records": [{"pLocationX": -32769}]})",
         "-32769 is outside -32768..32767"},
        {"huge_unsigned", R"({"records": [{"LocationX": 18446744073709551615}]})", "is outside"},
        {"text_as_number", R"({"records": [{"pChar": 5}]})",
         "records[0].pChar: must be a text, not number"},
        {"text_too_long", R"({"records": [{"pChar": ")" + fiftyOne + R"("}]})",
         "needs 51 bytes in code page 936; the field holds 50"},
        {"double_byte_text_too_long", R"({"records": [{"NodeText": "中文中文中文中文中文中"}]})",
         "needs 22 bytes"},
        {"key_too_long", R"({"records": [{"NodeKey": "L12345"}]})",
         "records[0].NodeKey: \"L12345\" needs 6 bytes"},
        {"character_not_in_code_page", R"({"records": [{"pChar": "😀"}]})",
         "a character that code page 936 cannot hold"},
        {"misspelt_field", R"({"records": [{"Locationx": 1}]})",
         "records[0]: unknown field \"Locationx\""},
        {"too_many_records", ManyRecords(231), "231 records; a Script holds at most 230"},
        {"settings_not_object", R"({"settings": "Game"})", "settings: must be an object"},
        {"unknown_setting", R"({"settings": {"width": 1}})", "settings: unknown field \"width\""},
        {"window_kind_unknown", R"({"settings": {"windowKind": "blue"}})",
         "settings.windowKind: must be \"flash\" or \"other\""},
        {"window_kind_out_of_range", R"({"settings": {"windowKind": 2}})", "settings.windowKind"},
        {"width_as_text", R"({"settings": {"minWidth": "400"}})",
         "settings.minWidth: must be a whole number"},
        {"width_beyond_32_bits", R"({"settings": {"minWidth": 2147483648}})",
         "settings.minWidth: 2147483648 is outside"},
        {"keyword_too_long", R"({"settings": {"keyword": ")" + std::string(130, 'k') + R"("}})",
         "longer than the 142-byte header"},
        {"header_text_too_long", R"({"headerText": ")" + std::string(143, 'h') + R"("})",
         "headerText: "},
        {"settings_and_header_text", R"({"settings": {}, "headerText": "x"})",
         "either settings or headerText"},
        {"other_format", R"({"format": "tavo-script 2"})", "format: \"tavo-script 2\" is not"},
    };
}

TEST_F(JsonMappingTest, BadInputIsRefusedWithItsPlace) {
    for (const BadCase& c : BadInputs()) {
        SCOPED_TRACE(c.name);
        try {
            JsonToGmx(*codePage_, c.json);
            ADD_FAILURE() << "accepted";
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST_F(JsonMappingTest, LimitsThemselvesAreAccepted) {
    EXPECT_EQ(Gmx(ManyRecords(230)).size(), 142u * 231);
    const std::string full = R"({"settings": {"keyword": ")" + std::string(129, 'k') + R"("},
        "records": [{"NodeText": "中文中文中文中文中文", "pChar": ")" +
                             std::string(50, 'x') + R"(",
                     "NodeKey": "L9999", "LocationX": -32768, "pPause": 32767}]})";
    const std::string file = Gmx(full);
    EXPECT_TRUE(file.substr(0, 142) == std::string(129, 'k') + "|400|300|1|0|");
    EXPECT_EQ(file.size(), 284u);
}

TEST_F(JsonMappingTest, InstructionMapsEveryFieldBothWays) {
    Instruction in;
    in.LocationX = 1;
    in.Locationy = 2;
    in.pLocationX = 3;
    in.pLocationy = 4;
    in.LocationBase = 4;
    in.pLocationBase = 3;
    in.pPause = 7;
    in.pDelay = 8;
    in.pYesNext = "L2   ";
    in.pNotNext = "L3   ";
    in.NodeKey = "L1   ";
    in.NodeParent = "L9   ";
    in.NodeText = "caption             ";
    in.pChar = " lead" + std::string(45, ' ');
    in.pPicture = std::string(36, '1');
    const Json json = InstructionToJson(in);
    EXPECT_EQ(json.size(), 15u);
    EXPECT_EQ(json["pChar"], " lead");  // only the right padding goes
    EXPECT_EQ(json["pPicture"], std::string(36, '1'));
    EXPECT_EQ(InstructionFromJson(*codePage_, json, "x"), in);
}

}  // namespace
}  // namespace tavo::cli
