#pragma once
// Form1, the main window: owns the controller with its platform services, creates the
// controls, forwards timer, menu and toolbar events to the controller and renders the
// view-model after each of them.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dpi_resources.h"
#include "app/form1_controls.h"
#include "app/hot_key_hook.h"
#include "app/fram_panel.h"
#include "app/info_tree_input.h"
#include "app/key_board_control.h"
#include "app/main_view.h"
#include "app/pict_panel.h"
#include "app/pimage_view.h"
#include "app/split_bar.h"
#include "app/tooltips.h"
#include "core/main/main_controller.h"
#include "core/controls/skin_host.h"
#include "core/target/key_sender.h"
#include "core/target/target_actions.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_pump.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_keyboard_input.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_skin_library.h"
#include "platform/win32/win32_skin_system.h"
#include "platform/win32/win32_window_capture.h"
#include "platform/win32/win32_window_queries.h"

namespace tavo {

class Form1 final : private FramEvents,
                    private PictEvents,
                    private KeyBoardEvents,
                    private TreeInputEvents,
                    private SplitBarEvents {
public:
    // `scriptArgument`: the Script file named on the command line, if any.
    Form1(HINSTANCE instance, std::optional<std::string> scriptArgument);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates the window at the top-left of the work area; false on failure.
    bool Create();
    void Show(int showCommand);
    // Keyboard navigation between the controls of the panels (Tab, Shift+Tab, Enter);
    // true when the message was used for it.
    bool PreTranslate(MSG& msg);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    void OnCommand(int id);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor(HWND under, UINT hitTest);
    bool OnClose();
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    void Render();
    // Runs `action` once the message under way is done, then renders: for notifications
    // during which the control must not be rebuilt, or whose answer may open a box.
    void Defer(std::function<void()> action);
    void RunDeferred();

    // The editor (form1_editor.cpp).
    bool CreateEditorControls();
    std::optional<LRESULT> OnTreeNotify(NMHDR& header);
    void OnEditorCommand(int id, int code);
    TwipsPoint ToTwips(POINT pixels) const;
    PanelRoom PanelRoomTwips() const;
    FocusDestination FocusDestinationNow() const;
    void TreePressed(const std::optional<std::string>& node) override;
    void TreeReleased(MouseButton button, const std::optional<std::string>& node, POINT at) override;
    void TreeToggled() override;
    void TreeDragOver(const std::optional<std::string>& node, bool insideTree) override;
    void TreeDropped(POINT screen, bool cancelled) override;
    void PictTextChanged(PictBox box, const std::string& text) override;
    void PictCharEnter() override;
    void PictButtonClicked(PictButton button) override;
    void PictButtonHeld(bool held) override;
    void PictButtonLostFocus() override;
    // Picking (form1_capture.cpp).
    void PictPickerPressed(Picker picker) override;
    void PictPickerReleased(Picker picker, POINT screen) override;
    void PictPickerCancelled(Picker picker) override;
    void PictPadClicked(Pad pad, int square) override;
    void SplitPressed(int x) override;
    void SplitMoved(int x) override;
    void SplitReleased() override;
    void KeyEvent(const std::string& text) override;
    void KeyBoardGotFocus() override {}
    void KeyBoardLostFocus() override;

    void FramTextChanged(SettingsBox box, const std::string& text) override;
    void FramKeywordKeyReleased() override;
    void WindowCountScrolled(int value) override;
    void FlashWindowsChosen() override;
    void OtherWindowsChosen() override;

    HINSTANCE instance_;
    std::optional<std::string> scriptArgument_;
    HWND window_ = nullptr;
    FramPanel fram_{*this};
    PictPanel pict_{*this};
    KeyBoardControl keyBoard_{*this};
    Form1Controls controls_;
    DpiResources resources_;
    MainView view_;
    InfoTreeInput treeInput_{view_.Tree(), *this};
    Tooltips tooltips_;
    SplitBar splitBar_{*this};
    PimageView pimage_;
    std::vector<std::function<void()>> deferred_;

    Win32WindowQueries windows_;
    Win32Clock clock_;
    Win32EventPump pump_;
    Win32MessageBoxes messages_;
    Win32Registry registry_;
    Win32Files files_;
    Win32FileDialogs dialogs_;
    Win32WindowCapture capture_;
    Win32KeyboardInput keyboard_;
    std::unique_ptr<CodePage936> codePage_;
    KeySender keys_{keyboard_, *codePage_};
    PictureBuffer pimageBuffer_;
    TargetActions executor_{capture_, keyboard_, keys_, pimageBuffer_};
    MainController controller_;
    HotKeyHook hotKey_{controller_.Slots(), keyboard_};
    Win32SkinLibrary skinLibrary_{*codePage_};
    Win32SkinSystem skinSystem_;
    SkinHost skin_{skinLibrary_, skinSystem_, files_};  // TForm1: the main window's skin
};

}  // namespace tavo
