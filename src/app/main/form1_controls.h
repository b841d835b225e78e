#pragma once
// The child controls of the main window.
#include <windows.h>

namespace tavo {

class FramPanel;
class PictPanel;
class KeyBoardControl;

struct Form1Controls {
    HWND toolbar1 = nullptr;
    HWND pimage = nullptr;  // picture buffer: the block captured last (owner-drawn)
    HWND label1 = nullptr;  // window-count status
    HWND infoTree = nullptr;
    HWND journal = nullptr;
    HWND pict2 = nullptr;  // the bar between tree and log
    HWND fram = nullptr;   // the settings panel (FramPanel)
    HWND pict = nullptr;   // the Instruction editor panel (PictPanel)
    HWND keyBoard = nullptr;  // the on-screen keyboard TKeyBoard1
    HWND root = nullptr;      // "<": new Instructions go to the top level
    HWND labKeyCaption = nullptr;  // "父指令:"
    HWND labKey = nullptr;    // where the next new Instruction goes
    HWND label4 = nullptr;    // the banner line at the bottom (banner.h)
};

// Creates the controls unplaced, the settings panel among them; false when one of them
// could not be made.
bool CreateForm1Controls(HWND parent, HINSTANCE instance, FramPanel& fram, PictPanel& pict,
                         KeyBoardControl& keyBoard, Form1Controls& controls);

// Background colour of the bar (0x00BBGGRR).
inline constexpr COLORREF kPict2Colour = 0xF9E7DD;

}  // namespace tavo
