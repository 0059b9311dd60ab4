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
    const Hwnd desktop = p.GetDesktopWindow();
    WindowDc screen(p, desktop, p.GetWindowDC(desktop));
    Rop2Guard notXor(p, screen.get(), win::R2_NOTXORPEN);
    const Rect r = ClampedWindowRect(p, hwnd);
    GdiObject pen(p, p.CreatePen(win::PS_SOLID, kOutlinePenWidth, 0));
    SelectGuard usePen(p, screen.get(), pen.get());
    // Drawing twice in NOT-XOR mode inverts the frame and puts it back.
    p.Rectangle(screen.get(), r.left, r.top, r.right, r.bottom);
    p.Sleep(kOutlineMs);
    p.Rectangle(screen.get(), r.left, r.top, r.right, r.bottom);
    return r;
}

}  // namespace lumivex
