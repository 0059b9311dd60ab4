#include "desktop_tree/window_tree.h"
#include "ui/centered_msg_box.h"

namespace lumivex {
namespace {

// One hook at a time per thread: the box is modal, so no second one can
// start before the first activation removes it.
thread_local HHOOK g_centerHook = nullptr;

LRESULT CALLBACK CenterMsgBoxHook(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = g_centerHook;
    if (code == HCBT_ACTIVATE && hook) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        RECT boxRect{}, ownerRect{};
        GetWindowRect(box, &boxRect);
        const HWND owner = GetParent(box);
        if (!owner || !GetWindowRect(owner, &ownerRect))
            ownerRect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
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
    g_centerHook = SetWindowsHookExW(WH_CBT, CenterMsgBoxHook, GetModuleHandleW(nullptr), GetCurrentThreadId());
    const int pressed = MessageBoxW(owner, text, title, style);
    if (g_centerHook) {  // the box never activated: do not leave the hook behind
        UnhookWindowsHookEx(g_centerHook);
        g_centerHook = nullptr;
    }
    return pressed;
}

}  // namespace lumivex
