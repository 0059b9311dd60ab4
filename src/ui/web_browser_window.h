// The embedded browser showing the program's bundled page.
#pragma once

#include <windows.h>

namespace lumivex {

// Hosts the WebBrowser control in rect of parent, showing the page bundled in
// the program. Where the control cannot be created, a plain label takes its
// place. Returns the window that occupies the area.
HWND CreateWebBrowser(HWND parent, HINSTANCE instance, RECT rect, HFONT font);

}  // namespace lumivex
