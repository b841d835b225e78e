#pragma once
// Pict2, the bar between the tree and the log: presses, moves and releases on it, in
// twips from its left edge, for the core's splitter.
#include <windows.h>

namespace tavo {

class SplitBarEvents {
public:
    virtual void SplitPressed(int x) = 0;
    virtual void SplitMoved(int x) = 0;
    // The release, or the capture lost to another window.
    virtual void SplitReleased() = 0;

protected:
    ~SplitBarEvents() = default;
};

class SplitBar {
public:
    explicit SplitBar(SplitBarEvents& events) : events_(events) {}
    SplitBar(const SplitBar&) = delete;
    SplitBar& operator=(const SplitBar&) = delete;

    bool Attach(HWND bar);

private:
    static LRESULT CALLBACK Proc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self);
    bool Handle(UINT message, LPARAM lParam);
    int TwipsX(LPARAM lParam) const;

    SplitBarEvents& events_;
    HWND bar_ = nullptr;
    bool held_ = false;
    bool releasing_ = false;  // our own ReleaseCapture, not a lost capture
};

}  // namespace tavo
