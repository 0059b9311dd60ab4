// The child-window list, shown modally over its owner.
#pragma once

#include "app/main_form.h"

#include <windows.h>

namespace lumivex {

// Returns when the list is closed; the chosen window (or 0) is then in the
// session's ChildListHwnd for the main window's activation to take.
void ShowChildListWindow(HINSTANCE instance, MainForm& main, HWND owner);

}  // namespace lumivex
