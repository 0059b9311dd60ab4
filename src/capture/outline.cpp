#include "capture/outline.h"

#include "platform/handles.h"

namespace lumivex {

Rect ClampedWindowRect(Platform& p, Hwnd hwnd) {
    Rect r;
    p.GetWindowRect(hwnd, r);
    // The screen size at a fixed 15 twips per pixel is the size in pixels.
    const int screenWidth = p.GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = p.GetSystemMetrics(win::SM_CYSCREEN);
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    if (screenWidth < r.right) r.right = screenWidth;
    if (screenHeight < r.bottom) r.bottom = screenHeight;
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
