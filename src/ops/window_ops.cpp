#include "ops/window_ops.h"

#include "platform/handles.h"
#include "platform/send.h"
#include "platform/utf16.h"

namespace lumivex {

void CloseBySystemCommand(Platform& p, Hwnd hwnd) {
    SendTimeout(p, hwnd, win::WM_SYSCOMMAND, win::SC_CLOSE, 0, kActionTimeoutMs);
}

void KillWindowProcess(Platform& p, Hwnd hwnd) {
    if (hwnd == 0 || !p.IsWindow(hwnd)) return;
    std::uint32_t processId = 0;
    p.GetWindowThreadProcessId(hwnd, &processId);
    // Identifier 0 is the system's idle process: never ask for it.
    if (processId == 0) return;
    const ProcessHandle process(p, p.OpenProcess(win::PROCESS_TERMINATE, true, processId));
    if (!process) return;
    p.TerminateProcess(process.get(), 0);
}

void SetWindowStyles(Platform& p, Hwnd hwnd, std::uint32_t style, std::uint32_t exStyle,
                     std::optional<std::uint32_t> listViewExStyle) {
    if (hwnd == 0 || !p.IsWindow(hwnd)) return;
    p.SetWindowLongAsync(hwnd, win::GWL_STYLE, static_cast<std::int32_t>(style));
    p.SetWindowLongAsync(hwnd, win::GWL_EXSTYLE, static_cast<std::int32_t>(exStyle));
    if (listViewExStyle)
        SendTimeout(p, hwnd, win::LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<Lparam>(*listViewExStyle),
                    kActionTimeoutMs);
}

void PlaceWindow(Platform& p, Hwnd hwnd, int x, int y, int width, int height) {
    p.SetWindowPos(hwnd, win::HWND_TOP, x, y, width, height,
                   win::SWP_NOZORDER | win::SWP_NOACTIVATE | win::SWP_ASYNCWINDOWPOS);
}

void SetControlText(Platform& p, Hwnd hwnd, const std::string& utf8Text) {
    if (p.IsHungAppWindow(hwnd)) return;
    const std::u16string text = Utf8ToUtf16(utf8Text);
    SendTimeout(p, hwnd, win::WM_SETTEXT, 0, reinterpret_cast<Lparam>(text.c_str()), kActionTimeoutMs);
}

}  // namespace lumivex
