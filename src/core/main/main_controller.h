#pragma once
// The main window's logic: owns the Script, the window table and the run, and keeps
// the view-model in step with them.
#include <functional>
#include <optional>
#include <string>

#include "core/capture/picking.h"
#include "core/main/editor_picker_panel.h"
#include "core/main/view_model.h"
#include "core/editor/field_editor.h"
#include "core/editor/tree_editor.h"
#include "core/editor/tree_pointer.h"
#include "core/model/gmx_format.h"
#include "core/model/script_state.h"
#include "core/model/working_state.h"
#include "core/model/run_log.h"
#include "core/runner/run_loop.h"
#include "core/runner/window_slots.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/window_queries.h"

namespace tavo {

enum class Command {
    MenuNew, MenuOpen, MenuSave, MenuSaveAs, MenuClear, MenuDel,
    EditNew, EditDel, EditClear,
    CtrlRun, CtrlStop,
    Setup,
};

enum class SettingsBox { Name_txt, Width_txt, Height_txt, Text1 };

struct ControllerServices {
    WindowQueries& windows;
    Clock& clock;
    EventPump& pump;
    MessageBoxes& messages;
    InstructionExecutor& executor;
    Registry& registry;
    Files& files;
    FileDialogs& dialogs;
    CodePage936& codePage;
    KeySender& keys;  // the editor's immediate sends to the first target window
    WindowCapture& capture;  // a pick's picture
    PictureBuffer& pimage;   // the block captured last, shown as Pimage
};

// Where the program runs from.
struct AppEnvironment {
    std::string programFolder;  // with or without the final "\"
    std::string exeName;        // without folder and extension: the file dialogs' title
};

class MainController : private SlotVisitor, private EditorHost {
public:
    MainController(const ControllerServices& services, ProductInfo product, AppEnvironment env);

    // Once, when the main window has been created: settings from the registry, then the
    // last Script, or the Script file named on the command line.
    void Startup(const std::optional<std::string>& scriptArgument = std::nullopt);
    // The user closes the main window; false keeps it open (unsaved changes kept).
    bool Closing();

    void RunTick();
    void StartRun();
    void StopRun();
    void ApplyWindowCount();
    void RefreshRunButtons() override;
    bool GuardEmptyInstruction() { return editor_.GuardEmptyInstruction(); }

    void RunToolbarCommand(int button);
    void Choose(Command command);

    // The settings panel. Each runs the box's change rule when the text differs from
    // what the box holds.
    void EditSettingsBox(SettingsBox box, const std::string& text);
    void KeywordKeyReleased();
    void ScrollWindowCount(int value);
    // Option1 "Flash窗体" and Option2 "其它窗体": the window kind, when it changes.
    void ChooseFlashWindows();
    void ChooseOtherWindows();
    void ToggleSettings();
    void InitializeInstruction() override;

    // The file commands.
    void NewScript();
    void OpenScript();
    void SaveScript(bool chooseFile);
    void ClearScript();
    void DeleteScript();
    void LoadScript(const std::string& path);

    MainViewModel View() const;
    bool Running() override { return vm_.toolbarEnabled[kButtonStop]; }

    // The editor: tree structure, the mouse on the tree, the panel's fields.
    TreeEditor& Editor() { return editor_; }
    TreePointer& Pointer() { return pointer_; }
    FieldEditor& Fields() { return fields_; }
    Picking& Picks() { return picking_; }
    // A point picker released at a screen point, in the first held target window.
    int FinishPointPick(PickerKind picker, ScreenPoint release) {
        return picking_.FinishPointPick(picker, release, {slots_.hWnd(0), state_.settings.FlashMode});
    }
    Splitter& Split() { return splitter_; }

    ScriptState& Script() { return script_; }
    const ScriptState& Script() const { return script_; }
    const WindowSlots& Slots() const { return slots_; }
    const RunState& Run() const { return runLoop_.State(); }
    DiscoverySettings& Settings() { return state_.settings; }
    const WorkingState& State() const { return state_; }

private:
    void RunStep() override;
    void DoTick();
    void AppendLog(const std::string& text) { journal_.Append(text); }
    void LoggingFaults(const std::function<void()>& work);
    void LogFault(const char* what);
    void SetRunLocks(bool locked);
    void AddInstructionGuarded();

    // EditorHost.
    void ResetState() override;
    void EnableInstructionButtons() override { vm_.delOrderEnabled = vm_.clearEnabled = true; }
    std::string KeywordText() const override { return vm_.settings.Name_txt; }
    void Focus(FocusTarget target) override;
    WindowHandle FirstWindow() const override { return slots_.hWnd(0); }

    // Settings panel rules (settings_rules.cpp).
    void SetBox(SettingsBox box, const std::string& text);
    bool ConfirmDiscard();
    void KeywordRule();
    void SizeRule(SettingsBox box);
    void CountRule();
    void SelectFlashWindows(bool flash);
    GmxHeader HeaderFromPanel() const;
    void ApplyHeader(const std::vector<std::string>& fields);

    // File commands (file_commands.cpp, script_io.cpp).
    std::optional<std::string> AskForScriptFile(bool isSave);
    std::optional<std::string> ChooseSavePath();
    bool Ask(const char* question, MessageIcon icon);
    void OpenPath(const std::string& path);
    void RememberScriptName(const std::string& path);
    void MakeBackup(const std::string& path);
    void FinishLoad();
    bool WriteScriptFile(const std::string& path);

    ControllerServices services_;
    ProductInfo product_;
    AppEnvironment env_;
    WorkingState state_;
    ScriptState script_;
    WindowSlots slots_;
    RunLoop runLoop_;
    MainViewModel vm_;
    Journal journal_;
    FieldEditor fields_;
    EditorPickerPanel pickerPanel_{fields_};
    TreeEditor editor_;
    TreePointer pointer_;
    Picking picking_;
    Splitter splitter_;
    bool inTick_ = false;
    bool tickDeferred_ = false;
};

}  // namespace tavo
