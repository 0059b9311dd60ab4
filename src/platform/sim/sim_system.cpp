// The simulated system: processes, drives, short paths, the shell and the
// ANSI code page.
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_text.h"

namespace lumivex::sim {

SimProcess& SimDesktop::AddProcess(std::uint32_t id, const std::string& imagePath) {
    SimProcess& p = processes_[id];
    p.id = id;
    p.imagePath = imagePath;
    return p;
}

void SimDesktop::AddDrive(const std::string& root, const std::string& device) {
    drives_.emplace_back(root, device);
}

void SimDesktop::AddShortPath(const std::string& longPath, const std::string& shortPath) {
    shortPaths_[longPath] = shortPath;
}

Handle SimDesktop::OpenProcess(std::uint32_t access, bool, std::uint32_t processId) {
    const auto it = processes_.find(processId);
    if (it == processes_.end() || !it->second.openable || (access & it->second.deniedAccess)) return 0;
    if (it->second.elevated && (access & ~win::PROCESS_QUERY_LIMITED_INFORMATION)) return 0;
    const Handle h = nextHandle_;
    nextHandle_ += 4;
    processHandles_[h] = processId;
    handleAccess_[h] = access;
    return h;
}

bool SimDesktop::CloseHandle(Handle handle) {
    handleAccess_.erase(handle);
    return processHandles_.erase(handle) > 0;
}

// The process's windows go with it; its handles stay open until closed.
bool SimDesktop::TerminateProcess(Handle process, std::uint32_t) {
    calls.push_back({"TerminateProcess", 0, static_cast<std::int64_t>(process), 0});
    const SimProcess* proc = ProcessOfHandle(process, win::PROCESS_TERMINATE);
    if (!proc) return false;
    const std::uint32_t id = proc->id;
    std::vector<Hwnd> doomed;
    for (const auto& entry : windows_)
        if (entry.second.processId == id && entry.first != kDesktop) doomed.push_back(entry.first);
    for (Hwnd hwnd : doomed)
        if (Find(hwnd)) DestroyWindow(hwnd);
    terminated.push_back(id);
    return true;
}

std::uint32_t SimDesktop::GetProcessImageFileNameA(Handle process, char* buffer, std::uint32_t size) {
    const auto it = processHandles_.find(process);
    if (it == processHandles_.end()) return 0;
    return static_cast<std::uint32_t>(
        CopyOut(processes_.at(it->second).imagePath, buffer, static_cast<int>(size)));
}

std::uint32_t SimDesktop::QueryDosDeviceA(const char* deviceName, char* buffer, std::uint32_t size) {
    ++queryDosDeviceCalls;
    for (const auto& [root, device] : drives_) {
        std::string drive = root;
        while (!drive.empty() && drive.back() == '\\') drive.pop_back();
        if (drive == deviceName) {
            // The answer is a list of strings ending in two NULs.
            const int n = CopyOut(device, buffer, static_cast<int>(size) - 1);
            if (static_cast<std::uint32_t>(n) + 1 < size) buffer[n + 1] = '\0';
            return static_cast<std::uint32_t>(n + 2);
        }
    }
    return 0;
}

std::vector<std::string> SimDesktop::LogicalDrives() {
    std::vector<std::string> roots;
    for (const auto& drive : drives_) roots.push_back(drive.first);
    return roots;
}

std::uint32_t SimDesktop::GetShortPathNameA(const char* longPath, char* buffer, std::uint32_t size) {
    const auto it = shortPaths_.find(longPath);
    if (it == shortPaths_.end()) return 0;
    if (it->second.size() + 1 > size) return static_cast<std::uint32_t>(it->second.size() + 1);
    return static_cast<std::uint32_t>(CopyOut(it->second, buffer, static_cast<int>(size)));
}

void SimDesktop::ShellExecuteA(Hwnd, const char* operation, const char* file,
                               const char* parameters, const char*, int) {
    shellExecuted.push_back(std::string(operation) + "|" + file + "|" + parameters);
}

std::string SimDesktop::AnsiToUtf8(const std::string& ansi) {
    return Convert(ansi, "UTF-8", codePage_.c_str());
}

std::string SimDesktop::Utf8ToAnsi(const std::string& utf8) {
    return Convert(utf8, codePage_.c_str(), "UTF-8");
}

}  // namespace lumivex::sim
