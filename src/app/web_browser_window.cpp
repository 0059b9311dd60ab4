#include "app/web_browser_window.h"

#include "app/control_ids.h"

namespace lumivex {

HWND CreateWebBrowser(HWND parent, HINSTANCE instance, RECT rect, HFONT font) {
    HWND label = CreateWindowExW(0, L"STATIC", L"Lumivex 窗口查看工具", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE,
                                 rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                 reinterpret_cast<HMENU>(IDC_WB1), instance, nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return label;
}

}  // namespace lumivex
