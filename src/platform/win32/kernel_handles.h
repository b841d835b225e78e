#pragma once
// Owners for kernel handles whose "none" value is INVALID_HANDLE_VALUE.
#include <windows.h>

#include <utility>

namespace tavo {

template <BOOL(WINAPI* Close)(HANDLE)>
class UniqueInvalidableHandle {
public:
    UniqueInvalidableHandle() = default;
    explicit UniqueInvalidableHandle(HANDLE handle) : handle_(handle) {}
    UniqueInvalidableHandle(const UniqueInvalidableHandle&) = delete;
    UniqueInvalidableHandle& operator=(const UniqueInvalidableHandle&) = delete;
    UniqueInvalidableHandle(UniqueInvalidableHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueInvalidableHandle& operator=(UniqueInvalidableHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    ~UniqueInvalidableHandle() { Reset(); }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void Reset() {
        if (*this) Close(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

using UniqueFileHandle = UniqueInvalidableHandle<CloseHandle>;   // from CreateFileW
using UniqueFindHandle = UniqueInvalidableHandle<FindClose>;     // from FindFirstFileW

}  // namespace tavo
