#pragma once
// The rooms of the main window, made and connected once. Only the main window's core
// and the tests reach into it; the window itself goes through MainCore.
#include "core/capture/picking.h"
#include "core/controls/splitter.h"
#include "core/editor/field_editor.h"
#include "core/editor/focus_request.h"
#include "core/editor/recorder.h"
#include "core/editor/script_undo.h"
#include "core/editor/tree_editor.h"
#include "core/editor/tree_pointer.h"
#include "core/main/editor_picker_panel.h"
#include "core/model/command_state.h"
#include "core/model/file_commands.h"
#include "core/model/run_log.h"
#include "core/model/script_state.h"
#include "core/model/settings_panel.h"
#include "core/model/working_state.h"
#include "core/runner/run_control.h"
#include "core/runner/run_trace.h"
#include "core/acting/key_sender.h"
#include "core/acting/picture_buffer.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/file_dialogs.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/registry.h"
#include "platform/window_capture.h"
#include "platform/window_queries.h"

namespace tavo {

struct MainServices {
    WindowQueries& windows;
    Clock& clock;
    EventPump& pump;
    MessageBoxes& messages;
    InstructionExecutor& executor;
    Registry& registry;
    Files& files;
    FileDialogs& dialogs;
    CodePage936& codePage;
    KeySender& keys;         // the editor's immediate sends to the first target window
    WindowCapture& capture;  // a pick's picture
    PictureBuffer& pimage;   // the block captured last, shown as Pimage
    RunTrace* trace = nullptr;  // tavo.exe --trace FILE
};

struct MainRooms {
    MainRooms(const MainServices& services, ProductInfo product, AppEnvironment env);
    MainRooms(const MainRooms&) = delete;
    MainRooms& operator=(const MainRooms&) = delete;

    // The Script and the working state.
    WorkingState state;
    ScriptState script;
    CommandState commands;
    Journal journal;
    SettingsPanel settings;
    FileCommands files;
    // The run.
    RunControl run;
    // The editor.
    FocusRequest focus;
    FieldEditor fields;
    TreeEditor editor;
    TreePointer pointer;
    ScriptUndo undo;
    // Clicks and keys in the first target window, recorded as Instructions.
    Recorder recorder;
    // The pickers, on the editor panel.
    EditorPickerPanel pickerPanel;
    Picking picking;
    // The bar between the tree and the log.
    Splitter splitter;
};

}  // namespace tavo
