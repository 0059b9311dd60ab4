// Small window-reading routines shared across the program.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace lumivex {

// The part of text before its first NUL, or text unchanged.
std::string CutAtNul(const std::string& text);
// Leading blanks removed; trailing blanks stay.
std::string TrimLeadingBlanks(const std::string& text);

// Texts are read as UTF-16 and handed on as UTF-8. A buffer of n characters
// lets n - 1 through, counted as platform/text_limit.h says.

// At most 99 characters of title, read without sending a message to another
// process (safe for a hung window).
std::string GetWndTitle(Platform& p, Hwnd hwnd);
// Class name: GetClassNameW into a buffer of bufferSize characters.
std::string GetWndClass(Platform& p, Hwnd hwnd, int bufferSize = 256);

// WM_GETTEXT into a buffer of bufferSize characters, through the one door: nullopt
// when the window did not answer in time, or refused (then *refused is set,
// when given). The text is cut at its first NUL.
std::optional<std::string> SendGetText(Platform& p, Hwnd hwnd, std::size_t bufferSize,
                                       std::uint32_t timeoutMs, bool* refused = nullptr);

}  // namespace lumivex
