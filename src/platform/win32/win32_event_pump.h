#pragma once
#include <functional>
#include <utility>

#include "platform/event_pump.h"

namespace tavo {

// Runs the messages waiting in this thread's queue once. The window is given a chance
// to show the current state first, so a long step is seen as it goes.
class Win32EventPump final : public EventPump {
public:
    void SetBeforePumping(std::function<void()> beforePumping) {
        beforePumping_ = std::move(beforePumping);
    }
    void ProcessPendingEvents() override;
    // Waits while the thread's messages keep flowing, so the window paints, moves and takes
    // commands; those that act on a step under way take effect at its end.
    void Wait(int milliseconds);

private:
    // False when the quit message came: it belongs to the outer loop.
    bool DispatchPending();

    std::function<void()> beforePumping_;
};

}  // namespace tavo
