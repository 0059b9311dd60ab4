// The inverted outline drawn round a window for a moment, so that the user
// sees which window the finder or a flash run means.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace lumivex {

// How long one outline stays on the screen; the caller waits that long.
constexpr std::uint32_t kOutlineMs = 400;
constexpr int kOutlinePenWidth = 3;
// Outlines in one flash run.
constexpr int kFlashRunLength = 3;

// The window's rectangle cut to the virtual screen, in physical pixels.
Rect ClampedWindowRect(Platform& p, Hwnd hwnd);

// Outlines the window for kOutlineMs, blocking, and answers the rectangle
// outlined; nothing for 0 or a handle that is not a window.
std::optional<Rect> OutlineWindow(Platform& p, Hwnd hwnd);

}  // namespace lumivex
