#include "core/main/main_controller.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <string>

#include "core/util/text.h"

namespace tavo {
namespace {

constexpr const char* kFaultLine = "  执行出错: ";
constexpr const char* kUnknownFault = "未知错误";

}  // namespace

MainController::MainController(const ControllerServices& services, ProductInfo product,
                               AppEnvironment env)
    : services_(services),
      product_(std::move(product)),
      env_(std::move(env)),
      runLoop_(script_, services.executor, services.clock, services.pump),
      fields_(script_, *this, services.messages, services.codePage, services.keys),
      editor_(script_, *this, services.messages, fields_),
      pointer_(script_, *this, services.messages, fields_, editor_),
      picking_(script_, pickerPanel_,
               {services.windows, services.capture, services.clock, services.pump, services.pimage,
                services.messages, journal_}) {
    state_.ProgramFolder = WithTrailingBackslash(env_.programFolder);
}

void MainController::ResetState() {
    slots_.ResetSlots();
    ApplyWindowCount();
    state_.ProgramFolder = WithTrailingBackslash(env_.programFolder);
    if (auto name = services_.registry.Read(kRegistryFileName)) state_.ScriptName = *name;
    if (state_.ScriptName.empty()) state_.ScriptName = kDefaultScriptName;
    script_.Tree().Clear();
    state_.settings.WindowKeyword = std::string(TrimSpaces(vm_.settings.Name_txt));
    state_.settings.MinWidth = static_cast<int>(RoundedValue(vm_.settings.Width_txt));
    state_.settings.MinHeight = static_cast<int>(RoundedValue(vm_.settings.Height_txt));
    editor_.SetInsertParent(kRootKey);
    journal_.Restart(LogHeader(product_, services_.clock.Now()));
    // The Instruction of a discarded Script is no node's: nothing is current until a node
    // is selected again.
    script_.ReleaseCurrentNode();
    ResetContent(script_.Current());
    script_.SetModified(false);
    vm_.label1 = std::string(kWindowCountCaption) + "0";
    vm_.delOrderEnabled = false;
    vm_.clearEnabled = false;
    // The panel would show an Instruction that no node holds any more.
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    RefreshRunButtons();
}

void MainController::Focus(FocusTarget target) {
    vm_.focusTarget = target;
    ++vm_.focusSerial;
}

void MainController::RunTick() {
    // A tick that falls due inside a step (events are pumped there) is run after it,
    // never nested: the step's run state stays its own.
    if (inTick_) {
        tickDeferred_ = true;
        return;
    }
    struct TickScope {
        bool& flag;
        explicit TickScope(bool& f) : flag(f) { flag = true; }
        ~TickScope() { flag = false; }
    };
    do {
        tickDeferred_ = false;
        const TickScope scope(inTick_);
        LoggingFaults([this] { DoTick(); });
    } while (tickDeferred_);
}

// A fault is the run log's news, not the window's: the timer must go on ticking.
void MainController::LoggingFaults(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        LogFault(e.what());
    } catch (...) {
        LogFault(kUnknownFault);
    }
}

// One line, whatever the fault's text holds.
void MainController::LogFault(const char* what) {
    std::string line = what;
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    AppendLog(LogTime(services_.clock.Now()) + kFaultLine + line + kLogEnd);
}

void MainController::DoTick() {
    slots_.MaintainSlots(state_.settings, services_.windows, services_.pump, *this);
    vm_.label1 = std::string(kWindowCountCaption) + std::to_string(slots_.WindowCount());
}

// A step that fails costs only itself: the other windows still get their steps.
void MainController::RunStep() {
    LoggingFaults([this] {
        runLoop_.RunStep(
            [this] {
                return ExecutionTarget{slots_.ServedWindow(), slots_.hWnd(0),
                                       state_.settings.FlashMode};
            },
            [this] { return Running(); });
    });
}

void MainController::SetRunLocks(bool locked) {
    vm_.toolbarEnabled[kButtonStop] = locked;
    vm_.toolbarEnabled[kButtonRun] = !locked;
    vm_.toolbarEnabled[kButtonOpen] = !locked;
    vm_.toolbarEnabled[kButtonNewInstruction] = !locked;
    vm_.clearEnabled = vm_.delOrderEnabled = !locked;
    vm_.menuFile = vm_.menuEdit = vm_.menuCtrl = vm_.menuSetup = !locked;
    vm_.pictEnabled = !locked;
    vm_.treeEditable = !locked;
}

void MainController::StartRun() {
    if (!GuardEmptyInstruction()) return;
    // The run selects Instruction after Instruction; the panel would go on showing one.
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    vm_.toolbarEnabled[kButtonStop] = true;
    vm_.toolbarEnabled[kButtonRun] = false;
    RefreshRunButtons();
    AppendLog(StartLines(services_.clock.Now()));
    SetRunLocks(true);
    runLoop_.Restart();
}

void MainController::StopRun() {
    SetRunLocks(false);
    AppendLog(StopLines(services_.clock.Now()));
}

void MainController::RefreshRunButtons() {
    auto& buttons = vm_.toolbarEnabled;
    const bool panelsHidden = !vm_.framShown && !fields_.Shown();
    if (slots_.WindowCount() > 0 && script_.IsNonEmpty() && panelsHidden) {
        if (!script_.Tree().Empty() && !Running()) buttons[kButtonRun] = true;
        buttons[kButtonOpen] = true;
        buttons[kButtonNewInstruction] = true;
    } else {
        buttons[kButtonOpen] = panelsHidden;
        buttons[kButtonNewInstruction] = script_.Tree().Empty();
        buttons[kButtonRun] = false;
    }
}

void MainController::ApplyWindowCount() {
    const bool usable = slots_.WindowCount() >= 1 && !vm_.framShown;
    vm_.menuFile = !vm_.framShown;
    vm_.menuEdit = vm_.menuCtrl = usable;
    vm_.pictEnabled = vm_.journalEnabled = usable;
    RefreshRunButtons();
}

void MainController::AddInstructionGuarded() {
    if (GuardEmptyInstruction()) editor_.AddInstruction();
}

void MainController::RunToolbarCommand(int button) {
    switch (button) {
        case kButtonOpen: OpenScript(); break;
        case kButtonSave: SaveScript(false); break;
        case kButtonRun: StartRun(); break;
        case kButtonStop: StopRun(); break;
        case kButtonNewInstruction: AddInstructionGuarded(); break;
        default: break;
    }
}

void MainController::Choose(Command command) {
    switch (command) {
        case Command::MenuNew: NewScript(); break;
        case Command::MenuOpen: OpenScript(); break;
        case Command::MenuSave: SaveScript(false); break;
        case Command::MenuSaveAs: SaveScript(true); break;
        case Command::MenuClear: ClearScript(); break;
        case Command::MenuDel: DeleteScript(); break;
        case Command::EditNew: AddInstructionGuarded(); break;
        case Command::EditDel: editor_.DeleteInstruction(); break;
        case Command::EditClear: InitializeInstruction(); break;
        case Command::CtrlRun: StartRun(); break;
        case Command::CtrlStop: StopRun(); break;
        case Command::Setup: ToggleSettings(); break;
    }
}

MainViewModel MainController::View() const {
    MainViewModel view = vm_;
    view.toolbarEnabled[kButtonSave] = script_.Modified();
    const ScriptNode* current = script_.CurrentNode();
    view.selectedKey = current ? current->key : std::string();
    view.selectionSerial = script_.SelectionSerial();
    view.treeRevision = script_.Tree().Revision();
    view.pict = fields_.View();
    view.keyBoard = fields_.KeyBoard();
    view.LabKey = editor_.LabKey();
    view.dropHighlightKey = pointer_.DropHighlight();
    view.split = splitter_.Layout();
    view.journal = journal_.Text();
    return view;
}

}  // namespace tavo
