// The simulated monitors: the virtual screen is their union, and a window
// or point belongs to the monitor MonitorFromWindow's rules pick.
#include <algorithm>
#include <limits>

#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

namespace {
// Monitor handles are 1-based positions, tagged so that 0 stays "none".
constexpr Hmonitor kMonitorTag = 0x10000;

std::int64_t Overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared gap between two rectangles; 0 when they touch or overlap.
std::int64_t Gap(const Rect& a, const Rect& b) {
    const std::int64_t dx = std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
    const std::int64_t dy = std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
    return dx * dx + dy * dy;
}
}  // namespace

void SimDesktop::SetMonitors(const std::vector<SimMonitor>& monitors) {
    monitors_ = monitors;
    for (SimMonitor& m : monitors_)
        if (m.work == Rect{}) m.work = m.rect;
    const Rect primary = monitors_.empty() ? Rect{} : monitors_.front().rect;
    screenWidth_ = primary.right - primary.left;
    screenHeight_ = primary.bottom - primary.top;
    virtual_ = primary;
    for (const SimMonitor& m : monitors_) {
        virtual_.left = std::min(virtual_.left, m.rect.left);
        virtual_.top = std::min(virtual_.top, m.rect.top);
        virtual_.right = std::max(virtual_.right, m.rect.right);
        virtual_.bottom = std::max(virtual_.bottom, m.rect.bottom);
    }
    const auto width = static_cast<std::size_t>(std::max(virtual_.right - virtual_.left, 0));
    const auto height = static_cast<std::size_t>(std::max(virtual_.bottom - virtual_.top, 0));
    screen_.assign(width * height, 0);
}

Hmonitor SimDesktop::MonitorOfArea(const Rect& area, std::uint32_t flags) const {
    std::int64_t best = 0;
    Hmonitor found = 0;
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const std::int64_t overlap = Overlap(area, monitors_[i].rect);
        if (overlap > best) {
            best = overlap;
            found = kMonitorTag + i + 1;
        }
    }
    if (found != 0 || monitors_.empty() || flags == win::MONITOR_DEFAULTTONULL) return found;
    if (flags == win::MONITOR_DEFAULTTOPRIMARY) return kMonitorTag + 1;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const std::int64_t gap = Gap(area, monitors_[i].rect);
        if (gap < nearest) {
            nearest = gap;
            found = kMonitorTag + i + 1;
        }
    }
    return found;
}

Hmonitor SimDesktop::MonitorFromWindow(Hwnd hwnd, std::uint32_t flags) {
    // No window: an empty rectangle at the origin, which overlaps nothing
    // and is nearest to the primary monitor.
    Rect rect;
    if (!GetWindowRect(hwnd, rect)) rect = Rect{};
    return MonitorOfArea(rect, flags);
}

Hmonitor SimDesktop::MonitorFromPoint(Point p, std::uint32_t flags) {
    // A point is the one-pixel rectangle at it: the monitor containing it
    // overlaps it, and the nearest one is at the least distance.
    return MonitorOfArea(Rect{p.x, p.y, p.x + 1, p.y + 1}, flags);
}

bool SimDesktop::GetMonitorInfoW(Hmonitor monitor, MonitorInfo& info) {
    if (info.cbSize != sizeof(MonitorInfo) || monitor <= kMonitorTag || monitor > kMonitorTag + monitors_.size())
        return false;
    const std::size_t index = monitor - kMonitorTag - 1;
    info.rcMonitor = monitors_[index].rect;
    info.rcWork = monitors_[index].work;
    info.dwFlags = index == 0 ? win::MONITORINFOF_PRIMARY : 0;
    return true;
}

}  // namespace lumivex::sim
