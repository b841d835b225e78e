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

// The window procedure of a window created with its object as lpCreateParams: the object
// gets its handle at WM_NCCREATE and answers every later message through `handler`,
// guarded, up to WM_NCDESTROY, after which its handle is null and the default handling
// applies.
template <class Object>
LRESULT RouteToObject(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* where,
                      HWND Object::*handle, LRESULT (Object::*handler)(UINT, WPARAM, LPARAM)) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Object*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->*handle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !(self->*handle)) return DefWindowProcW(window, message, wParam, lParam);
    const auto result = Guarded(where, [&] { return (self->*handler)(message, wParam, lParam); });
    const LRESULT answer = result ? *result : DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) self->*handle = nullptr;  // the window is gone
    return answer;
}

}  // namespace tavo
