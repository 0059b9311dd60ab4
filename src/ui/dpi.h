// The pixel density of our windows, and the system calls that go with it.
// Every call newer than Windows 7 is looked up: the program starts there too.
#pragma once

#include "layout/form_layouts.h"

#include <windows.h>

#include "ui/gdi_handles.h"

// Newer than the Windows 7 headers the program is built against.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_BEFOREPARENT
#define WM_DPICHANGED_BEFOREPARENT 0x02E2
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace lumivex {

// Per-monitor awareness (version 2, else version 1, else the system's DPI)
// for when the manifest's declaration is not honoured; a process already
// aware keeps what it has.
void DeclareDpiAwareness();

// The DPI the window is shown at; the screen's where the system cannot say
// per window.
int DpiOfWindow(HWND window);

// A system metric at dpi (the icon sizes, the cursor's, a scroll bar's).
int SystemMetricForDpi(int index, int dpi);

// The caption and frame a window of these styles has at dpi.
Size NonClientSize(DWORD style, DWORD exStyle, int dpi);

// Resizes window to the layout's size at dpi, keeping its place.
void FitWindowToDpi(HWND window, const FormLayout& layout, int dpi);

// The size to answer WM_GETDPISCALEDSIZE with.
Size OuterSizeAt(HWND window, const FormLayout& layout, int dpi);

// WM_DPICHANGED: the window takes the rectangle the system suggests.
void TakeSuggestedRect(HWND window, LPARAM suggested);

// The forms' font, 9 points at dpi: "宋体" of 12 pixels at 96 DPI.
UniqueFont MakeFormFont(int dpi);

// The program's icon at size × size pixels, shared (never destroyed).
HICON SharedProgramIcon(HINSTANCE instance, int size);

}  // namespace lumivex
