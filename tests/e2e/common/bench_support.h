// What the Wine benchmarks share: a clock, the host copy of the benchmark
// that holds the windows measured, and a process ended with its owner.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

inline double NowMs() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The folder of the running program, with its trailing separator.
inline std::wstring OwnFolder() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The class of the host's windows: they only need to exist.
inline void RegisterHostClass(HINSTANCE instance, const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// The host's last step: its window's title tells the measuring copy that
// every window exists; then it serves their messages until it is ended.
inline int ServeWhenReady(HWND signal) {
    SetWindowTextW(signal, L"ready");
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

// A process started from a command line and ended when this goes.
class ChildProcess {
public:
    explicit ChildProcess(std::wstring command) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != FALSE;
    }
    // This program again, with the argument "host".
    static std::wstring HostCommand() {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        return L"\"" + std::wstring(self) + L"\" host";
    }
    ~ChildProcess() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    bool started() const { return started_; }
    DWORD id() const { return process_.dwProcessId; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

}  // namespace e2e
