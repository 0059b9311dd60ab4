// The one door for messages to windows that may belong to another process.
// Every such message goes through SendMessageTimeoutA with SMTO_ABORTIFHUNG:
// a hung target answers at once with failure, a slow one after the time-out,
// and the program never waits on another process for longer than that.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace lumivex {

// Long enough for a responsive window to copy megabytes of text across
// processes; short enough that the user hardly notices a stuck one.
constexpr std::uint32_t kSendTimeoutMs = 2000;
// Titles of related windows are small: a window slower than this is skipped.
constexpr std::uint32_t kQuickSendTimeoutMs = 500;

inline std::optional<Lresult> SendTimeout(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam,
                                          Lparam lParam, std::uint32_t timeoutMs = kSendTimeoutMs) {
    Lresult result = 0;
    if (!p.SendMessageTimeoutA(hwnd, msg, wParam, lParam, win::SMTO_ABORTIFHUNG, timeoutMs, &result))
        return std::nullopt;
    return result;
}

// The same door for messages whose text travels as UTF-16.
inline std::optional<Lresult> SendTimeoutW(Platform& p, Hwnd hwnd, std::uint32_t msg, Wparam wParam,
                                           Lparam lParam, std::uint32_t timeoutMs = kSendTimeoutMs) {
    Lresult result = 0;
    if (!p.SendMessageTimeoutW(hwnd, msg, wParam, lParam, win::SMTO_ABORTIFHUNG, timeoutMs, &result))
        return std::nullopt;
    return result;
}

}  // namespace lumivex
