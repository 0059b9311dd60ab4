#include "platform/win32/win32_platform.h"

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace lumivex {

namespace {
Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
HDC ToHdc(Hdc dc) { return reinterpret_cast<HDC>(dc); }

std::wstring Widen(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr,
                        nullptr);
    return text;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) { return Widen(CP_UTF8, utf8); }
std::string WideToUtf8(const std::wstring& wide) { return Narrow(CP_UTF8, wide); }

bool Win32Platform::IsWindow(Hwnd hwnd) { return hwnd != 0 && ::IsWindow(ToHwnd(hwnd)); }
bool Win32Platform::IsHungAppWindow(Hwnd hwnd) { return ::IsHungAppWindow(ToHwnd(hwnd)); }
Hwnd Win32Platform::GetWindow(Hwnd hwnd, std::uint32_t cmd) { return FromHwnd(::GetWindow(ToHwnd(hwnd), cmd)); }
Hwnd Win32Platform::GetParent(Hwnd hwnd) { return FromHwnd(::GetParent(ToHwnd(hwnd))); }
Hwnd Win32Platform::GetDesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

std::int32_t Win32Platform::GetWindowLongA(Hwnd hwnd, int index) {
    return static_cast<std::int32_t>(::GetWindowLongA(ToHwnd(hwnd), index));
}

std::uint32_t Win32Platform::GetClassLongA(Hwnd hwnd, int index) {
    return static_cast<std::uint32_t>(::GetClassLongA(ToHwnd(hwnd), index));
}

namespace {
wchar_t* Units(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
const wchar_t* Units(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
}  // namespace

int Win32Platform::GetClassNameW(Hwnd hwnd, char16_t* buffer, int maxCount) {
    return ::GetClassNameW(ToHwnd(hwnd), Units(buffer), maxCount);
}

int Win32Platform::GetWindowTextW(Hwnd hwnd, char16_t* buffer, int maxCount) {
    return ::GetWindowTextW(ToHwnd(hwnd), Units(buffer), maxCount);
}

bool Win32Platform::GetWindowRect(Hwnd hwnd, Rect& rect) {
    RECT r{};
    const bool ok = ::GetWindowRect(ToHwnd(hwnd), &r);
    if (ok) rect = FromRECT(r);
    return ok;
}

bool Win32Platform::GetClientRect(Hwnd hwnd, Rect& rect) {
    RECT r{};
    const bool ok = ::GetClientRect(ToHwnd(hwnd), &r);
    if (ok) rect = FromRECT(r);
    return ok;
}

std::uint32_t Win32Platform::GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) {
    DWORD pid = 0;
    const DWORD tid = ::GetWindowThreadProcessId(ToHwnd(hwnd), &pid);
    if (processId) *processId = pid;
    return tid;
}

Hwnd Win32Platform::WindowFromPoint(Point p) { return FromHwnd(::WindowFromPoint(POINT{p.x, p.y})); }

bool Win32Platform::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                                 std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insertAfter), x, y, cx, cy, flags);
}

bool Win32Platform::ShowWindow(Hwnd hwnd, int cmdShow) { return ::ShowWindow(ToHwnd(hwnd), cmdShow); }
bool Win32Platform::ShowWindowAsync(Hwnd hwnd, int cmdShow) { return ::ShowWindowAsync(ToHwnd(hwnd), cmdShow); }
bool Win32Platform::BringWindowToTop(Hwnd hwnd) { return ::BringWindowToTop(ToHwnd(hwnd)); }
bool Win32Platform::MoveWindow(Hwnd hwnd, int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(ToHwnd(hwnd), x, y, width, height, repaint);
}

bool Win32Platform::GetCursorPos(Point& p) {
    POINT pt{};
    const bool ok = ::GetCursorPos(&pt);
    p = {pt.x, pt.y};
    return ok;
}

bool Win32Platform::GetCursorInfo(CursorInfo& info) {
    CURSORINFO ci{};
    ci.cbSize = sizeof ci;
    const bool ok = ::GetCursorInfo(&ci);
    info.hCursor = reinterpret_cast<Hcursor>(ci.hCursor);
    info.ptScreenPos = {ci.ptScreenPos.x, ci.ptScreenPos.y};
    return ok;
}

Hwnd Win32Platform::SetCapture(Hwnd hwnd) { return FromHwnd(::SetCapture(ToHwnd(hwnd))); }
bool Win32Platform::ReleaseCapture() { return ::ReleaseCapture(); }

int Win32Platform::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }
int Win32Platform::GetDeviceCaps(Hdc dc, int index) { return ::GetDeviceCaps(ToHdc(dc), index); }
Hdc Win32Platform::GetWindowDC(Hwnd hwnd) { return reinterpret_cast<Hdc>(::GetWindowDC(ToHwnd(hwnd))); }
Hdc Win32Platform::GetDC(Hwnd hwnd) { return reinterpret_cast<Hdc>(::GetDC(ToHwnd(hwnd))); }
int Win32Platform::ReleaseDC(Hwnd hwnd, Hdc dc) { return ::ReleaseDC(ToHwnd(hwnd), ToHdc(dc)); }
Hgdiobj Win32Platform::SelectObject(Hdc dc, Hgdiobj object) {
    return reinterpret_cast<Hgdiobj>(::SelectObject(ToHdc(dc), reinterpret_cast<HGDIOBJ>(object)));
}

bool Win32Platform::DeleteObject(Hgdiobj object) { return ::DeleteObject(reinterpret_cast<HGDIOBJ>(object)); }

static_assert(sizeof(LOGFONTW) == sizeof(LogFontW), "LogFontW mirrors LOGFONTW");
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

Hgdiobj Win32Platform::GetCurrentObject(Hdc dc, std::uint32_t type) {
    return reinterpret_cast<Hgdiobj>(::GetCurrentObject(ToHdc(dc), type));
}

int Win32Platform::GetObjectW(Hgdiobj object, int size, void* buffer) {
    return ::GetObjectW(reinterpret_cast<HGDIOBJ>(object), size, buffer);
}

void Win32Platform::Sleep(std::uint32_t ms) { ::Sleep(ms); }
std::uint32_t Win32Platform::GetLastError() { return ::GetLastError(); }

Hdc Win32Platform::CreateCompatibleDC(Hdc dc) { return reinterpret_cast<Hdc>(::CreateCompatibleDC(ToHdc(dc))); }
bool Win32Platform::DeleteDC(Hdc dc) { return ::DeleteDC(ToHdc(dc)); }

Hgdiobj Win32Platform::CreateCompatibleBitmap(Hdc dc, int width, int height) {
    return reinterpret_cast<Hgdiobj>(::CreateCompatibleBitmap(ToHdc(dc), width, height));
}

bool Win32Platform::BitBlt(Hdc dest, int x, int y, int width, int height, Hdc src, int x1, int y1,
                           std::uint32_t rop) {
    return ::BitBlt(ToHdc(dest), x, y, width, height, ToHdc(src), x1, y1, rop);
}

int Win32Platform::GetDIBits(Hdc dc, Hgdiobj bitmap, std::uint32_t start, std::uint32_t lines, void* bits,
                             BitmapInfoHeader* info, std::uint32_t usage) {
    static_assert(sizeof(BitmapInfoHeader) == sizeof(BITMAPINFOHEADER), "BITMAPINFOHEADER layout");
    // Room for a colour table or bit-field masks, which GetDIBits may write
    // after the header whatever format was asked for.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } bmi{};
    std::memcpy(&bmi.header, info, sizeof bmi.header);
    const int copied = ::GetDIBits(ToHdc(dc), reinterpret_cast<HBITMAP>(bitmap), start, lines, bits,
                                   reinterpret_cast<BITMAPINFO*>(&bmi), usage);
    std::memcpy(static_cast<void*>(info), &bmi.header, sizeof bmi.header);
    return copied;
}

Handle Win32Platform::OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) {
    return reinterpret_cast<Handle>(::OpenProcess(access, inherit, processId));
}

bool Win32Platform::CloseHandle(Handle handle) { return ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

namespace {

DWORD WINAPI RunThread(void* parameter) {
    const std::unique_ptr<std::function<void()>> run(static_cast<std::function<void()>*>(parameter));
    // No exception leaves the thread: it would end the program.
    try {
        (*run)();
    } catch (...) {
    }
    return 0;
}

}  // namespace

Handle Win32Platform::CreateThread(std::function<void()> run) {
    auto owned = std::make_unique<std::function<void()>>(std::move(run));
    HANDLE thread = ::CreateThread(nullptr, 0, RunThread, owned.get(), 0, nullptr);
    if (!thread) return 0;
    owned.release();  // the thread owns it now
    return reinterpret_cast<Handle>(thread);
}

std::uint32_t Win32Platform::WaitForSingleObject(Handle handle, std::uint32_t ms) {
    return ::WaitForSingleObject(reinterpret_cast<HANDLE>(handle), ms);
}

bool Win32Platform::TerminateProcess(Handle process, std::uint32_t exitCode) {
    return ::TerminateProcess(reinterpret_cast<HANDLE>(process), exitCode);
}

std::uint32_t Win32Platform::GetProcessImageFileNameW(Handle process, char16_t* buffer, std::uint32_t size) {
    return ::GetProcessImageFileNameW(reinterpret_cast<HANDLE>(process), Units(buffer), size);
}

std::uint32_t Win32Platform::QueryDosDeviceW(const char16_t* deviceName, char16_t* buffer, std::uint32_t size) {
    return ::QueryDosDeviceW(Units(deviceName), Units(buffer), size);
}

std::vector<std::string> Win32Platform::LogicalDrives() {
    std::vector<std::string> roots;
    char buffer[512] = {};
    const DWORD n = ::GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
    if (n == 0 || n >= sizeof buffer) return roots;
    for (const char* p = buffer; *p; p += std::strlen(p) + 1) roots.emplace_back(p);
    return roots;
}

std::uint32_t Win32Platform::GetShortPathNameW(const char16_t* longPath, char16_t* buffer, std::uint32_t size) {
    return ::GetShortPathNameW(Units(longPath), Units(buffer), size);
}

void Win32Platform::ShellExecuteW(Hwnd owner, const char16_t* operation, const char16_t* file,
                                  const char16_t* parameters, const char16_t* directory, int showCmd) {
    ::ShellExecuteW(ToHwnd(owner), Units(operation), Units(file), Units(parameters), Units(directory), showCmd);
}

std::string Win32Platform::AnsiToUtf8(const std::string& ansi) { return WideToUtf8(Widen(CP_ACP, ansi)); }
std::string Win32Platform::Utf8ToAnsi(const std::string& utf8) { return Narrow(CP_ACP, Utf8ToWide(utf8)); }

}  // namespace lumivex
