#pragma once
// Form1, the main window: creates the controls, hands the user's events, the timers and
// the menu and toolbar commands to the core, and renders the core's view after each.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main/dpi_resources.h"
#include "app/main/editor_events.h"
#include "app/main/form1_controls.h"
#include "app/main/form1_services.h"
#include "app/main/hot_key_hook.h"
#include "app/panels/fram_panel.h"
#include "app/controls/info_tree_input.h"
#include "app/panels/key_board_control.h"
#include "app/main/main_view.h"
#include "app/main/recording_hooks.h"
#include "app/panels/pict_panel.h"
#include "app/controls/pimage_view.h"
#include "app/controls/split_bar.h"
#include "app/panels/tooltips.h"
#include "core/controls/skin_host.h"
#include "core/main/main_core.h"
#include "platform/win32/win32_skin_library.h"
#include "platform/win32/win32_skin_system.h"

namespace tavo {

class Form1 final : private FramEvents, private MainWindowAccess {
public:
    // `scriptArgument`: the Script file named on the command line, if any.
    // `trace`: where the run trace goes, if anywhere; it outlives the window.
    Form1(HINSTANCE instance, std::optional<std::string> scriptArgument, RunTrace* trace = nullptr);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window at the top-left of the work area; false on failure.
    bool Create();
    void Show(int showCommand);
    // Keyboard navigation between the controls of the panels (Tab, Shift+Tab, Enter) and
    // the editing keys (form1_keys.cpp); true when the message was used for them.
    bool PreTranslate(MSG& msg);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    bool OnTimer(WPARAM timer);
    void OnCommand(int id);
    bool PressEditingKey(WPARAM key);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor(HWND under, UINT hitTest);
    bool OnClose();
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    HWND Window() const override { return window_; }
    void Render() override;
    // For notifications during which the control must not be rebuilt, or whose answer
    // may open a box.
    void Defer(std::function<void()> action) override;
    void RunDeferred();

    bool CreateEditorControls();

    void FramTextChanged(SettingsBox box, const std::string& text) override;
    void FramKeywordKeyReleased() override;
    void WindowCountScrolled(int value) override;
    void FlashWindowsChosen() override;
    void OtherWindowsChosen() override;

    HINSTANCE instance_;
    std::optional<std::string> scriptArgument_;
    HWND window_ = nullptr;
    WPARAM takenKey_ = 0;  // an editing key pressed, whose release is ours too
    bool contextMenuTaken_ = false;  // the context-menu key's menu is ours too
    EditorEvents editorEvents_{core_, *this, view_, controls_, pict_, treeInput_};
    FramPanel fram_{*this};
    PictPanel pict_{editorEvents_};
    KeyBoardControl keyBoard_{editorEvents_};
    Form1Controls controls_;
    DpiResources resources_;
    MainView view_;
    InfoTreeInput treeInput_{view_.Tree(), editorEvents_};
    Tooltips tooltips_;
    SplitBar splitBar_{editorEvents_};
    PimageView pimage_;
    std::vector<std::function<void()>> deferred_;

    Form1Services services_;
    MainRooms rooms_;  // only to be handed to the core
    MainCore core_{rooms_};
    HotKeyHook hotKey_{[this] { return core_.HeldWindows(); }, services_.keyboard};
    RecordingHooks recording_{[this](const TargetInput& input) { return core_.Note(input); }};
    Win32SkinLibrary skinLibrary_{*services_.codePage};
    Win32SkinSystem skinSystem_;
    SkinHost skin_{skinLibrary_, skinSystem_, services_.files};  // TForm1: the main window's skin
};

}  // namespace tavo
