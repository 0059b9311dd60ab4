// The common save dialog (GetSaveFileNameW). Windows build only.
#pragma once

#include <string>

#include "picture/picture_save.h"
#include "platform/win32/win32_platform.h"

namespace lumivex {

// The chosen path in UTF-8, or the empty text when the user cancels or the
// dialog fails; whether the path was too long for it. Modal to owner.
SaveDialogChoice ShowSaveDialog(HWND owner, HINSTANCE instance, const std::string& extension);

}  // namespace lumivex
