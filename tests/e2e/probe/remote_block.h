// Memory in another process, for messages whose answer is a structure with
// pointers (tab items): the structure must live where the control can
// write it. Freed, and the process handle closed, on every path.
#pragma once

#include <windows.h>

#include <cstddef>

namespace probe {

class RemoteProcess {
public:
    explicit RemoteProcess(HWND window) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        handle_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    }
    ~RemoteProcess() {
        if (handle_) CloseHandle(handle_);
    }
    RemoteProcess(const RemoteProcess&) = delete;
    RemoteProcess& operator=(const RemoteProcess&) = delete;
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

// Declare after its RemoteProcess: the block is freed before the handle closes.
class RemoteBlock {
public:
    RemoteBlock(const RemoteProcess& process, std::size_t size)
        : process_(process.get()),
          address_(process_ ? VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                            : nullptr) {}
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    void* address() const { return address_; }
    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    explicit operator bool() const { return address_ != nullptr; }
    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        SIZE_T done = 0;
        return WriteProcessMemory(process_, at(offset), data, size, &done) && done == size;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        SIZE_T done = 0;
        return ReadProcessMemory(process_, at(offset), data, size, &done) && done == size;
    }

private:
    HANDLE process_;
    void* address_;
};

}  // namespace probe
