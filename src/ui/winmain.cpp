// Program entry: common controls, the main window, the message loop.
#include "ui/main_window.h"
#include "ui/dpi.h"
#include "ui/twin_read_main.h"

#include <commctrl.h>

namespace {

// A portable program is run from wherever it was saved, a downloads folder
// full of other files among them: the libraries loaded later (by the
// dialogs, the shell, the web browser) come from the system folder only,
// never from the program's folder or the current one. The call is looked
// up because Windows 7 without its update lacks it.
void RestrictLibrarySearch() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault) setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");  // the current folder out of the search, with or without it
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    RestrictLibrarySearch();
    // Started by the 32-bit program for a read it cannot do itself: no window.
    if (const auto exitCode = lumivex::RunTwinReadIfAsked()) return *exitCode;
    lumivex::DeclareDpiAwareness();
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
