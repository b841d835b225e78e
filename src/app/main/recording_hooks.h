#pragma once
// The user's input in other programs while recording, caught by the system's low-level
// mouse and keyboard hooks, which run before the input reaches its window. A left press
// and a key are handed to the core at once, so a press's picture shows the window before
// the click; the core turns them into Instructions later, on a message posted to the
// main window, since a hook must return quickly and cannot show a message.
#include <windows.h>

#include <array>
#include <functional>

#include "core/main/user_events.h"

namespace tavo {

class RecordingHooks {
public:
    // `note` answers whether the core kept the input.
    using Note = std::function<bool(const TargetInput&)>;
    explicit RecordingHooks(Note note) : note_(std::move(note)) {}
    RecordingHooks(const RecordingHooks&) = delete;
    RecordingHooks& operator=(const RecordingHooks&) = delete;
    ~RecordingHooks() { Remove(); }

    // Installed while `recording`, removed otherwise. Kept input is announced to `window`
    // with `message`, once until Delivered.
    void Follow(bool recording, HWND window, UINT message);
    void Remove();
    void Delivered() { announced_ = false; }

private:
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    void Install();
    void Key(bool down, const KBDLLHOOKSTRUCT& key);
    // Either key of a modifier, or the key as a sender without sides named it.
    bool Held(int either, int left, int right) const {
        return held_[either] || held_[left] || held_[right];
    }
    void Handle(const TargetInput& input);

    static RecordingHooks* active_;
    Note note_;
    HHOOK mouse_ = nullptr;
    HHOOK keyboard_ = nullptr;
    HWND window_ = nullptr;
    UINT message_ = 0;
    bool announced_ = false;
    // The modifier keys as the hook saw them go down and up.
    std::array<bool, 256> held_{};
};

}  // namespace tavo
