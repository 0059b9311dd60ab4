// The simulated desktop's side of starting a program with a pipe for its
// output: the program's own path, pipes and CreateProcessW.
#include <algorithm>

#include "platform/sim/sim_desktop.h"
#include "platform/utf16.h"

namespace lumivex::sim {

namespace {
// Every right a process's creator gets on it.
constexpr std::uint32_t kProcessAllAccess = 0x001FFFFF;
}  // namespace

std::uint32_t SimDesktop::GetModuleFileNameW(char16_t* buffer, std::uint32_t size) {
    if (size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(modulePath.size(), size - 1);
    std::copy_n(modulePath.begin(), n, buffer);
    buffer[n] = u'\0';
    return n < modulePath.size() ? size : static_cast<std::uint32_t>(n);
}

bool SimDesktop::CreatePipe(Handle* readPipe, Handle* writePipe, std::uint32_t) {
    const Handle readEnd = nextHandle_;
    const Handle writeEnd = nextHandle_ + 4;
    nextHandle_ += 8;
    programs.OpenPipe(readEnd, writeEnd);
    *readPipe = readEnd;
    *writePipe = writeEnd;
    return true;
}

bool SimDesktop::CreateProcessW(const char16_t* applicationName, const char16_t* commandLine,
                                std::uint32_t creationFlags, int showCmd, Handle stdOutput,
                                ProcessInformation* info) {
    const std::u16string path(applicationName ? applicationName : u"");
    const std::u16string line(commandLine ? commandLine : u"");
    programs.starts.push_back({path, line, creationFlags, showCmd});
    const ProgramStart* found = programs.Find(path);
    if (!found || faults.createProcessFails) {
        lastError_ = win::ERROR_FILE_NOT_FOUND;
        return false;
    }
    // A copy: what the program does may add programs of its own.
    const ProgramStart start = *found;
    SimProgram program = start(line);
    const std::uint32_t pid = NewProcessId();
    const std::string image = Utf16ToUtf8(path.size() > 2 && path[1] == u':' ? path.substr(2) : path);
    AddProcess(pid, "\\Device\\HarddiskVolume1" + image).is64Bit = true;
    const Handle h = nextHandle_;
    nextHandle_ += 4;
    processHandles_[h] = pid;
    handleAccess_[h] = kProcessAllAccess;
    ShowWindowsOf(pid, program);
    programs.Started(pid, std::move(program), stdOutput);
    if (info) *info = {h, pid};
    return true;
}

bool SimDesktop::PeekNamedPipe(Handle pipe, std::uint32_t* totalBytesAvail) {
    return programs.Peek(pipe, totalBytesAvail, lastError_);
}

bool SimDesktop::ReadFile(Handle file, void* buffer, std::uint32_t size, std::uint32_t* read) {
    return programs.Read(file, buffer, size, read, lastError_);
}

}  // namespace lumivex::sim
