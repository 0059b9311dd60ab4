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

// At most 99 bytes of title, read without sending a message to another
// process (safe for a hung window). UTF-8.
std::string GetWndTitle(Platform& p, Hwnd hwnd);
// Class name, UTF-8.
std::string GetWndClass(Platform& p, Hwnd hwnd);

// WM_GETTEXT into a buffer of bufferSize bytes, through the one door: nullopt
// when the window did not answer in time, or refused (then *refused is set,
// when given). The text is cut at its first NUL and converted to UTF-8.
std::optional<std::string> SendGetText(Platform& p, Hwnd hwnd, std::size_t bufferSize,
                                       std::uint32_t timeoutMs, bool* refused = nullptr);

}  // namespace lumivex
