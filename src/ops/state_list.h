// The window state list: nine fixed entries whose ticks mirror the inspected
// window, and what releasing a mouse button over one of them does to it.
#pragma once

#include <array>

#include "app/main_form.h"

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
};

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

extern const std::array<StateRow, kStatusEntries> kStateTable;

}  // namespace lumivex
