#include "platform/win32/win32_platform.h"

#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>

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

// The longest run of whole characters of wide whose code-page form fits
// maxBytes; a surrogate pair is never cut. The form grows with the run, so
// the run is found by halving: a few conversions, however long the text.
std::string AnsiPrefix(const std::wstring& wide, std::size_t maxBytes) {
    std::string whole = Narrow(CP_ACP, wide);
    if (whole.size() <= maxBytes) return whole;
    auto keepsPairs = [&wide](std::size_t units) {
        return units == 0 || units == wide.size() || !IS_LOW_SURROGATE(wide[units]);
    };
    // Every character takes a byte at least: no more units than bytes fit.
    std::size_t fits = 0, tooLong = std::min(wide.size(), maxBytes) + 1;
    while (tooLong - fits > 1) {
        std::size_t middle = fits + (tooLong - fits) / 2;
        if (!keepsPairs(middle)) --middle;
        if (middle <= fits) middle = fits + 1 + (keepsPairs(fits + 1) ? 0 : 1);
        if (middle >= tooLong) break;
        if (Narrow(CP_ACP, wide.substr(0, middle)).size() <= maxBytes)
            fits = middle;
        else
            tooLong = middle;
    }
    return Narrow(CP_ACP, wide.substr(0, fits));
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

int Win32Platform::GetClassNameA(Hwnd hwnd, char* buffer, int maxCount) {
    return ::GetClassNameA(ToHwnd(hwnd), buffer, maxCount);
}

int Win32Platform::GetWindowTextA(Hwnd hwnd, char* buffer, int maxCount) {
    return ::GetWindowTextA(ToHwnd(hwnd), buffer, maxCount);
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

// Under Wine 8, ::SendMessageTimeoutA to a window of another process whose
// thread is busy never returns, whatever the time-out; the W form times out
// as asked. So every message travels as W, and the three text messages the
// logic sends are converted from and to the ANSI code page here, as the
// system converts them for an A sender.
bool Win32Platform::SendMessageTimeoutA(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                        std::uint32_t flags, std::uint32_t timeoutMs, Lresult* result) {
    switch (msg) {
        case WM_GETTEXTLENGTH: return SendGetTextLengthAsAnsi(hwnd, flags, timeoutMs, result);
        case WM_GETTEXT:
            return SendGetTextAsAnsi(hwnd, static_cast<std::size_t>(wParam), reinterpret_cast<char*>(lParam), flags,
                                     timeoutMs, result);
        case WM_SETTEXT: {
            const std::wstring wide =
                lParam ? Widen(CP_ACP, std::string(reinterpret_cast<const char*>(lParam))) : std::wstring();
            return SendMessageTimeoutW(hwnd, msg, wParam, lParam ? reinterpret_cast<Lparam>(wide.c_str()) : 0, flags,
                                       timeoutMs, result);
        }
        default: return SendMessageTimeoutW(hwnd, msg, wParam, lParam, flags, timeoutMs, result);
    }
}

// What an A sender is told: at most the bytes the text takes in the code
// page (the system, too, may answer more than the text needs).
bool Win32Platform::SendGetTextLengthAsAnsi(Hwnd hwnd, std::uint32_t flags, std::uint32_t timeoutMs,
                                            Lresult* result) {
    Lresult units = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, flags, timeoutMs, &units)) return false;
    CPINFO info{};
    const Lresult perUnit = ::GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 0 ? info.MaxCharSize : 2;
    if (result) *result = units <= 0 ? units : (units > PTRDIFF_MAX / perUnit ? PTRDIFF_MAX : units * perUnit);
    return true;
}

// The text converted to the code page and cut, between two characters, to
// what the buffer holds with its NUL; answers the bytes copied.
bool Win32Platform::SendGetTextAsAnsi(Hwnd hwnd, std::size_t bufferBytes, char* buffer, std::uint32_t flags,
                                      std::uint32_t timeoutMs, Lresult* result) {
    if (result) *result = 0;
    if (bufferBytes == 0 || !buffer) return SendMessageTimeoutW(hwnd, WM_GETTEXT, 0, 0, flags, timeoutMs, result);
    // A character of the code page is at least one UTF-16 unit: as many
    // units as bytes always fill the buffer.
    std::wstring wide(bufferBytes, L'\0');
    Lresult copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, bufferBytes, reinterpret_cast<Lparam>(wide.data()), flags, timeoutMs,
                             &copied))
        return false;
    wide[bufferBytes - 1] = L'\0';
    wide.resize(std::wcslen(wide.c_str()));
    const std::string ansi = AnsiPrefix(wide, bufferBytes - 1);
    std::memcpy(buffer, ansi.data(), ansi.size());
    buffer[ansi.size()] = '\0';
    if (result) *result = static_cast<Lresult>(ansi.size());
    return true;
}

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

static_assert(sizeof(LOGFONTA) == sizeof(LogFontA), "LogFontA mirrors LOGFONTA");

Hgdiobj Win32Platform::GetCurrentObject(Hdc dc, std::uint32_t type) {
    return reinterpret_cast<Hgdiobj>(::GetCurrentObject(ToHdc(dc), type));
}

int Win32Platform::GetObjectA(Hgdiobj object, int size, void* buffer) {
    return ::GetObjectA(reinterpret_cast<HGDIOBJ>(object), size, buffer);
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

bool Win32Platform::TerminateProcess(Handle process, std::uint32_t exitCode) {
    return ::TerminateProcess(reinterpret_cast<HANDLE>(process), exitCode);
}

std::uint32_t Win32Platform::GetProcessImageFileNameA(Handle process, char* buffer, std::uint32_t size) {
    return ::GetProcessImageFileNameA(reinterpret_cast<HANDLE>(process), buffer, size);
}

std::uint32_t Win32Platform::QueryDosDeviceA(const char* deviceName, char* buffer, std::uint32_t size) {
    return ::QueryDosDeviceA(deviceName, buffer, size);
}

std::vector<std::string> Win32Platform::LogicalDrives() {
    std::vector<std::string> roots;
    char buffer[512] = {};
    const DWORD n = ::GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
    if (n == 0 || n >= sizeof buffer) return roots;
    for (const char* p = buffer; *p; p += std::strlen(p) + 1) roots.emplace_back(p);
    return roots;
}

std::uint32_t Win32Platform::GetShortPathNameA(const char* longPath, char* buffer, std::uint32_t size) {
    return ::GetShortPathNameA(longPath, buffer, size);
}

void Win32Platform::ShellExecuteA(Hwnd owner, const char* operation, const char* file,
                                  const char* parameters, const char* directory, int showCmd) {
    ::ShellExecuteA(ToHwnd(owner), operation, file, parameters, directory, showCmd);
}

std::string Win32Platform::AnsiToUtf8(const std::string& ansi) { return WideToUtf8(Widen(CP_ACP, ansi)); }
std::string Win32Platform::Utf8ToAnsi(const std::string& utf8) { return Narrow(CP_ACP, Utf8ToWide(utf8)); }

}  // namespace lumivex
