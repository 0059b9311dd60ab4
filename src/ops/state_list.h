// The window state list: nine fixed entries whose ticks mirror the inspected
// window, and what releasing a mouse button over one of them does to it.
#pragma once

#include <array>

#include "platform/platform.h"

namespace lumivex {

enum StateEntry {
    kStateVisible = 0,
    kStateEnabled,
    kStateTopMost,
    kStateReadOnly,
    kStateMaximized,
    kStateMinimized,
    kStateRestore,   // action entries: ticked only for the moment of a click
    kStateClose,
    kStateActivate,
    kStateEntryCount
};

using StateTicks = std::array<bool, kStateEntryCount>;

// What a tick or an untick does to the inspected window.
enum class StateAct { None, ShowWindow, EnableWindow, SetTopMost, SetReadOnly, Close, BringWindowToTop };

struct StateAction {
    StateAct act = StateAct::None;
    int arg = 0;  // show command, or the Boolean / flag the call takes
};

struct StateRow {
    const char* caption;
    StateAction whenTicked;
    StateAction whenUnticked;
    // Entries unticked after the ticked action ran, in this order; -1 ends.
    std::array<int, 3> untickAfter;
};

extern const std::array<StateRow, kStateEntryCount> kStateTable;

// A mouse button released over entry `index` of the state list, which now
// shows `ticked`: the ticks follow what is shown, the window gets the
// entry's action, and an action entry unticks what it undid.
void ActOnStateEntry(Platform& p, Hwnd hwnd, StateTicks& ticks, int index, bool ticked);

}  // namespace lumivex
