// The simulated processes' address spaces: VirtualAllocEx and its partners
// as the program calls them, and the same memory as the owning process's
// controls see it. Windows' rules are enforced strictly: an access must lie
// inside one committed block, a handle must carry the rights the call needs,
// and a block is freed only by its base address with MEM_RELEASE and size 0.
#include <cstring>

#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

namespace {
// Where a process's allocations start: a 64-bit process gives a 64-bit
// program addresses above 4 GiB, so that a truncated address shows.
constexpr RemoteAddress kLowBase = 0x00500000;
constexpr RemoteAddress kHighBase = 0x000001A000000000;
constexpr RemoteAddress kGranularity = 0x10000;

bool Inside(const std::map<RemoteAddress, std::vector<std::uint8_t>>& blocks, RemoteAddress address,
            std::size_t size, std::uint8_t** where) {
    auto it = blocks.upper_bound(address);
    if (it == blocks.begin()) return false;
    --it;
    const RemoteAddress offset = address - it->first;
    if (offset > it->second.size() || size > it->second.size() - offset) return false;
    *where = const_cast<std::uint8_t*>(it->second.data()) + offset;
    return true;
}
}  // namespace

SimProcess* SimDesktop::Process(std::uint32_t processId) {
    const auto it = processes_.find(processId);
    return it == processes_.end() ? nullptr : &it->second;
}

SimProcess* SimDesktop::ProcessOfHandle(Handle handle, std::uint32_t access) {
    const auto it = processHandles_.find(handle);
    if (it == processHandles_.end()) return nullptr;
    if ((handleAccess_[handle] & access) != access) return nullptr;
    return Process(it->second);
}

int SimDesktop::liveRemoteBlocks() const {
    int n = 0;
    for (const auto& entry : processes_) n += static_cast<int>(entry.second.blocks.size());
    return n;
}

RemoteAddress SimDesktop::VirtualAllocEx(Handle process, RemoteAddress address, std::uint64_t size,
                                         std::uint32_t allocationType, std::uint32_t protect) {
    SimProcess* proc = ProcessOfHandle(process, win::PROCESS_VM_OPERATION);
    if (!proc || address != 0 || size == 0 || size > (1u << 30) || !(allocationType & win::MEM_COMMIT))
        return 0;
    if (proc->allocationsBeforeFailure == 0) return 0;
    if (proc->allocationsBeforeFailure > 0) --proc->allocationsBeforeFailure;
    if (proc->nextAddress == 0) {
        const bool high = (proc->is64Bit && callerIs64Bit) || (!proc->is64Bit && proc->allocatesHigh);
        proc->nextAddress = proc->allocationBase ? proc->allocationBase : high ? kHighBase : kLowBase;
    }
    const RemoteAddress base = proc->nextAddress;
    proc->nextAddress += (size + kGranularity - 1) / kGranularity * kGranularity;
    proc->blocks[base].assign(static_cast<std::size_t>(size), 0);
    allocations.push_back({proc->id, base, size, allocationType, protect});
    return base;
}

bool SimDesktop::VirtualFreeEx(Handle process, RemoteAddress address, std::uint64_t size,
                               std::uint32_t freeType) {
    SimProcess* proc = ProcessOfHandle(process, win::PROCESS_VM_OPERATION);
    if (!proc || size != 0 || freeType != win::MEM_RELEASE) return false;
    return proc->blocks.erase(address) > 0;
}

bool SimDesktop::WriteProcessMemory(Handle process, RemoteAddress address, const void* buffer,
                                    std::size_t size, std::size_t* written) {
    if (written) *written = 0;
    SimProcess* proc = ProcessOfHandle(process, win::PROCESS_VM_WRITE | win::PROCESS_VM_OPERATION);
    std::uint8_t* where = nullptr;
    if (!proc || proc->writesFail || !Inside(proc->blocks, address, size, &where)) return false;
    std::memcpy(where, buffer, size);
    if (written) *written = size;
    return true;
}

bool SimDesktop::ReadProcessMemory(Handle process, RemoteAddress address, void* buffer, std::size_t size,
                                   std::size_t* read) {
    if (read) *read = 0;
    SimProcess* proc = ProcessOfHandle(process, win::PROCESS_VM_READ);
    std::uint8_t* where = nullptr;
    if (!proc || !Inside(proc->blocks, address, size, &where)) return false;
    std::memcpy(buffer, where, size);
    if (read) *read = size;
    return true;
}

bool SimDesktop::ReadRemote(std::uint32_t processId, RemoteAddress address, void* out, std::size_t size) {
    SimProcess* proc = Process(processId);
    std::uint8_t* where = nullptr;
    if (!proc || !Inside(proc->blocks, address, size, &where)) {
        ++badRemoteAccesses;
        return false;
    }
    std::memcpy(out, where, size);
    return true;
}

bool SimDesktop::WriteRemote(std::uint32_t processId, RemoteAddress address, const void* data,
                             std::size_t size) {
    SimProcess* proc = Process(processId);
    std::uint8_t* where = nullptr;
    if (!proc || !Inside(proc->blocks, address, size, &where)) {
        ++badRemoteAccesses;
        return false;
    }
    std::memcpy(where, data, size);
    return true;
}

bool SimDesktop::IsWow64Process(Handle process, bool* wow64) {
    if (process == kCurrentProcess) {
        if (wow64) *wow64 = system64Bit && !callerIs64Bit;
        return true;
    }
    SimProcess* proc = ProcessOfHandle(process, 0);
    constexpr std::uint32_t kQueryRights = win::PROCESS_QUERY_INFORMATION | win::PROCESS_QUERY_LIMITED_INFORMATION;
    if (!proc || proc->wow64QueryFails || !(handleAccess_[process] & kQueryRights))
        return false;
    if (wow64) *wow64 = system64Bit && !proc->is64Bit;
    return true;
}

}  // namespace lumivex::sim
