// Program entry: common controls, the main window, the message loop.
#include "ui/main_window.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_USEREX_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&icc);  // a failure is not fatal: the basic controls still work

    lumivex::Win32Platform platform;
    lumivex::Session session;
    lumivex::MainWindow mainWindow(instance, platform, session);
    if (!mainWindow.Create()) return 1;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(mainWindow.hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
