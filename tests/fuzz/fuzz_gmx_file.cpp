// A .gmx file as Tavo loads it (header, records, tree rebuild) and as tavo-cli checks
// and converts it. A file the check finds nothing wrong with saves and reloads to
// the same tree; every file converts to JSON that converts back.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/check.h"
#include "cli/convert.h"
#include "cli/json_mapping.h"
#include "core/model/script_loader.h"
#include "fuzz_support.h"

namespace tavo::fuzz {
namespace {

std::string KeyOfParent(const ScriptNode* node) { return node->parent ? node->parent->key : ""; }

bool SameTree(const ScriptTree& a, const ScriptTree& b) {
    const std::vector<ScriptNode*> x = a.PreOrder(), y = b.PreOrder();
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (x[i]->key != y[i]->key || x[i]->caption != y[i]->caption || x[i]->tag != y[i]->tag ||
            x[i]->icon != y[i]->icon || KeyOfParent(x[i]) != KeyOfParent(y[i]))
            return false;
    }
    return true;
}

long NumberOr(const std::string& field, long fallback) {
    long value = fallback;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

// The header the settings panel would write back from the fields it was given.
GmxHeader HeaderOf(const std::vector<std::string>& fields) {
    GmxHeader header;
    header.keyword = fields[0];
    header.minWidth = NumberOr(fields[1], header.minWidth);
    header.minHeight = NumberOr(fields[2], header.minHeight);
    header.maxWindows = NumberOr(fields[3], header.maxWindows);
    header.otherWindows = ReadKindFlag(fields[4]).value_or(false);
    return header;
}

void SaveAndReload(const LoadReport& loaded, const ScriptTree& tree) {
    FUZZ_EXPECT(loaded.headerFields.size() == static_cast<std::size_t>(kHeaderFieldCount));
    const SavePlan plan = PlanSave(tree);
    FUZZ_EXPECT(plan.check == SaveCheck::Ok);
    FUZZ_EXPECT(static_cast<int>(plan.nodes.size()) == tree.Count());
    const std::string saved =
        BuildScriptFile(CodePage(), HeaderOf(loaded.headerFields), plan.nodes);
    FUZZ_EXPECT(saved.size() == kBlockSize * (plan.nodes.size() + 1));
    ScriptTree again;
    const LoadReport reloaded = LoadScriptFile(CodePage(), saved, again, nullptr);
    FUZZ_EXPECT(reloaded.Complete());
    FUZZ_EXPECT(SameTree(tree, again));
    FUZZ_EXPECT(cli::CheckScript(CodePage(), saved).empty());
}

void ConvertThere(std::string_view file) {
    const cli::Converted json = cli::GmxToJson(CodePage(), file);
    cli::Converted back;
    try {
        back = cli::JsonToGmx(CodePage(), json.output);
    } catch (const cli::InputError& e) {
        Fail(e.what(), __FILE__, __LINE__);
    }
    // No warning: nothing of the file is lost or changed.
    if (json.warnings.empty()) FUZZ_EXPECT(back.output == file);
}

}  // namespace
}  // namespace tavo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavo;
    const std::string_view file = fuzz::AsText(data, size);
    ScriptTree tree;
    const LoadReport loaded = LoadScriptFile(fuzz::CodePage(), file, tree, nullptr);
    FUZZ_EXPECT(loaded.reached <= kMaxRecords);
    FUZZ_EXPECT(tree.Count() == loaded.rebuild.placed);
    FUZZ_EXPECT(loaded.headerFields.size() <= static_cast<std::size_t>(kHeaderFieldCount));

    const std::vector<cli::Finding> findings = cli::CheckScript(fuzz::CodePage(), file);
    for (const cli::Finding& finding : findings) FUZZ_EXPECT(!cli::FormatFinding(finding).empty());
    if (findings.empty()) {
        // Nothing refused, dropped or lost: every record read was placed.
        FUZZ_EXPECT(loaded.Complete() && loaded.reached > 0 && tree.Count() == loaded.reached);
        fuzz::SaveAndReload(loaded, tree);
    }

    fuzz::ConvertThere(file);
    return 0;
}
