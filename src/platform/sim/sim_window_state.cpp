// The simulated window functions that change a window's state: place,
// show, enable, Z order. The ones that wait for the window's thread count
// a call to a hung or busy window, which would freeze the caller on Windows.
#include <algorithm>

#include "platform/sim/sim_desktop.h"

namespace lumivex::sim {

bool SimDesktop::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) {
    calls.push_back({"SetWindowPos", hwnd, static_cast<std::int32_t>(insertAfter), flags});
    if (!(flags & win::SWP_ASYNCWINDOWPOS)) NoteWaitingCall(hwnd);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    if (insertAfter == win::HWND_TOPMOST) w->exStyle |= win::WS_EX_TOPMOST;
    if (insertAfter == win::HWND_NOTOPMOST) w->exStyle &= ~win::WS_EX_TOPMOST;
    if (insertAfter == win::HWND_TOP && !(flags & win::SWP_NOZORDER)) {
        auto& siblings = Siblings(*w);
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
        siblings.insert(siblings.begin(), hwnd);
    }
    if (!(flags & win::SWP_NOMOVE)) {
        const int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
        const Point origin = PlacementOrigin(*w);
        w->rect = {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
    }
    if (!(flags & win::SWP_NOSIZE)) {
        w->rect.right = w->rect.left + cx;
        w->rect.bottom = w->rect.top + cy;
        w->client = {0, 0, cx, cy};
    }
    return true;
}

bool SimDesktop::ShowWindow(Hwnd hwnd, int cmdShow) {
    calls.push_back({"ShowWindow", hwnd, cmdShow, 0});
    NoteWaitingCall(hwnd);
    return ApplyShowWindow(hwnd, cmdShow);
}

bool SimDesktop::ShowWindowAsync(Hwnd hwnd, int cmdShow) {
    calls.push_back({"ShowWindowAsync", hwnd, cmdShow, 0});
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
    calls.push_back({"EnableWindowAsync", hwnd, enable ? 1 : 0, 0});
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
    calls.push_back({"BringWindowToTop", hwnd, 0, 0});
    NoteWaitingCall(hwnd);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    auto& siblings = Siblings(*w);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    siblings.insert(siblings.begin(), hwnd);
    return true;
}

bool SimDesktop::MoveWindow(Hwnd hwnd, int x, int y, int width, int height, bool) {
    calls.push_back({"MoveWindow", hwnd, x, y});
    NoteWaitingCall(hwnd);
    SimWindow* w = Find(hwnd);
    if (!w) return false;
    const Point origin = PlacementOrigin(*w);
    w->rect = {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
    w->client = {0, 0, width, height};
    return true;
}

}  // namespace lumivex::sim
