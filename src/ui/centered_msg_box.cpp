#include "desktop_tree/window_tree.h"
#include "ui/centered_msg_box.h"

namespace lumivex {
namespace {

// One hook at a time per thread: the box is modal, so no second one can
// start before the first activation removes it.
thread_local HHOOK g_centerHook = nullptr;
// The window whose monitor takes the box when it has no owner to centre on.
thread_local HWND g_centerMonitorOf = nullptr;

// The whole monitor the window (our main window) is on, not the primary
// one: the user looks at the monitor Lumivex is on.
RECT WholeMonitorOf(HWND window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoW(monitor, &info)) return info.rcMonitor;
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

LRESULT CALLBACK CenterMsgBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = g_centerHook;
    if (code == HCBT_ACTIVATE && hook) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        RECT boxRect{}, ownerRect{};
        GetWindowRect(box, &boxRect);
        const HWND owner = GetParent(box);
        if (!owner || !GetWindowRect(owner, &ownerRect))
            ownerRect = WholeMonitorOf(g_centerMonitorOf ? g_centerMonitorOf : box);
        const Point origin = CenteredBoxOrigin(Rect{boxRect.left, boxRect.top, boxRect.right, boxRect.bottom},
                                               Rect{ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom});
        MoveWindow(box, origin.x, origin.y, boxRect.right - boxRect.left, boxRect.bottom - boxRect.top, TRUE);
        UnhookWindowsHookEx(hook);
        g_centerHook = nullptr;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int CenteredMsgBox(HWND owner, const wchar_t* text, UINT style, const wchar_t* title) {
    // The owner's root owner is our main window (the tree window is owned by it).
    g_centerMonitorOf = owner ? GetAncestor(owner, GA_ROOTOWNER) : nullptr;
    g_centerHook = SetWindowsHookExW(WH_CBT, CenterMsgBoxHook, GetModuleHandleW(nullptr), GetCurrentThreadId());
    const int pressed = MessageBoxW(owner, text, title, style);
    if (g_centerHook) {  // the box never activated: do not leave the hook behind
        UnhookWindowsHookEx(g_centerHook);
        g_centerHook = nullptr;
    }
    return pressed;
}

}  // namespace lumivex
