#pragma once
// The document life cycle: the Script loaded at start-up, the File menu's commands with
// the file dialog they share and the backup before a save under a new name, loading and
// saving, and the question when the window closes with unsaved changes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/script_state.h"
#include "core/model/settings_panel.h"
#include "core/model/working_state.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"

namespace tavo {

// Where the program runs from.
struct AppEnvironment {
    std::string programFolder;  // with or without the final "\"
    std::string exeName;        // without folder and extension: the file dialogs' title
};

struct FileServices {
    WorkingState& state;
    ScriptState& script;
    CommandState& commands;
    SettingsPanel& settings;
    Registry& registry;
    Files& files;
    FileDialogs& dialogs;
    MessageBoxes& messages;
    Clock& clock;
    CodePage936& codePage;
};

class FileCommands {
public:
    FileCommands(const FileServices& services, AppEnvironment env)
        : services_(services),
          state_(services.state),
          script_(services.script),
          env_(std::move(env)) {}
    void Connect(EmptyInstructionGuard& guard, RunButtons& runButtons) {
        guard_ = &guard;
        runButtons_ = &runButtons;
    }

    // Once, when the main window has been created: settings from the registry, then the
    // last Script, or the Script file named on the command line.
    void Startup(const std::optional<std::string>& scriptArgument = std::nullopt);
    // The user closes the main window; false keeps it open (unsaved changes kept).
    bool Closing();

    void NewScript();
    void OpenScript();
    void SaveScript(bool chooseFile);
    void ClearScript();
    void DeleteScript();
    void LoadScript(const std::string& path);

    // Bumped when a load has added nodes: the window expands the whole tree.
    std::uint64_t ExpandAllSerial() const { return expandAllSerial_; }

private:
    std::optional<std::string> AskForScriptFile(bool isSave);
    std::optional<std::string> ChooseSavePath();
    bool Ask(const char* question, MessageIcon icon);
    void OpenPath(const std::string& path);
    void RememberScriptName(const std::string& path);
    void MakeBackup(const std::string& path);
    void FinishLoad();
    bool WriteScriptFile(const std::string& path);

    FileServices services_;
    WorkingState& state_;
    ScriptState& script_;
    AppEnvironment env_;
    EmptyInstructionGuard* guard_ = nullptr;
    RunButtons* runButtons_ = nullptr;
    std::uint64_t expandAllSerial_ = 0;
};

}  // namespace tavo
