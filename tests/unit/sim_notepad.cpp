#include "sim_notepad.h"

namespace lumivex::test {

Hwnd CreateNotepad(sim::SimDesktop& desk, std::uint32_t processId, bool richEdit) {
    if (!desk.Process(processId))
        desk.AddProcess(processId, "\\Device\\HarddiskVolume1\\Windows\\notepad.exe").is64Bit = true;
    sim::WindowSpec main;
    main.className = "Notepad";
    main.text = "无标题 - 记事本";
    main.style = win::WS_VISIBLE | win::WS_CAPTION | 0x00080000;
    main.rect = {40, 40, 840, 640};
    main.processId = processId;
    main.threadId = processId + 1;
    const Hwnd hwnd = desk.CreateWindow(main);
    sim::WindowSpec edit;
    edit.className = "Edit";
    edit.style = win::WS_CHILD | win::WS_VISIBLE | 0x0004;  // ES_MULTILINE
    edit.rect = {48, 90, 832, 632};
    edit.parent = hwnd;
    edit.id = 15;
    if (richEdit) {
        sim::WindowSpec box = edit;
        box.className = "NotepadTextBox";
        edit.parent = desk.CreateWindow(box);
        edit.className = "RichEditD2DPT";
    }
    desk.CreateWindow(edit);
    return hwnd;
}

void InstallNotepad(sim::SimDesktop& desk, NotepadModel model) {
    desk.programs.Add(u"C:\\Windows\\system32\\notepad.exe", [model](const std::u16string&) {
        sim::SimProgram notepad;
        notepad.startupMs = model.startupMs;
        notepad.showWindows = [model](sim::SimDesktop& d, std::uint32_t processId) {
            CreateNotepad(d, model.handsOffWindow ? d.NewProcessId() : processId, model.richEdit);
        };
        return notepad;
    });
}

}  // namespace lumivex::test
