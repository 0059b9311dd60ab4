// SetWindowLongA of GWL_STYLE or GWL_EXSTYLE on a window of another thread
// sends it WM_STYLECHANGING and WM_STYLECHANGED and waits until that thread
// has handled them: a hung or busy program would freeze us. As with
// EnableWindow, a helper thread makes the call and we wait for it briefly;
// the style lands whenever the target answers.
#include "platform/win32/win32_platform.h"

#include <memory>

namespace lumivex {

namespace {

constexpr DWORD kStyleWaitMs = 200;

struct StyleJob {
    HWND window;
    int index;
    LONG value;
    LONG previous = 0;
};

DWORD WINAPI RunStyleJob(LPVOID parameter) {
    // Shared with the caller, who may stop waiting before the call returns.
    const std::unique_ptr<std::shared_ptr<StyleJob>> job(static_cast<std::shared_ptr<StyleJob>*>(parameter));
    (*job)->previous = ::SetWindowLongA((*job)->window, (*job)->index, (*job)->value);
    return 0;
}

struct ThreadHandle {
    HANDLE handle;
    ~ThreadHandle() {
        if (handle) ::CloseHandle(handle);
    }
};

}  // namespace

std::int32_t Win32Platform::SetWindowLongA(Hwnd hwnd, int index, std::int32_t value) {
    const HWND window = ToHwnd(hwnd);
    if (::GetWindowThreadProcessId(window, nullptr) == ::GetCurrentThreadId())
        return ::SetWindowLongA(window, index, value);
    auto job = std::make_shared<StyleJob>(StyleJob{window, index, static_cast<LONG>(value)});
    auto threadShare = std::make_unique<std::shared_ptr<StyleJob>>(job);
    const ThreadHandle thread{::CreateThread(nullptr, 0, RunStyleJob, threadShare.get(), 0, nullptr)};
    if (!thread.handle) return 0;
    threadShare.release();  // the thread owns its share now
    if (::WaitForSingleObject(thread.handle, kStyleWaitMs) != WAIT_OBJECT_0) return 0;
    return job->previous;
}

}  // namespace lumivex
