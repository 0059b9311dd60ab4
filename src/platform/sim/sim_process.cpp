// Programs the simulated desktop starts (Notepad), the passing of time that
// lets their windows appear, top-level window lookups, and UTF-16 texts.
#include <algorithm>
#include <cctype>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_text.h"

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

Hwnd SimDesktop::CreateNotepad(std::uint32_t processId) {
    if (notepadHandsOffWindow) {
        nextProcessId_ += 4;
        processId = nextProcessId_;
    }
    if (!Process(processId)) AddProcess(processId, "\\Device\\HarddiskVolume1\\Windows\\notepad.exe").is64Bit = true;
    WindowSpec main;
    main.className = "Notepad";
    main.text = "无标题 - 记事本";
    main.style = win::WS_VISIBLE | win::WS_CAPTION | 0x00080000;
    main.rect = {40, 40, 840, 640};
    main.processId = processId;
    main.threadId = processId + 1;
    const Hwnd hwnd = CreateWindow(main);
    WindowSpec edit;
    edit.className = "Edit";
    edit.style = win::WS_CHILD | win::WS_VISIBLE | 0x0004;  // ES_MULTILINE
    edit.rect = {48, 90, 832, 632};
    edit.parent = hwnd;
    edit.id = 15;
    if (notepadRichEdit) {
        WindowSpec box = edit;
        box.className = "NotepadTextBox";
        edit.parent = CreateWindow(box);
        edit.className = "RichEditD2DPT";
    }
    CreateWindow(edit);
    return hwnd;
}

bool SimDesktop::CreateProcessA(const char* commandLine, int, std::uint32_t* processId) {
    if (processId) *processId = 0;
    log.AddCall(CallKind::System, "CreateProcessA", 0, 0, 0, commandLine ? commandLine : "");
    if (faults.createProcessFails || !commandLine) return false;
    nextProcessId_ += 4;
    const std::uint32_t pid = nextProcessId_;
    const std::string program = ProgramOf(commandLine);
    // Only the system's own Notepad: a bare name is looked up in the current
    // folder first, where anything may lie.
    const bool notepad = SameClass(program, (GetSystemDirectoryA() + "\\notepad.exe").c_str());
    const std::string image = program.size() > 2 && program[1] == ':' ? program.substr(2) : "\\" + program;
    AddProcess(pid, "\\Device\\HarddiskVolume1" + image).is64Bit = true;
    if (notepad) {
        if (notepadDelayMs == 0)
            CreateNotepad(pid);
        else if (notepadDelayMs > 0)
            pendingNotepads_.push_back({pid, sleptMs + static_cast<std::uint32_t>(notepadDelayMs)});
    }
    if (processId) *processId = pid;
    return true;
}

void SimDesktop::Sleep(std::uint32_t ms) {
    sleptMs += ms;
    // Programs started earlier show their windows once their time has come.
    auto due = std::stable_partition(pendingNotepads_.begin(), pendingNotepads_.end(),
                                     [&](const PendingWindow& w) { return w.dueMs > sleptMs; });
    const std::vector<PendingWindow> ready(due, pendingNotepads_.end());
    pendingNotepads_.erase(due, pendingNotepads_.end());
    for (const PendingWindow& w : ready) CreateNotepad(w.processId);
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
