// Runs a window as a modal dialog of its owner: the owner is disabled until
// the window is gone, and a quit request seen meanwhile is passed on.
#pragma once

#include <windows.h>

namespace lumivex {

inline void RunModal(HWND dialog, HWND owner) {
    EnableWindow(owner, FALSE);
    MSG msg;
    bool quit = false;
    int quitCode = 0;
    while (IsWindow(dialog)) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            quit = true;
            quitCode = static_cast<int>(msg.wParam);
            break;
        }
        if (IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // Enabled before the dialog is gone for good, so that the system hands
    // the activation back to the owner rather than to another program.
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    if (quit) PostQuitMessage(quitCode);
}

}  // namespace lumivex
