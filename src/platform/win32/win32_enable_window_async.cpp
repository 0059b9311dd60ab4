// EnableWindow on a window of another thread sends it WM_ENABLE and waits
// until that thread has handled it: a hung or busy program would freeze us.
// The target thread's helper makes the call (win32_thread_calls.h) and we
// wait for it only briefly; the change lands whenever the target answers.
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_thread_calls.h"

namespace lumivex {

namespace {
// Long enough for a responsive program, short enough not to be noticed.
constexpr DWORD kEnableWaitMs = 200;
}  // namespace

bool Win32Platform::EnableWindowAsync(Hwnd hwnd, bool enable) {
    const HWND window = ToHwnd(hwnd);
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    if (thread == ::GetCurrentThreadId()) return ::EnableWindow(window, enable);
    const bool wasDisabled = !::IsWindowEnabled(window);
    if (thread != 0) threadCalls_->Run(thread, [window, enable] { ::EnableWindow(window, enable); }, kEnableWaitMs);
    return wasDisabled;
}

}  // namespace lumivex
