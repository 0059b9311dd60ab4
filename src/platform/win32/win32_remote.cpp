// The real platform, continued: memory of other processes, starting a
// program, top-level window lookups, menus and the wide message door.
#include "platform/win32/win32_platform.h"

#include <string>

namespace lumivex {

namespace {
HANDLE ToHandle(Handle h) { return reinterpret_cast<HANDLE>(h); }
HMENU ToHmenu(Hmenu m) { return reinterpret_cast<HMENU>(m); }
Hmenu FromHmenu(HMENU m) { return reinterpret_cast<Hmenu>(m); }
// A 32-bit build only ever holds addresses below 4 GiB: the cast keeps them.
LPVOID ToPointer(RemoteAddress a) { return reinterpret_cast<LPVOID>(static_cast<std::uintptr_t>(a)); }

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lParam) {
    // No exception may cross back into the system: a failed push ends the walk.
    try {
        reinterpret_cast<std::vector<Hwnd>*>(lParam)->push_back(FromHwnd(hwnd));
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}
}  // namespace

bool Win32Platform::SendMessageTimeoutW(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                        std::uint32_t flags, std::uint32_t timeoutMs, Lresult* result) {
    DWORD_PTR answer = 0;
    const LRESULT ok = ::SendMessageTimeoutW(ToHwnd(hwnd), msg, wParam, lParam, flags, timeoutMs, &answer);
    if (result) *result = static_cast<Lresult>(answer);
    return ok != 0;
}

std::vector<Hwnd> Win32Platform::EnumWindows() {
    std::vector<Hwnd> windows;
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

Hwnd Win32Platform::FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className, const char* windowName) {
    return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), className, windowName));
}

RemoteAddress Win32Platform::VirtualAllocEx(Handle process, RemoteAddress address, std::uint64_t size,
                                            std::uint32_t allocationType, std::uint32_t protect) {
    if (size > static_cast<std::uint64_t>(static_cast<SIZE_T>(-1))) return 0;
    const LPVOID block = ::VirtualAllocEx(ToHandle(process), ToPointer(address), static_cast<SIZE_T>(size),
                                          allocationType, protect);
    return static_cast<RemoteAddress>(reinterpret_cast<std::uintptr_t>(block));
}

bool Win32Platform::VirtualFreeEx(Handle process, RemoteAddress address, std::uint64_t size,
                                  std::uint32_t freeType) {
    return ::VirtualFreeEx(ToHandle(process), ToPointer(address), static_cast<SIZE_T>(size), freeType) != 0;
}

bool Win32Platform::WriteProcessMemory(Handle process, RemoteAddress address, const void* buffer,
                                       std::size_t size, std::size_t* written) {
    SIZE_T done = 0;
    const BOOL ok = ::WriteProcessMemory(ToHandle(process), ToPointer(address), buffer, size, &done);
    if (written) *written = done;
    return ok != 0;
}

bool Win32Platform::ReadProcessMemory(Handle process, RemoteAddress address, void* buffer, std::size_t size,
                                      std::size_t* read) {
    SIZE_T done = 0;
    const BOOL ok = ::ReadProcessMemory(ToHandle(process), ToPointer(address), buffer, size, &done);
    if (read) *read = done;
    return ok != 0;
}

bool Win32Platform::IsWow64Process(Handle process, bool* wow64) {
    BOOL flag = FALSE;
    if (!::IsWow64Process(ToHandle(process), &flag)) return false;
    if (wow64) *wow64 = flag != FALSE;
    return true;
}

Handle Win32Platform::GetCurrentProcess() { return reinterpret_cast<Handle>(::GetCurrentProcess()); }

namespace {
std::string FolderPath(UINT (WINAPI* get)(LPSTR, UINT)) {
    char buffer[MAX_PATH + 1] = {};
    const UINT n = get(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
}
}  // namespace

std::string Win32Platform::GetSystemDirectoryA() { return FolderPath(::GetSystemDirectoryA); }
std::string Win32Platform::GetWindowsDirectoryA() { return FolderPath(::GetWindowsDirectoryA); }

bool Win32Platform::CreateProcessA(const char* commandLine, int showCmd, std::uint32_t* processId) {
    if (processId) *processId = 0;
    // CreateProcessA may write into the command line: give it a copy.
    std::string line(commandLine ? commandLine : "");
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCmd);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    if (processId) *processId = info.dwProcessId;
    return true;
}

Hmenu Win32Platform::GetMenu(Hwnd hwnd) { return FromHmenu(::GetMenu(ToHwnd(hwnd))); }
Hmenu Win32Platform::GetSystemMenu(Hwnd hwnd, bool revert) { return FromHmenu(::GetSystemMenu(ToHwnd(hwnd), revert)); }
Hmenu Win32Platform::GetSubMenu(Hmenu menu, int pos) { return FromHmenu(::GetSubMenu(ToHmenu(menu), pos)); }
int Win32Platform::GetMenuItemCount(Hmenu menu) { return ::GetMenuItemCount(ToHmenu(menu)); }
std::uint32_t Win32Platform::GetMenuItemID(Hmenu menu, int pos) { return ::GetMenuItemID(ToHmenu(menu), pos); }

std::uint32_t Win32Platform::GetMenuState(Hmenu menu, std::uint32_t id, std::uint32_t flags) {
    return ::GetMenuState(ToHmenu(menu), id, flags);
}

int Win32Platform::GetMenuStringW(Hmenu menu, std::uint32_t id, char16_t* buffer, int maxCount,
                                  std::uint32_t flags) {
    return ::GetMenuStringW(ToHmenu(menu), id, reinterpret_cast<wchar_t*>(buffer), maxCount, flags);
}

std::string Win32Platform::WideToAnsi(std::u16string_view wide) {
    if (wide.empty()) return {};
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string text(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, units, length, text.data(), n, nullptr, nullptr);
    return text;
}

}  // namespace lumivex
