// The child-window list's rows: which windows, in which order, how each row
// reads, and the handle a row gives back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace lumivex {

// NumText, blanks to 10 characters, the class name (50-byte buffer), blanks
// to 30 characters ("|30 − length|" blanks, so a longer name is still
// followed by some), "标题:" and the window text ("(未响应)" when the
// window does not answer).
std::string ChildRow(Platform& p, Hwnd hwnd, bool hex);

// Direct children from the top of the Z order down, or (allDescendants)
// every descendant depth-first, each window before its children, as
// EnumChildWindows gives them. A looping chain or an absurd depth ends the walk.
std::vector<Hwnd> ChildWindows(Platform& p, Hwnd root, bool allDescendants);

// The rows of ChildWindows, texts read through the time-out door.
std::vector<std::string> ChildRows(Platform& p, Hwnd root, bool allDescendants, bool hex);

// The handle a row names: its first 10 characters without blanks, read in
// the base the hex switch selects now. A row that starts with a minus sign
// is a negative decimal handle of up to 11 characters, all of which count.
std::int32_t ReadChildRow(const std::string& row, bool hex);

// The rows joined with CR LF between them, for Notepad.
std::string JoinRows(const std::vector<std::string>& rows);

}  // namespace lumivex
