// The simulated window functions that change a window's state: place,
// show, enable, Z order. The ones that wait for the window's thread count
// a call to a hung or busy window, which would freeze the caller on Windows.
#include <algorithm>

#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_frame.h"

namespace lumivex::sim {

namespace {
bool Topmost(const SimWindow& w) { return (w.exStyle & win::WS_EX_TOPMOST) != 0; }
}  // namespace

void SimDesktop::Raise(Hwnd hwnd) {
    const SimWindow& w = Window(hwnd);
    auto& siblings = Siblings(w);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    auto at = siblings.begin();
    if (!w.parent && !Topmost(w))
        at = std::find_if(siblings.begin(), siblings.end(), [&](Hwnd h) { return !Topmost(windows_.at(h)); });
    siblings.insert(at, hwnd);
}

void SimDesktop::Place(SimWindow& w, const Rect& rect) {
    const int dx = rect.left - w.rect.left, dy = rect.top - w.rect.top;
    const bool resized = rect.right - rect.left != w.rect.right - w.rect.left ||
                         rect.bottom - rect.top != w.rect.bottom - w.rect.top;
    w.rect = rect;
    if (resized) w.client = ClientFor(rect, w.style, w.exStyle);
    if (dx == 0 && dy == 0) return;
    // Children keep their place in the parent's client area.
    for (Hwnd child : w.children) {
        SimWindow& c = Window(child);
        Place(c, {c.rect.left + dx, c.rect.top + dy, c.rect.right + dx, c.rect.bottom + dy});
    }
}

bool SimDesktop::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) {
    log.AddCall(CallKind::Change, "SetWindowPos", hwnd, static_cast<std::int32_t>(insertAfter), flags);
    if (!(flags & win::SWP_ASYNCWINDOWPOS)) NoteWaitingCall(hwnd);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    if (!(flags & win::SWP_NOZORDER)) {
        // Only top-level windows are topmost; a child is just raised.
        const bool topLevel = w->parent == 0;
        if (insertAfter == win::HWND_TOPMOST && topLevel) w->exStyle |= win::WS_EX_TOPMOST;
        // Leaving the topmost band puts it at the top of the rest; a window
        // not in the band stays where it is.
        const bool leaves = insertAfter == win::HWND_NOTOPMOST && topLevel && Topmost(*w);
        if (leaves) w->exStyle &= ~win::WS_EX_TOPMOST;
        if (leaves || insertAfter == win::HWND_TOP || insertAfter == win::HWND_TOPMOST) Raise(hwnd);
    }
    Rect rect = w->rect;
    if (!(flags & win::SWP_NOMOVE)) {
        const Point origin = PlacementOrigin(*w);
        rect = {origin.x + x, origin.y + y, origin.x + x + (rect.right - rect.left),
                origin.y + y + (rect.bottom - rect.top)};
    }
    if (!(flags & win::SWP_NOSIZE)) {
        rect.right = rect.left + cx;
        rect.bottom = rect.top + cy;
    }
    Place(*w, rect);
    return true;
}

bool SimDesktop::ShowWindow(Hwnd hwnd, int cmdShow) {
    log.AddCall(CallKind::Change, "ShowWindow", hwnd, cmdShow, 0);
    NoteWaitingCall(hwnd);
    return ApplyShowWindow(hwnd, cmdShow);
}

bool SimDesktop::ShowWindowAsync(Hwnd hwnd, int cmdShow) {
    log.AddCall(CallKind::Change, "ShowWindowAsync", hwnd, cmdShow, 0);
    ApplyShowWindow(hwnd, cmdShow);
    return IsWindow(hwnd);
}

bool SimDesktop::ApplyShowWindow(Hwnd hwnd, int cmdShow) {
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    const bool wasVisible = (w->style & win::WS_VISIBLE) != 0;
    switch (cmdShow) {
        case win::SW_HIDE: w->style &= ~win::WS_VISIBLE; break;
        case win::SW_SHOW:
        case win::SW_SHOWNORMAL: w->style |= win::WS_VISIBLE; break;
        case win::SW_SHOWMAXIMIZED:
            w->style = (w->style | win::WS_VISIBLE | win::WS_MAXIMIZE) & ~win::WS_MINIMIZE;
            break;
        case win::SW_MINIMIZE:
            w->style = (w->style | win::WS_VISIBLE | win::WS_MINIMIZE) & ~win::WS_MAXIMIZE;
            break;
        case win::SW_RESTORE:
            w->style = (w->style | win::WS_VISIBLE) & ~(win::WS_MINIMIZE | win::WS_MAXIMIZE);
            break;
        default: break;
    }
    return wasVisible;
}

bool SimDesktop::EnableWindowAsync(Hwnd hwnd, bool enable) {
    log.AddCall(CallKind::Change, "EnableWindowAsync", hwnd, enable ? 1 : 0, 0);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    const bool wasDisabled = (w->style & win::WS_DISABLED) != 0;
    if (enable)
        w->style &= ~win::WS_DISABLED;
    else
        w->style |= win::WS_DISABLED;
    return wasDisabled;
}

bool SimDesktop::BringWindowToTop(Hwnd hwnd) {
    log.AddCall(CallKind::Change, "BringWindowToTop", hwnd, 0, 0);
    NoteWaitingCall(hwnd);
    if (!Find(hwnd)) return false;
    Raise(hwnd);
    return true;
}

bool SimDesktop::MoveWindow(Hwnd hwnd, int x, int y, int width, int height, bool) {
    log.AddCall(CallKind::Change, "MoveWindow", hwnd, x, y);
    NoteWaitingCall(hwnd);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    const Point origin = PlacementOrigin(*w);
    Place(*w, {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height});
    return true;
}

}  // namespace lumivex::sim
