#pragma once

namespace tavo {

// Lets pending user-interface events run once, in the middle of long work.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

}  // namespace tavo
