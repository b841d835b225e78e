#pragma once
// Memory inside another process, for messages whose pointer argument must be valid in
// the receiver (TB_GETRECT and the like); Wine does not marshal those.
#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size);  // in the process that owns the window
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    bool Valid() const { return address_ != nullptr; }
    LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
    bool Read(void* out, size_t size) const;
    bool Write(const void* in, size_t size);

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

}  // namespace e2e
