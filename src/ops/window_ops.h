// What the tools tab's buttons do to a window: close it, end its process,
// write its styles, move and resize it, set its text. None of them waits on
// another program for long: messages go through the time-out door, the
// move is posted to the window's thread, the style writes are bounded by
// the platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace lumivex {

// The door's wait for the panel's actions: a button must come back at once
// even from a busy target. A request that times out is still handled when
// the target gets to it; a hung target (SMTO_ABORTIFHUNG) is sent nothing.
constexpr std::uint32_t kActionTimeoutMs = 500;

// The system menu's Close: WM_SYSCOMMAND with SC_CLOSE.
void CloseBySystemCommand(Platform& p, Hwnd hwnd);

// Ends the process that owns hwnd, asking nothing; our own when hwnd is one
// of our windows. Does nothing for 0 or a handle that names no window.
void KillWindowProcess(Platform& p, Hwnd hwnd);

// GWL_STYLE, then GWL_EXSTYLE, then LVM_SETEXTENDEDLISTVIEWSTYLE with mask 0
// (every bit), whatever the window's class. Without a list-view value the
// message is not sent at all. Does nothing for 0 or a handle that names no
// window.
void SetWindowStyles(Platform& p, Hwnd hwnd, std::uint32_t style, std::uint32_t exStyle,
                     std::optional<std::uint32_t> listViewExStyle);

// MoveWindow's placement (the parent's client area for a child, the screen
// for a top-level window), posted to the window's thread instead of waited
// for, with the Z order and activation left alone.
void PlaceWindow(Platform& p, Hwnd hwnd, int x, int y, int width, int height);

// WM_SETTEXT with the text in the system's ANSI code page, line breaks and
// all; a window whose thread does not respond is sent nothing.
void SetControlText(Platform& p, Hwnd hwnd, const std::string& utf8Text);

}  // namespace lumivex
