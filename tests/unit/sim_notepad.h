// The system's Notepad as the tests run it: started by its full path, it
// shows "无标题 - 记事本" with an Edit child (id 15) to write into. A newer
// Notepad can be modelled too, and one slow to show its window.
#pragma once

#include <cstdint>

#include "platform/sim/sim_desktop.h"

namespace lumivex::test {

struct NotepadModel {
    // Its window appears this long after its start, in Sleep time.
    std::uint32_t startupMs = 0;
    // A newer Notepad: the window belongs to another process than the one
    // started, and the editor is a rich edit inside a box of its own.
    bool handsOffWindow = false;
    bool richEdit = false;
};

// Puts Notepad on the desktop's disk, in place of the one there.
void InstallNotepad(sim::SimDesktop& desk, NotepadModel model = {});

// A Notepad main window with its editor, in process processId (added when
// the desktop has no such process).
Hwnd CreateNotepad(sim::SimDesktop& desk, std::uint32_t processId, bool richEdit = false);

}  // namespace lumivex::test
