// Programs started with CreateProcessA, and the passing of time that lets
// the windows of programs started appear.
#include <algorithm>
#include <iterator>

#include "platform/sim/sim_desktop.h"
#include "platform/utf16.h"

namespace lumivex::sim {

namespace {
// The program a command line names: its first word, or its quoted path.
std::string ProgramOf(const std::string& commandLine) {
    if (!commandLine.empty() && commandLine[0] == '"') return commandLine.substr(1, commandLine.find('"', 1) - 1);
    return commandLine.substr(0, commandLine.find(' '));
}
}  // namespace

bool SimDesktop::CreateProcessA(const char* commandLine, int, std::uint32_t* processId) {
    if (processId) *processId = 0;
    log.AddCall(CallKind::System, "CreateProcessA", 0, 0, 0, commandLine ? commandLine : "");
    if (faults.createProcessFails || !commandLine) return false;
    const std::uint32_t pid = NewProcessId();
    const std::string program = ProgramOf(commandLine);
    const std::string image = program.size() > 2 && program[1] == ':' ? program.substr(2) : "\\" + program;
    AddProcess(pid, "\\Device\\HarddiskVolume1" + image).is64Bit = true;
    // Found by its full path only: a bare name is looked up in the current
    // folder first, where anything may lie. Any other program starts too,
    // and shows nothing.
    if (const ProgramStart* found = programs.Find(Utf8ToUtf16(AnsiToUtf8(program)))) {
        // A copy: what the program does may add programs of its own.
        const ProgramStart start = *found;
        SimProgram started = start(Utf8ToUtf16(AnsiToUtf8(commandLine)));
        ShowWindowsOf(pid, started);
    }
    if (processId) *processId = pid;
    return true;
}

void SimDesktop::ShowWindowsOf(std::uint32_t processId, SimProgram& program) {
    if (!program.showWindows) return;
    if (program.startupMs == 0)
        program.showWindows(*this, processId);
    else
        pendingWindows_.push_back({processId, sleptMs + program.startupMs, std::move(program.showWindows)});
}

void SimDesktop::Sleep(std::uint32_t ms) {
    sleptMs += ms;
    // Programs started earlier show their windows once their time has come.
    auto due = std::stable_partition(pendingWindows_.begin(), pendingWindows_.end(),
                                     [&](const PendingWindows& w) { return w.dueMs > sleptMs; });
    std::vector<PendingWindows> ready(std::make_move_iterator(due), std::make_move_iterator(pendingWindows_.end()));
    pendingWindows_.erase(due, pendingWindows_.end());
    for (PendingWindows& w : ready) w.show(*this, w.processId);
    if (onSleep) onSleep(ms);
}

}  // namespace lumivex::sim
