// The about box ("关于 Lumivex"), shown modally over the main window.
#pragma once

#include "app/main_form.h"

#include <windows.h>

namespace lumivex {

void ShowAboutWindow(HINSTANCE instance, MainForm& main, HWND owner);

}  // namespace lumivex
