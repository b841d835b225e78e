#pragma once
// Fram, the settings panel: a child window over the tree with the target-window settings.
// It shows the view-model's settings and reports the user's edits; the rules that answer
// them are the controller's.
#include <windows.h>

#include <string>

#include "core/controller/main_controller.h"
#include "core/controls/frame_properties.h"

namespace tavo {

// What the user did in the panel.
class FramEvents {
public:
    virtual void FramTextChanged(SettingsBox box, const std::string& text) = 0;
    virtual void FramKeywordKeyReleased() = 0;
    virtual void FramSpinnerChanged(int value) = 0;
    virtual void FramOption1Clicked() = 0;
    virtual void FramOption2Clicked() = 0;

protected:
    ~FramEvents() = default;
};

// Colours of the panel (0x00BBGGRR).
inline constexpr COLORREF kFramColour = 0xF1C8B1;
inline constexpr COLORREF kFramTabColour = 0x0080FF;

class FramPanel {
public:
    explicit FramPanel(FramEvents& events);
    FramPanel(const FramPanel&) = delete;
    FramPanel& operator=(const FramPanel&) = delete;

    // Creates the panel hidden, with its children; false on failure.
    bool Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return window_; }

    // Shows or hides the panel; shown, it lies above the other children.
    void Show(bool shown);
    // Puts the settings into the controls whose content differs from them.
    void Render(const SettingsPanelView& settings);

private:
    struct Children {
        HWND nameTxt = nullptr, widthTxt = nullptr, heightTxt = nullptr, text1 = nullptr;
        HWND vscroll1 = nullptr, option1 = nullptr, option2 = nullptr, label5 = nullptr;
        HWND labels[4] = {};
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK NameTxtProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateChildren(HINSTANCE instance);
    void LayOutChildren();
    void SetChildFonts(HFONT font);
    void OnCommand(int id, int code);
    void OnScroll(int request);
    void Paint();
    void SetText(HWND edit, const std::string& text);

    FramEvents& events_;
    HWND window_ = nullptr;
    Children c_;
    HFONT font_ = nullptr;  // the parent's, not owned
    bool rendering_ = false;
    FrameProperties face_;  // drawn as the frame control's style 5
    SIZE captionSize_{};
};

}  // namespace tavo
