// The simulated system: processes, drives, short paths, the shell and the
// ANSI code page.
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_text.h"
#include "platform/utf16.h"

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
    if (programs.ClosePipeEnd(handle)) return true;
    if (const auto thread = threads_.find(handle); thread != threads_.end()) {
        // A thread whose handle is closed runs on to its end.
        if (thread->second.joinable()) thread->second.detach();
        threads_.erase(thread);
        return true;
    }
    handleAccess_.erase(handle);
    return processHandles_.erase(handle) > 0;
}

Handle SimDesktop::CreateThread(std::function<void()> run) {
    const Handle h = nextHandle_;
    nextHandle_ += 4;
    threads_.emplace(h, std::thread(std::move(run)));
    return h;
}

// A thread is waited for to its end, whatever the time-out; a program
// started with CreateProcessW moves on by one piece of its output.
std::uint32_t SimDesktop::WaitForSingleObject(Handle handle, std::uint32_t ms) {
    const auto process = processHandles_.find(handle);
    if (process != processHandles_.end())
        return programs.IsProgram(process->second) ? programs.Wait(process->second, ms) : win::WAIT_FAILED;
    const auto thread = threads_.find(handle);
    if (thread == threads_.end()) return win::WAIT_FAILED;
    if (thread->second.joinable()) thread->second.join();
    return win::WAIT_OBJECT_0;
}

// The process's windows go with it; its handles stay open until closed.
bool SimDesktop::TerminateProcess(Handle process, std::uint32_t) {
    const SimProcess* proc = ProcessOfHandle(process, win::PROCESS_TERMINATE);
    // The process ended is the call's second number, 0 when it was refused.
    log.AddCall(CallKind::Change, "TerminateProcess", 0, static_cast<std::int64_t>(process), proc ? proc->id : 0);
    if (!proc) return false;
    const std::uint32_t id = proc->id;
    programs.End(id);
    std::vector<Hwnd> doomed;
    for (const auto& entry : windows_)
        if (entry.second.processId == id && entry.first != kDesktop) doomed.push_back(entry.first);
    for (Hwnd hwnd : doomed)
        if (Find(hwnd)) DestroyWindow(hwnd);
    return true;
}

std::uint32_t SimDesktop::GetProcessImageFileNameW(Handle process, char16_t* buffer, std::uint32_t size) {
    const auto it = processHandles_.find(process);
    if (it == processHandles_.end()) return 0;
    return static_cast<std::uint32_t>(
        CopyOut(Utf8ToUtf16(processes_.at(it->second).imagePath), buffer, static_cast<int>(size)));
}

std::uint32_t SimDesktop::QueryDosDeviceW(const char16_t* deviceName, char16_t* buffer, std::uint32_t size) {
    log.AddCall(CallKind::System, "QueryDosDeviceW", 0, 0, 0, deviceName ? Utf16ToUtf8(deviceName) : "");
    for (const auto& [root, device] : drives_) {
        std::string drive = root;
        while (!drive.empty() && drive.back() == '\\') drive.pop_back();
        if (Utf8ToUtf16(drive) == deviceName) {
            // The answer is a list of strings ending in two NULs.
            const int n = CopyOut(Utf8ToUtf16(device), buffer, static_cast<int>(size) - 1);
            if (static_cast<std::uint32_t>(n) + 1 < size) buffer[n + 1] = u'\0';
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

std::uint32_t SimDesktop::GetShortPathNameW(const char16_t* longPath, char16_t* buffer, std::uint32_t size) {
    const auto it = shortPaths_.find(Utf16ToUtf8(longPath));
    if (it == shortPaths_.end()) return 0;
    const std::u16string shortPath = Utf8ToUtf16(it->second);
    if (shortPath.size() + 1 > size) return static_cast<std::uint32_t>(shortPath.size() + 1);
    return static_cast<std::uint32_t>(CopyOut(shortPath, buffer, static_cast<int>(size)));
}

void SimDesktop::ShellExecuteW(Hwnd owner, const char16_t* operation, const char16_t* file,
                               const char16_t* parameters, const char16_t*, int) {
    log.AddCall(CallKind::System, "ShellExecuteW", owner, 0, 0,
                Utf16ToUtf8(operation) + "|" + Utf16ToUtf8(file) + "|" + Utf16ToUtf8(parameters));
}

std::string SimDesktop::AnsiToUtf8(const std::string& ansi) {
    return Convert(ansi, "UTF-8", codePage_.c_str());
}

std::string SimDesktop::Utf8ToAnsi(const std::string& utf8) {
    return Convert(utf8, codePage_.c_str(), "UTF-8");
}

std::string SimDesktop::WideToAnsi(std::u16string_view wide) {
    // One character at a time, so that a character the code page lacks
    // becomes '?' without upsetting the ones after it.
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] < 0x80) {  // every code page the desktop knows keeps ASCII
            out.push_back(static_cast<char>(wide[i]));
            continue;
        }
        std::size_t units = 1;
        if (wide[i] >= 0xD800 && wide[i] < 0xDC00 && i + 1 < wide.size()) units = 2;
        const std::string bytes(reinterpret_cast<const char*>(wide.data() + i), units * 2);
        const std::string converted = Convert(bytes, codePage_.c_str(), "UTF-16LE");
        out += converted.empty() || converted.find('?') != std::string::npos ? std::string("?") : converted;
        i += units - 1;
    }
    return out;
}

}  // namespace lumivex::sim
