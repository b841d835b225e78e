#pragma once
// Fram, the settings panel: the frame control (TFrame) in style 5 over the tree, holding
// the target-window settings as its contained controls. It shows the view-model's
// settings and reports the user's edits; the rules that answer them are the controller's.
#include <windows.h>

#include <string>

#include "app/shared/child_controls.h"
#include "app/controls/t_frame.h"
#include "core/main/view_model.h"

namespace tavo {

// What the user did in the panel.
class FramEvents {
public:
    virtual void FramTextChanged(SettingsBox box, const std::string& text) = 0;
    virtual void FramKeywordKeyReleased() = 0;
    virtual void WindowCountScrolled(int value) = 0;
    virtual void FlashWindowsChosen() = 0;
    virtual void OtherWindowsChosen() = 0;

protected:
    ~FramEvents() = default;
};

// Colours of the panel (0x00BBGGRR).
inline constexpr COLORREF kFramColour = 0xF1C8B1;
inline constexpr COLORREF kFramTabColour = 0x0080FF;

class FramPanel {
public:
    explicit FramPanel(FramEvents& events) : events_(events) {}
    FramPanel(const FramPanel&) = delete;
    FramPanel& operator=(const FramPanel&) = delete;

    // Creates the frame hidden, with its contained controls; false on failure.
    bool Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return frame_.Handle(); }

    // Shows or hides the panel; shown, it lies above the other children.
    void Show(bool shown);
    // Puts the settings into the controls whose content differs from them.
    void Render(const SettingsPanelView& settings);
    // The caption's and the contained controls' font (not owned).
    void SetFont(HFONT font);

    // The frame hands its controls' messages, and its own Resize, to the container, which
    // passes them on here: true when the message was the panel's.
    bool OnCommand(HWND from, int id, int code);
    bool OnScroll(HWND from, int request);

private:
    struct Children {
        HWND nameTxt = nullptr, widthTxt = nullptr, heightTxt = nullptr, text1 = nullptr;
        HWND vscroll1 = nullptr, option1 = nullptr, option2 = nullptr, label5 = nullptr;
        HWND labels[4] = {};
    };

    static LRESULT CALLBACK NameTxtProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    void SetFace();
    bool CreateChildren(HINSTANCE instance);
    void LayOutChildren();
    void ChangeText(int id, HWND edit);

    FramEvents& events_;
    TFrame frame_;
    Children c_;
    ViewText text_;
};

}  // namespace tavo
