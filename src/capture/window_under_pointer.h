// Choosing the window under the pointer: the deepest window there,
// including hidden and disabled controls that WindowFromPoint passes over.
#pragma once

#include <string>

#include "platform/platform.h"

namespace lumivex {

// False only for a child window that has a parent.
bool IsTopLevelWindow(Platform& p, Hwnd hwnd);

// The window the finder and the delayed read pick at the pointer.
Hwnd GetMouseHwnd(Platform& p);

struct CursorData {
    Hcursor cursor = 0;
    std::int32_t x = 0, y = 0;
};
CursorData GetCursorData(Platform& p);

// The main window's title while the delayed read counts down.
std::string CountdownTitle(int shown, const CursorData& cursor);

}  // namespace lumivex
