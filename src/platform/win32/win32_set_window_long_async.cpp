// SetWindowLongA of GWL_STYLE or GWL_EXSTYLE on a window of another thread
// sends it WM_STYLECHANGING and WM_STYLECHANGED and waits until that thread
// has handled them: a hung or busy program would freeze us. As with
// EnableWindow, the target thread's helper makes the call and we wait for
// it briefly; the style lands whenever the target answers.
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_thread_calls.h"

#include <memory>

namespace lumivex {

namespace {
constexpr DWORD kStyleWaitMs = 200;
}  // namespace

std::int32_t Win32Platform::SetWindowLongAsync(Hwnd hwnd, int index, std::int32_t value) {
    const HWND window = ToHwnd(hwnd);
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    if (thread == ::GetCurrentThreadId()) return ::SetWindowLongA(window, index, value);
    if (thread == 0) return 0;
    // Shared with the helper, which may write it after we stopped waiting.
    const auto previous = std::make_shared<LONG>(0);
    const bool ran = threadCalls_->Run(
        thread, [window, index, value, previous] { *previous = ::SetWindowLongA(window, index, value); },
        kStyleWaitMs);
    return ran ? *previous : 0;
}

}  // namespace lumivex
