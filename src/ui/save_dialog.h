// The common save dialog (GetSaveFileNameW). Windows build only.
#pragma once

#include <string>

#include <windows.h>

namespace lumivex {

// The chosen path in UTF-8, or the empty text when the user cancels or the
// dialog fails. Modal to owner.
std::string ShowSaveDialog(HWND owner, HINSTANCE instance, const std::string& extension);

}  // namespace lumivex
