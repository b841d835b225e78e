#include "driver/remote_buffer.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process_) return;
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Read(void* out, size_t size) const {
    SIZE_T done = 0;
    return address_ && ReadProcessMemory(process_, address_, out, size, &done) && done == size;
}

bool RemoteBuffer::Write(const void* in, size_t size) {
    SIZE_T done = 0;
    return address_ && WriteProcessMemory(process_, address_, in, size, &done) && done == size;
}

}  // namespace e2e
