// Programs the simulated desktop starts (Notepad), the passing of time that
// lets their windows appear, top-level window lookups, and UTF-16 texts.
#include <algorithm>
#include <cctype>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_text.h"
#include "platform/utf16.h"

namespace lumivex::sim {

namespace {
bool SameClass(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
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

Hwnd SimDesktop::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className, const char* windowName) {
    const SimWindow* p = parent ? Find(parent) : nullptr;
    if (parent && !p) return 0;
    const std::vector<Hwnd>& list = p ? p->children : topLevel_;
    auto it = list.begin();
    if (childAfter) {
        it = std::find(list.begin(), list.end(), childAfter);
        if (it == list.end()) return 0;
        ++it;
    }
    for (; it != list.end(); ++it) {
        const SimWindow& w = windows_.at(*it);
        if (className && !SameClass(w.className, className)) continue;
        if (windowName && Utf8ToAnsi(w.text) != windowName) continue;
        return *it;
    }
    return 0;
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
