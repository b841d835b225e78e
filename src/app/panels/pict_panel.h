#pragma once
// Pict, the Instruction editor panel: a child window over the tree with the boxes,
// buttons, pickers and pads of the current Instruction. It shows the editor's view and
// reports the user's actions; the rules that answer them are the core's.
#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "app/panels/button_images.h"
#include "app/shared/child_controls.h"
#include "app/panels/tooltips.h"
#include "core/editor/editor_panel_view.h"

namespace tavo {

enum class PictBox { lChar, lPause, lDelay };
// The four pickers: recognition point, click point, success jump, failure jump.
enum class Picker { Comm2, Comm4, CommT1, CommT2 };
// The orientation pads: recognition (PWei) and click (Wei).
enum class Pad { PWei, Wei };
enum class PictButton { Comm3, Comm5, Clear, DelOrder, Command3Up, Command3Down, Command3UpLevel, Command3Child };

// What the user did on the panel.
class PictEvents {
public:
    // A box's text changed by the user (never by rendering).
    virtual void PictTextChanged(PictBox box, const std::string& text) = 0;
    // Enter in lChar; the key itself never reaches the box.
    virtual void PictCharEnter() = 0;
    virtual void PictButtonClicked(PictButton button) = 0;
    // A mouse button went down (true) or up (false) on DelOrder or Clear.
    virtual void PictButtonHeld(bool held) = 0;
    // DelOrder or Clear lost the focus.
    virtual void PictButtonLostFocus() = 0;
    // A picker was pressed with the left button; it holds the mouse capture until the
    // release, which is reported with the screen point where the button was let go. A
    // capture taken by another window (a message box, another program) cancels the pick.
    virtual void PictPickerPressed(Picker picker) = 0;
    virtual void PictPickerReleased(Picker picker, POINT screen) = 0;
    virtual void PictPickerCancelled(Picker picker) = 0;
    // Every poll while a picker is held, with the pointer's screen point.
    virtual void PictPickerHeld(Picker picker, POINT screen) = 0;
    // A click on square 0..4 of a pad, or 5 for the pad's background square.
    virtual void PictPadClicked(Pad pad, int square) = 0;

protected:
    ~PictEvents() = default;
};

class PictPanel {
public:
    explicit PictPanel(PictEvents& events) : events_(events) {}
    PictPanel(const PictPanel&) = delete;
    PictPanel& operator=(const PictPanel&) = delete;

    // Creates the panel hidden, with its children and their tooltips; false on failure.
    bool Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return window_; }
    // A child by its control id (IDC_LCHAR, IDC_DELORDER, ...).
    HWND Child(int id) const { return window_ ? GetDlgItem(window_, id) : nullptr; }

    // The font and the button images for the window's DPI; lays the children out again.
    void ApplyDpi(UINT dpi, HFONT font);
    // Puts the view into the controls whose content differs from it: texts (caret at the
    // end), lDelay's enabled state, button images, pad colours, position and visibility
    // (shown, it lies above the other children of the main window).
    void Render(const EditorPanelView& view);

    // The pad hovered last: 3 the recognition pad, 4 the click pad, 0 before any.
    int HoverZone() const { return hoverZone_; }

private:
    struct Children {
        HWND lChar = nullptr, lPause = nullptr, lDelay = nullptr, text2 = nullptr,
             text3 = nullptr;
        HWND comm2 = nullptr, comm3 = nullptr, comm4 = nullptr, comm5 = nullptr;
        HWND commT1 = nullptr, commT2 = nullptr, clear = nullptr, delOrder = nullptr;
        HWND command3[4] = {};
        HWND labels[6] = {};
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LCharProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK HoldProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK PickerProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnPickerMessage(HWND button, UINT message, LPARAM lParam);
    void PressPicker(HWND button);
    void ReleasePicker(HWND button, POINT screen);
    void CancelPicker(HWND button);
    // Ends the press: the pointer, the poll, the button's look and the capture.
    Picker EndPress(HWND button);
    void PollPicker();
    HWND PickerButton(Picker picker) const;
    std::optional<std::pair<Pad, int>> PadAt(POINT at) const;
    void HoverPad(POINT at);
    void ClickPad(POINT at);
    void PollPadHover();
    void ShowFrame(Pad pad, bool shown);
    LRESULT OnCtlColor(UINT message, HDC dc, HWND control);
    bool CreateChildren(HINSTANCE instance);
    bool CreateControls(HINSTANCE instance);
    bool CreateLabels(HINSTANCE instance);
    bool Subclass();
    bool CreateTooltips(HINSTANCE instance);
    void LayOut();
    void LayOutTooltipAreas();
    void SetChildFonts(HFONT font);
    void PutImages(ButtonImages images);
    void OnCommand(int id, int code);
    void Paint();
    void PaintPads(HDC dc);
    void PaintFrames(HDC dc);
    void RenderImages(const EditorPanelView& view);
    void RenderPads(const EditorPanelView& view);
    // The stored points in the pickers' tips, after their own words.
    void RenderStoredPoints(const EditorPanelView& view);
    void RenderPlacement(const EditorPanelView& view);

    // The panel's own light blue, a shade deeper than the pads' background.
    static constexpr COLORREF kColour = RGB(214, 228, 245);
    static constexpr UINT_PTR kPadHoverTimer = 1;
    static constexpr UINT_PTR kPickerPollTimer = 2;

    PictEvents& events_;
    HWND window_ = nullptr;
    Children c_;
    Tooltips tooltips_;
    ButtonImages images_;  // in use by the picture buttons
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    // The image numbers on Comm2, Comm3 and Comm4, and the red squares painted on Wei and
    // PWei; -1 before any.
    int shownImages_[3] = {-1, -1, -1};
    std::string shownPoints_[2];  // Comm2's and Comm4's
    int weiSquare_ = -1;
    int pweiSquare_ = -1;
    ViewText text_;
    // The picker held down and the pointer it shows meanwhile.
    std::optional<Picker> pressedPicker_;
    UniqueIcon pickerCursor_;
    // The pads' highlight frames (indexed by Pad) and the pad hovered last.
    bool frameShown_[2] = {};
    int hoverZone_ = 0;
};

}  // namespace tavo
