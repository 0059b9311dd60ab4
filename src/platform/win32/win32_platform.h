// The real platform: each operation is the Win32 call of the same name.
#pragma once

#include "platform/platform.h"

#include <windows.h>

#include <memory>

namespace lumivex {

// Handles shared between 32- and 64-bit code are sign-extended, as the
// system does with its own (HWND_TOPMOST is -1).
inline HWND ToHwnd(Hwnd h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(h))); }
// Window handles fit in 32 bits on 64-bit Windows by design.
inline Hwnd FromHwnd(HWND h) {
    return static_cast<Hwnd>(reinterpret_cast<std::uintptr_t>(h));
}

// The outline's windows (win32_outline.cpp).
class InvertedFrame;
// The helpers that make calls waiting for other programs' threads.
class TargetThreadCalls;

class Win32Platform : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    bool IsWindow(Hwnd hwnd) override;
    bool IsHungAppWindow(Hwnd hwnd) override;
    Hwnd GetWindow(Hwnd hwnd, std::uint32_t cmd) override;
    Hwnd GetParent(Hwnd hwnd) override;
    Hwnd GetDesktopWindow() override;
    std::int32_t GetWindowLongA(Hwnd hwnd, int index) override;
    std::uint32_t GetClassLongA(Hwnd hwnd, int index) override;
    int GetClassNameW(Hwnd hwnd, char16_t* buffer, int maxCount) override;
    int GetWindowTextW(Hwnd hwnd, char16_t* buffer, int maxCount) override;
    bool GetWindowRect(Hwnd hwnd, Rect& rect) override;
    bool GetClientRect(Hwnd hwnd, Rect& rect) override;
    std::uint32_t GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) override;
    Hwnd WindowFromPoint(Point p) override;

    bool SendMessageTimeoutW(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                             std::uint32_t flags, std::uint32_t timeoutMs,
                             Lresult* result) override;
    std::vector<Hwnd> EnumWindows() override;
    Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                       const char* windowName) override;

    bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                      std::uint32_t flags) override;
    bool ShowWindow(Hwnd hwnd, int cmdShow) override;
    bool ShowWindowAsync(Hwnd hwnd, int cmdShow) override;
    bool EnableWindowAsync(Hwnd hwnd, bool enable) override;
    bool BringWindowToTop(Hwnd hwnd) override;
    bool MoveWindow(Hwnd hwnd, int x, int y, int width, int height, bool repaint) override;
    std::int32_t SetWindowLongAsync(Hwnd hwnd, int index, std::int32_t value) override;

    bool GetCursorPos(Point& p) override;
    bool GetCursorInfo(CursorInfo& info) override;
    Hwnd SetCapture(Hwnd hwnd) override;
    bool ReleaseCapture() override;

    int GetSystemMetrics(int index) override;
    int GetDeviceCaps(Hdc dc, int index) override;
    Hdc GetWindowDC(Hwnd hwnd) override;
    Hdc GetDC(Hwnd hwnd) override;
    int ReleaseDC(Hwnd hwnd, Hdc dc) override;
    Hgdiobj SelectObject(Hdc dc, Hgdiobj object) override;
    bool DeleteObject(Hgdiobj object) override;
    Hgdiobj GetCurrentObject(Hdc dc, std::uint32_t type) override;
    int GetObjectW(Hgdiobj object, int size, void* buffer) override;
    void Sleep(std::uint32_t ms) override;
    std::uint32_t GetLastError() override;

    // Monitors (win32_monitors.cpp).
    Hmonitor MonitorFromWindow(Hwnd hwnd, std::uint32_t flags) override;
    Hmonitor MonitorFromPoint(Point p, std::uint32_t flags) override;
    bool GetMonitorInfoW(Hmonitor monitor, MonitorInfo& info) override;
    void ShowInvertedFrame(const Rect& rect, int penWidth) override;
    void HideInvertedFrame() override;

    Hdc CreateCompatibleDC(Hdc dc) override;
    bool DeleteDC(Hdc dc) override;
    Hgdiobj CreateCompatibleBitmap(Hdc dc, int width, int height) override;
    bool BitBlt(Hdc dest, int x, int y, int width, int height, Hdc src, int x1, int y1,
                std::uint32_t rop) override;
    int GetDIBits(Hdc dc, Hgdiobj bitmap, std::uint32_t start, std::uint32_t lines, void* bits,
                  BitmapInfoHeader* info, std::uint32_t usage) override;

    Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool CloseHandle(Handle handle) override;
    Handle CreateThread(std::function<void()> run) override;
    std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t ms) override;
    bool TerminateProcess(Handle process, std::uint32_t exitCode) override;
    std::uint32_t GetProcessImageFileNameW(Handle process, char16_t* buffer, std::uint32_t size) override;
    std::uint32_t QueryDosDeviceW(const char16_t* deviceName, char16_t* buffer, std::uint32_t size) override;
    std::vector<std::string> LogicalDrives() override;
    std::uint32_t GetShortPathNameW(const char16_t* longPath, char16_t* buffer, std::uint32_t size) override;
    RemoteAddress VirtualAllocEx(Handle process, RemoteAddress address, std::uint64_t size,
                                 std::uint32_t allocationType, std::uint32_t protect) override;
    bool VirtualFreeEx(Handle process, RemoteAddress address, std::uint64_t size,
                       std::uint32_t freeType) override;
    bool WriteProcessMemory(Handle process, RemoteAddress address, const void* buffer,
                            std::size_t size, std::size_t* written) override;
    bool ReadProcessMemory(Handle process, RemoteAddress address, void* buffer, std::size_t size,
                           std::size_t* read) override;
    bool IsWow64Process(Handle process, bool* wow64) override;
    Handle GetCurrentProcess() override;
    std::string GetSystemDirectoryA() override;
    std::string GetWindowsDirectoryA() override;
    bool CreateProcessA(const char* commandLine, int showCmd, std::uint32_t* processId) override;
    std::uint32_t GetModuleFileNameW(char16_t* buffer, std::uint32_t size) override;
    bool CreatePipe(Handle* readPipe, Handle* writePipe, std::uint32_t size) override;
    bool CreateProcessW(const char16_t* applicationName, const char16_t* commandLine, std::uint32_t creationFlags,
                        int showCmd, Handle stdOutput, ProcessInformation* info) override;
    bool PeekNamedPipe(Handle pipe, std::uint32_t* totalBytesAvail) override;
    bool ReadFile(Handle file, void* buffer, std::uint32_t size, std::uint32_t* read) override;

    Hmenu GetMenu(Hwnd hwnd) override;
    Hmenu GetSystemMenu(Hwnd hwnd, bool revert) override;
    Hmenu GetSubMenu(Hmenu menu, int pos) override;
    int GetMenuItemCount(Hmenu menu) override;
    std::uint32_t GetMenuItemID(Hmenu menu, int pos) override;
    std::uint32_t GetMenuState(Hmenu menu, std::uint32_t id, std::uint32_t flags) override;
    int GetMenuStringW(Hmenu menu, std::uint32_t id, char16_t* buffer, int maxCount,
                       std::uint32_t flags) override;

    void ShellExecuteW(Hwnd owner, const char16_t* operation, const char16_t* file, const char16_t* parameters,
                       const char16_t* directory, int showCmd) override;

    std::string AnsiToUtf8(const std::string& ansi) override;
    std::string Utf8ToAnsi(const std::string& utf8) override;
    std::string WideToAnsi(std::u16string_view wide) override;

private:
    std::unique_ptr<InvertedFrame> frame_;
    std::unique_ptr<TargetThreadCalls> threadCalls_;
};

// UTF-8 and UTF-16, for the program's own windows.
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

}  // namespace lumivex
