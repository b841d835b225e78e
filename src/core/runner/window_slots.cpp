#include "core/runner/window_slots.h"

#include <algorithm>

#include "core/util/text.h"

namespace tavo {
namespace {
constexpr int kMaxParentDepth = 256;
}  // namespace

bool IsPluginClass(const std::string& className) {
    const std::string prefix = FirstChars(className, kPluginClassPrefix);
    return std::any_of(kPluginClasses.begin(), kPluginClasses.end(),
                       [&](const char* plugin) { return prefix == plugin; });
}

void WindowSlots::ResetSlots() {
    slots_.fill(0);
    windowCount_ = 0;
    servedSlot_ = 0;
}

bool WindowSlots::IsHeld(WindowHandle w) const {
    return std::find(slots_.begin(), slots_.begin() + windowCount_, w) !=
           slots_.begin() + windowCount_;
}

void WindowSlots::MaintainSlots(const DiscoverySettings& settings, WindowQueries& windows,
                                EventPump& pump, SlotVisitor& visitor) {
    const int last = windowCount_;
    for (int s = 0; s <= last; ++s) VisitSlot(s, settings, windows, pump, visitor);
}

void WindowSlots::VisitSlot(int s, const DiscoverySettings& settings, WindowQueries& windows,
                            EventPump& pump, SlotVisitor& visitor) {
    servedSlot_ = static_cast<std::int16_t>(s);
    const auto slot = static_cast<std::size_t>(s);
    if (slots_[slot] != 0 && windows.Exists(slots_[slot])) {
        if (visitor.Running()) visitor.RunStep();
    } else {
        if (slots_[slot] != 0) {
            --windowCount_;
            if (windowCount_ == 0) visitor.ApplyWindowCount();
        }
        for (int i = s; i < windowCount_; ++i)
            slots_[static_cast<std::size_t>(i)] = slots_[static_cast<std::size_t>(i) + 1];
        const int working = windowCount_;
        if (windowCount_ < settings.MaxWindows &&
            FindTargetWindow(working, settings, windows, pump) &&
            !IsHeld(slots_[static_cast<std::size_t>(working)]) &&
            windowCount_ < kMaxHeld) {
            ++windowCount_;
            if (windowCount_ == 1) visitor.ApplyWindowCount();
        }
    }
    // The working slot behind the held windows is always left empty.
    slots_[static_cast<std::size_t>(windowCount_)] = 0;
}

bool WindowSlots::Qualifies(WindowHandle w, const DiscoverySettings& settings,
                            WindowQueries& windows) {
    // The desktop is never a target: its icon list where a shell covers it, the bare
    // desktop window where none does.
    if (w == 0 || w == windows.DesktopIconList() || w == windows.DesktopWindow() ||
        windows.IsOwnWindow(w))
        return false;
    const ScreenRect r = windows.WindowRect(w);
    if (r.Width() < settings.MinWidth || r.Height() < settings.MinHeight) return false;
    if (settings.FlashMode && !IsPluginClass(windows.ClassName(w))) return false;
    WindowHandle top = w;
    // Bounded, so that a parent chain that loops back cannot hang the tick.
    for (int depth = 0; depth < kMaxParentDepth; ++depth) {
        const WindowHandle p = windows.Parent(top);
        if (p == 0) break;
        top = p;
    }
    return settings.WindowKeyword.empty() ||
           windows.WindowText(top).find(settings.WindowKeyword) != std::string::npos;
}

bool WindowSlots::FindTargetWindow(int slot, const DiscoverySettings& settings,
                                   WindowQueries& windows, EventPump& pump) {
    bool found = false;
    auto& target = slots_.at(static_cast<std::size_t>(slot));
    for (;;) {
        const ScreenSize screen = windows.PrimaryScreenSize();
        const int x = screen.width / 2 + kProbeStep * probe_;
        const int y = screen.height / 2;
        const WindowHandle w = windows.WindowFromPoint(x, y);
        if (Qualifies(w, settings, windows)) {
            found = true;
            target = w;
        }
        if (!found) target = 0;
        probe_ = probe_ < 2 ? static_cast<std::int16_t>(probe_ + 1) : std::int16_t{-2};
        if (probe_ == -1 || windowCount_ != 0) return found;
        pump.ProcessPendingEvents();
    }
}

}  // namespace tavo
