// Memory in another process and the bitness test that picks the layout of
// the structures written there.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/handles.h"
#include "platform/platform.h"
#include "readers/read_result.h"

namespace lumivex {

// A block allocated in another process. It remembers that process and frees
// itself there on every path; declare it after the ProcessHandle it uses.
class RemoteBlock {
public:
    RemoteBlock(Platform& p, Handle process, std::uint64_t size, std::uint32_t allocationType);
    ~RemoteBlock();
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    RemoteAddress address() const { return address_; }
    std::uint64_t size() const { return size_; }
    explicit operator bool() const { return address_ != 0; }
    // Left in the process when the reader goes, never freed: a request
    // naming it went unanswered and may still be carried out.
    void Keep() { address_ = 0; }
    // True only when all size bytes were copied.
    bool Write(std::uint64_t offset, const void* data, std::size_t size);
    bool Read(std::uint64_t offset, void* data, std::size_t size);

private:
    Platform& p_;
    Handle process_;
    std::uint64_t size_;
    RemoteAddress address_;
};

// True when IsWow64Process reports FALSE for the process; nullopt when the
// call fails (error 22011).
std::optional<bool> NotWow64Process(Platform& p, std::uint32_t processId);

// Whether the process can be opened for the bitness test at all: one that
// cannot is told as such, not as the failure of IsWow64Process.
bool CanQueryProcess(Platform& p, std::uint32_t processId);

// Whether the process takes the 64-bit request layouts; nullopt when its
// bitness cannot be told (error 22011). On a 32-bit system, where
// IsWow64Process says FALSE for every process, every process is 32-bit.
std::optional<bool> TakesLayouts64(Platform& p, std::uint32_t processId, bool programIs64Bit);

// The process of a control, opened for a read of its memory: its layouts are
// told first (IsWow64ProcessFailed when they cannot be), then it is opened
// for PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE
// (ProcessNotOpened when it cannot be). Closed on every path.
class ControlProcess {
public:
    // Refuses (TooManyKeptBlocks) a process that already holds the most
    // blocks kept may count.
    ControlProcess(Platform& p, Hwnd control, const ReaderOptions& options);
    ReadError error() const { return error_; }
    std::uint32_t processId() const { return processId_; }
    // Counts a block kept in this process.
    void CountKept(const ReaderOptions& options) const;
    bool layouts64() const { return layouts64_; }
    Handle get() const { return process_.get(); }

private:
    static Handle Open(Platform& p, Hwnd control, const ReaderOptions& options, ReadError& error, bool& layouts64,
                       std::uint32_t& processId);
    ReadError error_ = ReadError::None;
    std::uint32_t processId_ = 0;
    bool layouts64_ = false;
    ProcessHandle process_;
};

// Whether a block of size bytes at address can be named in the request: a
// 32-bit layout, or a 32-bit program, holds addresses below 4 GiB only
// (RemoteMemoryFailed); and a 32-bit program's lParam reaches a 64-bit
// window sign-extended, so that it may name blocks below 2 GiB only
// (RemoteBlockTooHigh).
ReadError CheckBlockAddress(RemoteAddress address, std::uint64_t size, bool layouts64, bool programIs64Bit);

}  // namespace lumivex
