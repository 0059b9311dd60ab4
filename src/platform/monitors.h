// Where things are on a desktop of several monitors: the virtual screen and
// the monitor a window is on, in physical pixels. Nothing here scales: the
// program is aware of each monitor's DPI, so every coordinate the system
// hands it is already a physical pixel.
#pragma once

#include "platform/platform.h"

namespace lumivex {

// The union of all monitors. Its left and top are negative when a monitor
// lies left of or above the primary one.
inline Rect VirtualScreenRect(Platform& p) {
    const int x = p.GetSystemMetrics(win::SM_XVIRTUALSCREEN), y = p.GetSystemMetrics(win::SM_YVIRTUALSCREEN);
    return Rect{x, y, x + p.GetSystemMetrics(win::SM_CXVIRTUALSCREEN), y + p.GetSystemMetrics(win::SM_CYVIRTUALSCREEN)};
}

// The whole rectangle (not the work area) of the monitor the window is on,
// or of the nearest one; without a window, the primary monitor. Should the
// system not tell, the primary monitor as the screen metrics give it.
inline Rect MonitorRectOf(Platform& p, Hwnd hwnd) {
    const Hmonitor monitor = hwnd != 0 ? p.MonitorFromWindow(hwnd, win::MONITOR_DEFAULTTONEAREST)
                                       : p.MonitorFromPoint(Point{0, 0}, win::MONITOR_DEFAULTTOPRIMARY);
    MonitorInfo info;
    if (monitor != 0 && p.GetMonitorInfoW(monitor, info)) return info.rcMonitor;
    return Rect{0, 0, p.GetSystemMetrics(win::SM_CXSCREEN), p.GetSystemMetrics(win::SM_CYSCREEN)};
}

}  // namespace lumivex
