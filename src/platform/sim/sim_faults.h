// Faults the simulated desktop injects, one switch each, off by default.
// What makes a single window or process hostile (a hung window, writes
// into a process that fail) lives on SimWindow and SimProcess instead.
#pragma once

#include <map>

#include "platform/platform.h"

namespace lumivex::sim {

struct SimFaults {
    // CreateProcessA and CreateProcessW fail, as when the system is out of
    // resources or a policy forbids starting programs.
    bool createProcessFails = false;
    // CreateCompatibleBitmap answers 0, as it does when GDI memory runs out.
    bool failCreateCompatibleBitmap = false;
    // BitBlt fails, as it does from a locked or secure desktop.
    bool failBitBlt = false;
    // GetMenuItemCount answers these for the menus named, whatever they
    // hold, as a menu of another process may that lies or changes under us.
    std::map<Hmenu, int> menuCountLies;
};

}  // namespace lumivex::sim
