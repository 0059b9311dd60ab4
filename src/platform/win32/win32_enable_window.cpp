// EnableWindow on a window of another thread sends it WM_ENABLE and waits
// until that thread has handled it: a hung or busy program would freeze us.
// A helper thread makes the call and we wait for it only briefly; the change
// lands whenever the target answers.
#include "platform/win32/win32_platform.h"

#include <memory>

namespace lumivex {

namespace {

// Long enough for a responsive program, short enough not to be noticed.
constexpr DWORD kEnableWaitMs = 200;

struct EnableJob {
    HWND window;
    BOOL enable;
};

DWORD WINAPI RunEnableJob(LPVOID parameter) {
    const std::unique_ptr<EnableJob> job(static_cast<EnableJob*>(parameter));
    ::EnableWindow(job->window, job->enable);
    return 0;
}

struct ThreadHandle {
    HANDLE handle;
    ~ThreadHandle() {
        if (handle) ::CloseHandle(handle);
    }
};

}  // namespace

bool Win32Platform::EnableWindow(Hwnd hwnd, bool enable) {
    const HWND window = ToHwnd(hwnd);
    if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId())
        return ::EnableWindow(window, enable);
    const bool wasDisabled = !::IsWindowEnabled(window);
    auto job = std::make_unique<EnableJob>(EnableJob{window, enable});
    const ThreadHandle thread{::CreateThread(nullptr, 0, RunEnableJob, job.get(), 0, nullptr)};
    if (!thread.handle) return wasDisabled;
    job.release();  // the thread owns it now
    ::WaitForSingleObject(thread.handle, kEnableWaitMs);
    return wasDisabled;
}

}  // namespace lumivex
