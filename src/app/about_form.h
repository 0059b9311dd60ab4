// The about box: its texts and the topmost lift while it is open.
#pragma once

#include <string>

#include "app/main_form.h"

namespace lumivex {

inline const std::string kAboutCaption = "关于 Lumivex";
inline const std::string kHomePageUrl = "https://lumivex.example/";
inline const std::string kAboutNote = "窗口查看工具：拖动指针到任意窗口上查看它的信息。";

// "Lumivex V" major "." minor ".0." revision " (2018-12-4)".
std::string AboutVersionText(int major, int minor, int revision);

// Neither window is topmost while the box is open; closing it puts the main
// window back on top when "总在最上面" is ticked.
void LiftTopmostForAbout(MainForm& main, Hwnd dialog);
void RestoreTopmostAfterAbout(MainForm& main);

}  // namespace lumivex
