// State shared by the program's windows for the whole run: the hand-offs
// between windows and the tables built once. One owner, passed to whoever
// needs it, so that a test can start from a fresh one.
#pragma once

#include "info/process_path.h"
#include "readers/notepad_output.h"
#include "readers/read_result.h"
#include "platform/platform.h"
#include "text/charset_table.h"

namespace lumivex {

struct Session {
    // Inspected window handed from the child-window list to the main window.
    Hwnd ChildListHwnd = 0;
    // The Notepad texts are shown in: the one this program started (its
    // window is the NotepadHwnd of old), reused while it lives.
    NotepadState notepad;
    // Device names to drives, built on first use.
    DriveMapCache drives;
    // Character sets named by the font report, built when the main window loads.
    CharsetTable charsets;
    // Blocks the readers left in other processes after requests that went
    // unanswered, by process.
    KeptRemoteBlocks keptBlocks;
};

}  // namespace lumivex
