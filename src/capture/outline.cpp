#include "capture/outline.h"

#include "platform/handles.h"
#include "platform/monitors.h"

namespace lumivex {

Rect ClampedWindowRect(Platform& p, Hwnd hwnd) {
    Rect r;
    p.GetWindowRect(hwnd, r);
    // Cut to all monitors, not the primary one: a window on a monitor left
    // of or above the primary has negative coordinates and is outlined and
    // pictured there. Each edge is cut on its own, so a window wholly off
    // the screens keeps right below left (or bottom above top). On one
    // monitor this is the primary's (0, 0)-(width, height).
    const Rect screen = VirtualScreenRect(p);
    if (r.left < screen.left) r.left = screen.left;
    if (r.top < screen.top) r.top = screen.top;
    if (screen.right < r.right) r.right = screen.right;
    if (screen.bottom < r.bottom) r.bottom = screen.bottom;
    return r;
}

std::optional<Rect> OutlineWindow(Platform& p, Hwnd hwnd) {
    if (hwnd == 0 || !p.IsWindow(hwnd)) return std::nullopt;
    const Rect r = ClampedWindowRect(p, hwnd);
    // A window of our own shows the inverted frame: drawn on the screen's
    // device context it would be discarded under Wine, and on Windows it
    // would leave inverted pixels behind where the window beneath repaints.
    ShownInvertedFrame frame(p, r, kOutlinePenWidth);
    p.Sleep(kOutlineMs);
    return r;
}

}  // namespace lumivex
