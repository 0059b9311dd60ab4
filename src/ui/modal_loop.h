// Runs a window as a modal dialog of its owner: the owner is disabled until
// the window is gone, and a quit request seen meanwhile is passed on. The
// dialog closes itself with EndModal.
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
    EnableWindow(owner, TRUE);  // already, unless the dialog went without EndModal
    SetActiveWindow(owner);
    if (quit) PostQuitMessage(quitCode);
}

// Closes a modal dialog. Its owner is enabled first: the system hands the
// activation of a window that goes to its owner only if the owner can take
// it, and to another program otherwise.
inline void EndModal(HWND dialog) {
    EnableWindow(GetWindow(dialog, GW_OWNER), TRUE);
    DestroyWindow(dialog);
}

}  // namespace lumivex
