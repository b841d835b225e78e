#pragma once
// Handlers called from window procedures: no exception may unwind through the system's
// code that called them.
#include <windows.h>

#include <exception>
#include <optional>
#include <type_traits>

namespace tavo {

inline void ReportHandlerFailure(const char* where, const char* what) {
    OutputDebugStringA("Tavo: ");
    OutputDebugStringA(where);
    OutputDebugStringA(" failed: ");
    OutputDebugStringA(what);
    OutputDebugStringA("\n");
}

// Runs the handler; an exception it throws is reported and turns into an empty result
// (false for a handler without a result).
template <class Handler>
auto Guarded(const char* where, Handler&& handler) {
    using Result = decltype(handler());
    using Outcome = std::conditional_t<std::is_void_v<Result>, bool, std::optional<Result>>;
    try {
        if constexpr (std::is_void_v<Result>) {
            handler();
            return Outcome(true);
        } else {
            return Outcome(handler());
        }
    } catch (const std::exception& e) {
        ReportHandlerFailure(where, e.what());
    } catch (...) {
        ReportHandlerFailure(where, "unknown exception");
    }
    return Outcome();
}

}  // namespace tavo
