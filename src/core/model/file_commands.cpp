// The File menu, start-up and closing.
#include "core/model/file_commands.h"
#include "core/util/text.h"

namespace tavo {
namespace {

constexpr const char* kScriptFilter = "gmx文件   (*.gmx)|*.gmx";
constexpr const char* kOpenQuestion = "导入新数据将丢失现有数据,确定要执行些操作吗?";
constexpr const char* kDeleteQuestion = "删除脚本将删除该脚本的磁盘文件,确定要执行些操作吗?";
constexpr const char* kCloseQuestion = "你更新的数据还没有保存，你确定要放弃吗?";
constexpr const char* kNameTooLong = "文件名太长!";
constexpr const char* kReplaceQuestion = " 已存在。\n要替换它吗?";
constexpr std::size_t kMaxDialogName = 256;
// A dialog that fails this fast never showed: it refused its default file name.
constexpr std::int64_t kDialogStartFailureMs = 20;

bool HasFileName(const std::string& path) { return !path.empty() && path.back() != '\\'; }

}  // namespace

bool FileCommands::Ask(const char* question, MessageIcon icon) {
    return services_.messages.Show(question, MessageButtons::YesNo, icon) == MessageAnswer::Yes;
}

std::optional<std::string> FileCommands::AskForScriptFile(bool isSave) {
    // A Script made by New offers its untitled name, whatever a state reset read since.
    const std::string name = state_.scriptHasNoFile ? kUntitledScriptName : state_.ScriptName;
    if (CharCount(name) >= kMaxDialogName) {
        services_.messages.Show(kNameTooLong, MessageButtons::Ok, MessageIcon::Exclamation);
        return std::nullopt;
    }
    std::string folder = state_.ProgramFolder;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    FileDialogRequest request{isSave, env_.exeName, kScriptFilter, name, kScriptExtension, folder};
    const std::int64_t started = services_.clock.MonotonicMilliseconds();
    std::string path = services_.dialogs.Show(request).value_or(std::string());
    if (path.empty() && services_.clock.MonotonicMilliseconds() - started < kDialogStartFailureMs) {
        request.defaultName.clear();
        path = services_.dialogs.Show(request).value_or(std::string());
    }
    if (path.empty()) return std::nullopt;
    return path;
}

// The save dialog until the user picks a file that may be written: replacing another
// existing file needs a Yes; the Script's own file is written without a question.
std::optional<std::string> FileCommands::ChooseSavePath() {
    for (;;) {
        const auto path = AskForScriptFile(true);
        if (!path) return std::nullopt;
        const bool own = !state_.scriptHasNoFile && SamePath(*path, state_.ScriptPath);
        if (own || !services_.files.FileExists(*path)) return path;
        const std::string question = FileNameOf(*path) + kReplaceQuestion;
        if (Ask(question.c_str(), MessageIcon::Exclamation)) return path;
    }
}

void FileCommands::RememberScriptName(const std::string& path) {
    const std::string name = ScriptNameOf(path);
    if (name.empty()) return;
    state_.ScriptName = name;
    services_.registry.Write(kRegistryFileName, name);
}

void FileCommands::OpenPath(const std::string& path) {
    state_.ScriptPath = path;
    state_.scriptHasNoFile = false;
    RememberScriptName(path);
    LoadScript(path);  // its state reset puts the insertion parent back to the top level
}

void FileCommands::OpenScript() {
    if (!Ask(kOpenQuestion, MessageIcon::Question)) return;
    if (const auto path = AskForScriptFile(false)) OpenPath(*path);
}

void FileCommands::MakeBackup(const std::string& path) {
    if (!HasFileName(path) || !services_.files.FileExists(path)) return;
    services_.files.CopyFile(path, path + ".bak");
}

void FileCommands::SaveScript(bool chooseFile) {
    if (!guard_->GuardEmptyInstruction()) return;
    // A Script made by New, or a path without a file name (no Script file was found at
    // start-up), has no file to write to: ask for one.
    if (state_.ScriptName == kUntitledScriptName || state_.scriptHasNoFile ||
        !HasFileName(state_.ScriptPath))
        chooseFile = true;
    std::string path = state_.ScriptPath;
    if (chooseFile) {
        MakeBackup(state_.ScriptPath);
        const auto chosen = ChooseSavePath();
        if (!chosen) return;
        path = *chosen;
    }
    // Names change only once the file is written: a refused or failed save must not
    // lead the next start-up to a file that does not exist.
    if (!WriteScriptFile(path)) return;
    state_.ScriptPath = path;
    state_.scriptHasNoFile = false;
    RememberScriptName(path);
}

void FileCommands::NewScript() {
    services_.settings.ResetState();
    state_.ScriptName = kUntitledScriptName;
    state_.scriptHasNoFile = true;
    services_.commands.toolbar.newInstruction = true;
}

void FileCommands::ClearScript() { services_.settings.ResetState(); }

void FileCommands::DeleteScript() {
    if (!Ask(kDeleteQuestion, MessageIcon::Question)) return;
    services_.settings.ResetState();
    if (!state_.scriptHasNoFile && HasFileName(state_.ScriptPath) &&
        services_.files.FileExists(state_.ScriptPath))
        services_.files.DeleteFile(state_.ScriptPath);
}

void FileCommands::Startup(const std::optional<std::string>& scriptArgument) {
    state_.settings.FlashMode = true;
    if (auto name = services_.registry.Read(kRegistryFileName)) state_.ScriptName = *name;
    if (auto keyword = services_.registry.Read(kRegistryWindowsName))
        services_.settings.SetBox(SettingsBox::Name_txt, *keyword);
    if (services_.settings.Boxes().Name_txt.empty())
        services_.settings.SetBox(SettingsBox::Name_txt, state_.ScriptName);
    else if (state_.ScriptName == kDefaultScriptName)
        state_.ScriptName = services_.settings.Boxes().Name_txt;
    if (scriptArgument) {
        OpenPath(*scriptArgument);
        return;
    }
    state_.scriptHasNoFile = false;
    state_.ScriptPath = state_.ProgramFolder + state_.ScriptName + kScriptExtension;
    if (!services_.files.FileExists(state_.ScriptPath)) {
        const auto found = services_.files.FindFiles(state_.ProgramFolder, "*.GMX");
        state_.ScriptPath = state_.ProgramFolder + (found.empty() ? std::string() : found.front());
    }
    LoadScript(state_.ScriptPath);
}

bool FileCommands::Closing() {
    if (script_.Modified() && !Ask(kCloseQuestion, MessageIcon::Information)) return false;
    script_.ReleaseCurrentNode();
    return true;
}

}  // namespace tavo
