#pragma once
// The target-window settings of a Script: edited in the settings panel, stored in the
// Script file's header, read by window discovery at every tick.
#include <string>

namespace tavo {

struct DiscoverySettings {
    std::string WindowKeyword;  // empty = any title
    int MinWidth = 400;
    int MinHeight = 300;
    int MaxWindows = 1;
    bool FlashMode = true;
};

}  // namespace tavo
