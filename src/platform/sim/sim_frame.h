// The non-client frame of simulated windows: how far a window's client area
// lies inside its window rectangle, from its styles, by the system's rules
// and metrics (classic theme, 96 dots per inch). The logic reads a parent's
// border and caption as the difference of the two rectangles.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace lumivex::sim {

struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// GetSystemMetrics of a frame metric; -1 for an index that is none of them.
int FrameMetric(int index);

// What AdjustWindowRectEx would add around a client area (no menu bar:
// the simulated desktop gives menus no room).
FrameInsets NonClientInsets(std::uint32_t style, std::uint32_t exStyle);

// The client rectangle, in client coordinates, of a window of that size.
Rect ClientFor(const Rect& window, std::uint32_t style, std::uint32_t exStyle);

}  // namespace lumivex::sim
