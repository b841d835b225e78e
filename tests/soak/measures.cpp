#include "measures.h"

#include <psapi.h>
#include <winternl.h>

#include <cstddef>
#include <cstdio>
#include <vector>

namespace tavo::soak {
namespace {

constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// One open handle of the system's table (SystemHandleInformation); the process id takes
// the first 16 bits on Windows, which has GetProcessHandleCount anyway.
struct SystemHandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

struct SystemHandleTable {
    ULONG count;
    SystemHandleEntry entries[1];
};

std::optional<double> NonZero(double value) {
    return value != 0 ? std::optional<double>(value) : std::nullopt;
}

// PrivateUsage where the system fills it. Wine leaves it 0 for another process but fills
// PagefileUsage, which Windows defines as the same commit charge, from the Linux
// process's /proc/PID/status (RssAnon + VmSwap).
void ReadPrivateBytes(HANDLE process, ProcessSample& s) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return;
    if ((s.privateBytes = NonZero(static_cast<double>(counters.PrivateUsage)))) {
        s.privateFrom = "PrivateUsage";
    } else if ((s.privateBytes = NonZero(static_cast<double>(counters.PagefileUsage)))) {
        s.privateFrom = "PagefileUsage";
    }
}

std::optional<double> HandlesInSystemTable(DWORD processId) {
    std::vector<unsigned char> buffer(1 << 16);
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return std::nullopt;
    const auto* table = reinterpret_cast<const SystemHandleTable*>(buffer.data());
    if (offsetof(SystemHandleTable, entries) + table->count * sizeof(SystemHandleEntry) >
        buffer.size())
        return std::nullopt;
    double n = 0;
    for (ULONG i = 0; i < table->count; ++i) n += table->entries[i].ownerPid == processId;
    return NonZero(n);
}

// GetProcessHandleCount where the system implements it; Wine answers 0 but lists every
// process's handles in the system's handle table.
void ReadHandles(HANDLE process, ProcessSample& s) {
    DWORD count = 0;
    if (GetProcessHandleCount(process, &count) && count != 0) {
        s.handles = count;
        s.handlesFrom = "GetProcessHandleCount";
    } else if ((s.handles = HandlesInSystemTable(GetProcessId(process)))) {
        s.handlesFrom = "SystemHandleInformation";
    }
}

struct WindowTally {
    DWORD processId;
    double count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM tally) {
    ++reinterpret_cast<WindowTally*>(tally)->count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM tally) {
    auto* t = reinterpret_cast<WindowTally*>(tally);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != t->processId) return TRUE;
    ++t->count;
    EnumChildWindows(window, CountChild, tally);
    return TRUE;
}

std::optional<double> WindowCount(HANDLE process) {
    WindowTally tally{GetProcessId(process)};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&tally));
    return NonZero(tally.count);
}

bool Answers(HWND window, UINT timeoutMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs,
                               &ignored) != 0;
}

}  // namespace

ProcessSample SampleProcess(HANDLE process, HWND mainWindow, double seconds, UINT answerTimeoutMs) {
    ProcessSample s;
    s.seconds = seconds;
    s.alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    if (!s.alive) return s;
    ReadPrivateBytes(process, s);
    ReadHandles(process, s);
    s.gdiObjects = NonZero(GetGuiResources(process, GR_GDIOBJECTS));
    s.userObjects = NonZero(GetGuiResources(process, GR_USEROBJECTS));
    s.windows = WindowCount(process);
    s.answered = Answers(mainWindow, answerTimeoutMs);
    return s;
}

std::string FormatBytes(std::optional<double> bytes) {
    if (!bytes) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f MB", *bytes / (1024.0 * 1024.0));
    return text;
}

std::string FormatCount(std::optional<double> count) {
    if (!count) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", *count);
    return text;
}

}  // namespace tavo::soak
