#pragma once
// TKeyBoard: the on-screen keyboard, a self-contained control with its own window class.
// It draws the keys, shows the press and latch highlights and composes key names by the
// core's rules (core/editor/key_board.h); the host learns of it only through the events.
#include <windows.h>

#include <string>

#include "core/editor/key_board.h"

namespace tavo {

class KeyBoardEvents {
public:
    // A non-modifier key was released; `text` is the composed key ("Ctrl+v", "F5", "A").
    virtual void KeyEvent(const std::string& text) = 0;
    virtual void KeyBoardGotFocus() = 0;
    virtual void KeyBoardLostFocus() = 0;

protected:
    ~KeyBoardEvents() = default;
};

class KeyBoardControl {
public:
    explicit KeyBoardControl(KeyBoardEvents& events) : events_(events) {}
    KeyBoardControl(const KeyBoardControl&) = delete;
    KeyBoardControl& operator=(const KeyBoardControl&) = delete;

    // Creates the control hidden, as a child with the given id; false on failure.
    bool Create(HWND parent, HINSTANCE instance, int id);
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void KeepSize(WINDOWPOS& position) const;
    void OnButtonDown(LPARAM point);
    void OnButtonUp();
    void OnCaptureLost();
    void Repaint(const KeyBoardComposer::Highlights& before);
    void Paint();

    KeyBoardEvents& events_;
    HWND window_ = nullptr;
    KeyBoardComposer composer_;
};

}  // namespace tavo
