#include "crowd.h"

#include <algorithm>
#include <stdexcept>

#include "driver/windows.h"

namespace tavo::soak {
namespace {

// Where Tavo probes for windows: the screen centre and 200 and 400 pixels to either side.
constexpr int kProbeStep = 200;
// Tavo's default minimum target size is 400 x 300; a little above it, so every target
// qualifies, and of several sizes, so Tavo's capture surface changes size between them.
constexpr int kMinWidth = 420, kMaxWidth = 700;
constexpr int kMinHeight = 340, kMaxHeight = 520;
// A probe point lies at least this far inside a target placed over it.
constexpr int kProbeMargin = 20;

}  // namespace

e2e::TargetSetup TargetCrowd::Place(bool overProbe) {
    const POINT centre = e2e::ScreenCentre();
    const int screenWidth = 2 * centre.x, screenHeight = 2 * centre.y;
    e2e::TargetSetup setup;
    setup.width = Between(kMinWidth, kMaxWidth);
    setup.height = Between(kMinHeight, kMaxHeight);
    // A target whose pictures are shifted makes Tavo's Script take its failure branch.
    setup.pictures = Between(0, 3) == 0 ? L"rotated" : L"normal";
    if (overProbe) {
        const int px = centre.x + kProbeStep * Between(-2, 2), py = centre.y;
        setup.x = Between(px - setup.width + kProbeMargin, px - kProbeMargin);
        setup.y = Between(py - setup.height + kProbeMargin, py - kProbeMargin);
    } else {
        setup.x = Between(0, screenWidth - setup.width);
        setup.y = Between(0, screenHeight - setup.height);
    }
    setup.x = std::clamp(setup.x, 0, screenWidth - setup.width);
    setup.y = std::clamp(setup.y, 0, screenHeight - setup.height);
    return setup;
}

bool TargetCrowd::Open(bool overProbe) {
    auto target = std::make_unique<e2e::PracticeTarget>();
    try {
        e2e::TargetSetup setup = Place(overProbe);
        setup.title = L"Tavo soak target " + std::to_wstring(++serial_);
        target->Start(setup);
    } catch (const std::runtime_error&) {
        ++counts_.failedStarts;
        target->Kill();
        return false;
    }
    tally_.Add(target->LogPath());
    open_.push_back(std::move(target));
    ++counts_.opened;
    return true;
}

bool TargetCrowd::OpenOverProbe() { return Open(true); }

std::string TargetCrowd::Move() {
    e2e::PracticeTarget& target = *open_[static_cast<std::size_t>(Between(0, OpenCount() - 1))];
    const RECT r = e2e::WindowRectOf(target.Window());
    const e2e::TargetSetup to = Place(Between(0, 3) != 0);
    SetWindowPos(target.Window(), nullptr, to.x, to.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ++counts_.moved;
    return "moved a target from (" + std::to_string(r.left) + "," + std::to_string(r.top) +
           ") to (" + std::to_string(to.x) + "," + std::to_string(to.y) + ")";
}

std::string TargetCrowd::Close() {
    const auto at = open_.begin() + Between(0, OpenCount() - 1);
    if (!(*at)->Close()) (*at)->Kill();
    open_.erase(at);
    ++counts_.closed;
    return "closed a target";
}

std::string TargetCrowd::Act() {
    // Two at least, so Tavo nearly always has a window to work in.
    const int roll = OpenCount() < 2 ? 0 : Between(0, 9);
    if (roll < 3 && OpenCount() < maxOpen_) {
        const bool overProbe = Between(0, 3) != 0;
        return Open(overProbe) ? std::string("opened a target") +
                                     (overProbe ? " over a probe point" : " elsewhere")
                               : "a target failed to start";
    }
    if (roll < 8) return Move();
    return Close();
}

void TargetCrowd::CloseAll() {
    for (auto& target : open_) {
        if (!target->Close()) target->Kill();
    }
    open_.clear();
}

}  // namespace tavo::soak
