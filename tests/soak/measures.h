#pragma once
// What the soak samples of Tavo's process, each as the system reports it: where Wine
// reports no value and offers no other source, nothing is made up.
#include <windows.h>

#include <optional>
#include <string>

namespace tavo::soak {

struct ProcessSample {
    double seconds = 0;  // since the run started
    std::optional<double> privateBytes;
    std::optional<double> handles;
    std::optional<double> gdiObjects;   // GetGuiResources(GR_GDIOBJECTS)
    std::optional<double> userObjects;  // GetGuiResources(GR_USEROBJECTS)
    std::optional<double> windows;      // the process's windows, children included
    const char* privateFrom = "";       // which call gave privateBytes
    const char* handlesFrom = "";       // which call gave handles
    bool alive = false;                 // the process has not ended
    bool answered = false;              // WM_NULL to the main window came back in time
};

// A zero counts as not reported: a running process with a window always has private
// memory, handles and GDI and USER objects, so zero is what an unimplemented call gives.
ProcessSample SampleProcess(HANDLE process, HWND mainWindow, double seconds, UINT answerTimeoutMs);

// "12.30 MB", "417" or "-" for a missing value.
std::string FormatBytes(std::optional<double> bytes);
std::string FormatCount(std::optional<double> count);

}  // namespace tavo::soak
