// A message box centred over its owner window.
#pragma once

#include <windows.h>

namespace lumivex {

// MessageBoxW with a one-shot CBT hook that moves the box over owner when
// it is activated. Without an owner the box is centred on the monitor of
// the owner's root owner (our main window), or on the box's own monitor.
int CenteredMsgBox(HWND owner, const wchar_t* text, UINT style, const wchar_t* title);

}  // namespace lumivex
