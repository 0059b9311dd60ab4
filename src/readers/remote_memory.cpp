#include "readers/remote_memory.h"

namespace lumivex {

RemoteBlock::RemoteBlock(Platform& p, Handle process, std::uint64_t size, std::uint32_t allocationType)
    : p_(p),
      process_(process),
      size_(size),
      address_(process ? p.VirtualAllocEx(process, 0, size, allocationType, win::PAGE_READWRITE) : 0) {}

RemoteBlock::~RemoteBlock() {
    if (address_) p_.VirtualFreeEx(process_, address_, 0, win::MEM_RELEASE);
}

bool RemoteBlock::Write(std::uint64_t offset, const void* data, std::size_t size) {
    if (!address_ || offset > size_ || size > size_ - offset) return false;
    std::size_t written = 0;
    return p_.WriteProcessMemory(process_, address_ + offset, data, size, &written) && written == size;
}

bool RemoteBlock::Read(std::uint64_t offset, void* data, std::size_t size) {
    if (!address_ || offset > size_ || size > size_ - offset) return false;
    std::size_t read = 0;
    return p_.ReadProcessMemory(process_, address_ + offset, data, size, &read) && read == size;
}

bool CanQueryProcess(Platform& p, std::uint32_t processId) {
    const ProcessHandle process(p, p.OpenProcess(win::PROCESS_QUERY_LIMITED_INFORMATION, false, processId));
    return static_cast<bool>(process);
}

std::optional<bool> NotWow64Process(Platform& p, std::uint32_t processId) {
    // A process running with higher rights grants only the limited right,
    // which IsWow64Process takes as well.
    Handle opened = p.OpenProcess(win::PROCESS_QUERY_INFORMATION, false, processId);
    if (!opened) opened = p.OpenProcess(win::PROCESS_QUERY_LIMITED_INFORMATION, false, processId);
    const ProcessHandle process(p, opened);
    bool wow64 = false;
    if (!p.IsWow64Process(process.get(), &wow64)) return std::nullopt;
    return !wow64;
}

std::optional<bool> TakesLayouts64(Platform& p, std::uint32_t processId, bool programIs64Bit) {
    const auto notWow64 = NotWow64Process(p, processId);
    if (!notWow64) return std::nullopt;
    if (programIs64Bit) return *notWow64;
    // A 32-bit program that is not itself under WOW64 runs on a 32-bit system.
    bool selfWow64 = false;
    if (!p.IsWow64Process(p.GetCurrentProcess(), &selfWow64) || !selfWow64) return false;
    return *notWow64;
}

ControlProcess::ControlProcess(Platform& p, Hwnd control, const ReaderOptions& options)
    : process_(p, Open(p, control, options, error_, layouts64_, processId_)) {}

void ControlProcess::CountKept(const ReaderOptions& options) const {
    if (options.kept) ++options.kept->perProcess[processId_];
}

Handle ControlProcess::Open(Platform& p, Hwnd control, const ReaderOptions& options, ReadError& error,
                            bool& layouts64, std::uint32_t& processId) {
    p.GetWindowThreadProcessId(control, &processId);
    if (options.kept) {
        const auto found = options.kept->perProcess.find(processId);
        if (found != options.kept->perProcess.end() && found->second >= KeptRemoteBlocks::kMaxKeptBlocksPerProcess) {
            error = ReadError::TooManyKeptBlocks;
            return 0;
        }
    }
    if (!CanQueryProcess(p, processId)) {
        error = ReadError::ProcessNotOpened;
        return 0;
    }
    const auto takes64 = TakesLayouts64(p, processId, options.programIs64Bit);
    if (!takes64) {
        error = ReadError::IsWow64ProcessFailed;
        return 0;
    }
    layouts64 = *takes64;
    const Handle process = p.OpenProcess(
        win::PROCESS_VM_OPERATION | win::PROCESS_VM_READ | win::PROCESS_VM_WRITE, false, processId);
    if (!process) error = ReadError::ProcessNotOpened;
    return process;
}

ReadError CheckBlockAddress(RemoteAddress address, std::uint64_t size, bool layouts64, bool programIs64Bit) {
    if (programIs64Bit && layouts64) return ReadError::None;
    constexpr std::uint64_t k2GiB = 0x80000000ull, k4GiB = 0x100000000ull;
    if (address >= k4GiB || size > k4GiB - address) return ReadError::RemoteMemoryFailed;
    if (!programIs64Bit && layouts64 && (address >= k2GiB || size > k2GiB - address))
        return ReadError::RemoteBlockTooHigh;
    return ReadError::None;
}

}  // namespace lumivex
