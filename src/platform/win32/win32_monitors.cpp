// Monitors, as the system reports them to a program aware of each
// monitor's DPI: rectangles in physical pixels of the virtual screen.
#include "platform/win32/win32_platform.h"

namespace lumivex {

namespace {
Rect FromRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
HMONITOR ToHmonitor(Hmonitor m) { return reinterpret_cast<HMONITOR>(m); }
}  // namespace

Hmonitor Win32Platform::MonitorFromWindow(Hwnd hwnd, std::uint32_t flags) {
    return reinterpret_cast<Hmonitor>(::MonitorFromWindow(ToHwnd(hwnd), flags));
}

Hmonitor Win32Platform::MonitorFromPoint(Point p, std::uint32_t flags) {
    return reinterpret_cast<Hmonitor>(::MonitorFromPoint(POINT{p.x, p.y}, flags));
}

bool Win32Platform::GetMonitorInfoW(Hmonitor monitor, MonitorInfo& info) {
    if (info.cbSize != sizeof(MONITORINFO)) return false;
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfoW(ToHmonitor(monitor), &mi)) return false;
    info.rcMonitor = FromRect(mi.rcMonitor);
    info.rcWork = FromRect(mi.rcWork);
    info.dwFlags = mi.dwFlags;
    return true;
}

}  // namespace lumivex
