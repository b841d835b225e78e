// Loading a Script file into the tree and writing the tree back to its file.
#include "core/model/file_commands.h"
#include "core/model/script_loader.h"

namespace tavo {
namespace {

constexpr const char* kNoInstructions = "没有找到有效指令!";
constexpr const char* kEmptyInstructionFound = "发现空指令,请检查数据是否正确!";
constexpr const char* kTooManyInstructions = "脚本超过230条指令,无法保存!请删除多余的指令。";
constexpr const char* kSaveFailed = "脚本保存失败,请检查文件是否可以写入!";

}  // namespace

void FileCommands::LoadScript(const std::string& path) {
    services_.settings.ResetState();
    // Loading never writes: a missing file reads as a file without Instructions.
    const ReadResult file = services_.files.ReadAll(path);
    if (file.status == ReadStatus::Failed) return;
    const LoadReport report =
        LoadScriptFile(services_.codePage, file.bytes, script_.Tree(),
                       [this](const std::vector<std::string>& fields) {
                           services_.settings.ApplyHeader(fields);
                       });
    // Each record is read into the current Instruction; a stopped load leaves the one
    // that stopped it there, and no current node.
    if (report.lastRead) script_.Current() = *report.lastRead;
    // Every loaded node is shown, its ancestors expanded.
    ++expandAllSerial_;
    if (report.Complete()) FinishLoad();
}

void FileCommands::FinishLoad() {
    ScriptNode* first = script_.Tree().NodeAt(1);
    if (first) {
        services_.commands.EnableInstructionButtons(true);
        script_.SelectInstruction(first);
    } else {
        services_.messages.Show(kNoInstructions, MessageButtons::Ok, MessageIcon::Information);
        services_.commands.EnableInstructionButtons(false);
    }
    runButtons_->RefreshRunButtons();
}

// The old file is replaced only by a complete new one: an empty Instruction, too many
// Instructions or a failed write leave it as it was, and the Script stays modified.
bool FileCommands::WriteScriptFile(const std::string& path) {
    // A save leaves another Instruction current; an open panel would edit that one while
    // showing the old.
    if (services_.commands.pictShown) {
        services_.commands.pictShown = false;
        runButtons_->RefreshRunButtons();
    }
    const SavePlan plan = PlanSave(script_.Tree());
    if (plan.check == SaveCheck::EmptyInstruction) {
        script_.SelectInstruction(plan.emptyNode);
        services_.messages.Show(kEmptyInstructionFound, MessageButtons::Ok,
                                MessageIcon::Information);
        return false;
    }
    if (plan.check == SaveCheck::TooManyInstructions) {
        services_.messages.Show(kTooManyInstructions, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    const std::string bytes =
        BuildScriptFile(services_.codePage, services_.settings.HeaderFromPanel(), plan.nodes);
    if (!services_.files.ReplaceFile(path, bytes)) {
        services_.messages.Show(kSaveFailed, MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    // As when each record was loaded to be written: the last one ends current.
    if (!plan.nodes.empty()) script_.SelectInstruction(plan.nodes.back());
    script_.MarkSaved();
    runButtons_->RefreshRunButtons();
    return true;
}

}  // namespace tavo
