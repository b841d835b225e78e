#pragma once
// The table of target windows: found by probing fixed screen points, kept while they exist.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/discovery_settings.h"
#include "platform/event_pump.h"
#include "platform/window_queries.h"

namespace tavo {

// Window classes accepted while only plug-in windows are wanted (first 16 characters).
inline constexpr std::array<const char*, 5> kPluginClasses = {
    "MacromediaFlashP", "MozillaWindowCla", "NativeWindowClas", "GeckoPluginWindo",
    "Maxthon3Cls_Nati"};
inline constexpr int kPluginClassPrefix = 16;
inline constexpr int kProbeStep = 200;  // pixels between probe points

// What a slot visit needs from the run.
class SlotVisitor {
public:
    virtual ~SlotVisitor() = default;
    virtual bool Running() = 0;
    virtual void RunStep() = 0;
    virtual void ApplyWindowCount() = 0;
};

class WindowSlots {
public:
    static constexpr int kSlotCount = 11;
    static constexpr int kMaxHeld = 10;

    WindowHandle hWnd(int slot) const { return slots_.at(static_cast<std::size_t>(slot)); }
    std::int16_t WindowCount() const { return windowCount_; }
    std::vector<WindowHandle> HeldWindows() const {
        return {slots_.begin(), slots_.begin() + windowCount_};
    }
    std::int16_t ServedSlot() const { return servedSlot_; }
    WindowHandle ServedWindow() const { return hWnd(servedSlot_); }
    std::int16_t ProbeCounter() const { return probe_; }

    void ResetSlots();
    // Visits slots 0..WindowCount as the tick does: steps live windows, drops vanished ones,
    // and tries to fill the working slot.
    void MaintainSlots(const DiscoverySettings& settings, WindowQueries& windows, EventPump& pump,
                       SlotVisitor& visitor);
    bool FindTargetWindow(int slot, const DiscoverySettings& settings, WindowQueries& windows,
                          EventPump& pump);

private:
    void VisitSlot(int s, const DiscoverySettings& settings, WindowQueries& windows,
                   EventPump& pump, SlotVisitor& visitor);
    bool Qualifies(WindowHandle w, const DiscoverySettings& settings, WindowQueries& windows);
    bool IsHeld(WindowHandle w) const;

    std::array<WindowHandle, kSlotCount> slots_{};
    std::int16_t windowCount_ = 0;
    std::int16_t servedSlot_ = 0;
    std::int16_t probe_ = 0;  // cycles 0, 1, 2, -2, -1 over the program's life
};

// Whether the class name begins with one of the plug-in classes.
bool IsPluginClass(const std::string& className);

}  // namespace tavo
