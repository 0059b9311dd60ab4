// The Win32 operations the logic calls, behind one interface.
//
// The logic reads like the Win32 code it stands for: every operation keeps
// its Win32 name and argument order. Handles, identifiers and style values are
// 32-bit, as on Windows; WPARAM/LPARAM/LRESULT are pointer-sized, so a buffer
// address passed with a message keeps its meaning in both builds.
//
// Two implementations: platform/win32 (the real one, MinGW builds) and
// platform/sim (the simulated desktop the unit tests run on).
#pragma once

// The constants below carry the names windows.h defines as macros: this
// header (and every logic header) comes before <windows.h> in a translation unit.
#if defined(_WINUSER_) || defined(_WINDOWS_)
#error "include platform/platform.h before <windows.h>"
#endif

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumivex {

using Hwnd = std::uint32_t;       // 0 means none
using Wparam = std::uintptr_t;
using Lparam = std::intptr_t;
using Lresult = std::intptr_t;
using Handle = std::uintptr_t;    // kernel and GDI handles; 0 means none
using Hdc = std::uintptr_t;
using Hgdiobj = std::uintptr_t;
using Hcursor = std::uintptr_t;
using RemoteAddress = std::uint64_t;  // an address in another process
using Hmenu = std::uintptr_t;         // 0 means none
using Hmonitor = std::uintptr_t;      // 0 means none

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

struct Point {
    std::int32_t x = 0, y = 0;
};

// PtInRect: left and top inclusive, right and bottom exclusive.
inline bool PtInRect(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// PROCESS_INFORMATION without the thread, whose handle is closed at once.
struct ProcessInformation {
    Handle hProcess = 0;
    std::uint32_t dwProcessId = 0;
};

struct CursorInfo {
    Hcursor hCursor = 0;
    Point ptScreenPos;
};

// LOGFONTW as GetObjectW fills it for a font: 92 bytes, no padding.
struct LogFontW {
    std::int32_t lfHeight = 0, lfWidth = 0, lfEscapement = 0, lfOrientation = 0, lfWeight = 0;
    std::uint8_t lfItalic = 0, lfUnderline = 0, lfStrikeOut = 0, lfCharSet = 0, lfOutPrecision = 0,
                 lfClipPrecision = 0, lfQuality = 0, lfPitchAndFamily = 0;
    char16_t lfFaceName[32] = {};
};
static_assert(sizeof(LogFontW) == 92, "LOGFONTW is 92 bytes");

// BITMAPINFOHEADER, field for field: what GetDIBits is asked for.
struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0, biHeight = 0;  // a negative height asks for top-down rows
    std::uint16_t biPlanes = 1, biBitCount = 0;
    std::uint32_t biCompression = 0, biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0, biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0, biClrImportant = 0;
};

// MONITORINFO, field for field. Rectangles are in virtual-screen
// coordinates: the primary monitor's top-left corner is (0, 0), so a monitor
// left of or above it has negative ones.
struct MonitorInfo {
    std::uint32_t cbSize = 40;
    Rect rcMonitor;
    Rect rcWork;  // without the task bar and docked tool bars
    std::uint32_t dwFlags = 0;
};
static_assert(sizeof(MonitorInfo) == 40, "MONITORINFO is 40 bytes");

// Win32 constants the logic uses, with their Win32 names and values.
namespace win {
constexpr std::uint32_t GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3,
                        GW_OWNER = 4, GW_CHILD = 5;
constexpr int GWL_STYLE = -16, GWL_EXSTYLE = -20, GWL_ID = -12;
constexpr int GCL_STYLE = -26;

constexpr std::uint32_t WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
                        WM_CLOSE = 0x0010, WM_GETFONT = 0x0031, WM_SYSCOMMAND = 0x0112;
constexpr Wparam SC_CLOSE = 0xF060;
constexpr std::uint32_t INFINITE = 0xFFFFFFFF, WAIT_OBJECT_0 = 0, WAIT_TIMEOUT = 258, WAIT_FAILED = 0xFFFFFFFF;
constexpr std::uint32_t EM_SETSEL = 0x00B1, EM_GETMODIFY = 0x00B8, EM_REPLACESEL = 0x00C2, EM_SETREADONLY = 0x00CF;
constexpr std::uint32_t LVM_SETEXTENDEDLISTVIEWSTYLE = 0x1036, LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037;

constexpr std::uint32_t WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u, WS_MINIMIZE = 0x20000000u,
                        WS_VISIBLE = 0x10000000u, WS_DISABLED = 0x08000000u,
                        WS_MAXIMIZE = 0x01000000u, WS_CAPTION = 0x00C00000u;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008u;

constexpr std::uint32_t SMTO_ABORTIFHUNG = 0x0002, SMTO_BLOCK = 0x0001;
constexpr std::uint32_t ERROR_ACCESS_DENIED = 5, ERROR_TIMEOUT = 1460;

constexpr int SM_CXSCREEN = 0, SM_CYSCREEN = 1;
// The non-client frame: a client area lies inside the window by these.
constexpr int SM_CYCAPTION = 4, SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8,
              SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXEDGE = 45, SM_CYEDGE = 46;
constexpr std::uint32_t WS_BORDER = 0x00800000u, WS_DLGFRAME = 0x00400000u, WS_THICKFRAME = 0x00040000u,
                        WS_EX_DLGMODALFRAME = 0x00000001u, WS_EX_CLIENTEDGE = 0x00000200u,
                        WS_EX_STATICEDGE = 0x00020000u;
constexpr int LOGPIXELSX = 88, LOGPIXELSY = 90;

constexpr std::uint32_t OBJ_FONT = 6;

constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t DIB_RGB_COLORS = 0;

constexpr Hwnd HWND_TOPMOST = static_cast<Hwnd>(-1), HWND_NOTOPMOST = static_cast<Hwnd>(-2);
constexpr Hwnd HWND_TOP = 0;
constexpr std::uint32_t SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004,
                        SWP_NOACTIVATE = 0x0010, SWP_ASYNCWINDOWPOS = 0x4000;

constexpr int SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMAXIMIZED = 3, SW_SHOW = 5, SW_MINIMIZE = 6,
              SW_RESTORE = 9;

constexpr std::uint32_t PROCESS_TERMINATE = 0x0001, PROCESS_VM_OPERATION = 0x0008,
                        PROCESS_VM_READ = 0x0010, PROCESS_VM_WRITE = 0x0020,
                        PROCESS_QUERY_INFORMATION = 0x0400, PROCESS_QUERY_LIMITED_INFORMATION = 0x1000;

// Programs of our own started with a pipe for their output.
constexpr std::uint32_t CREATE_NO_WINDOW = 0x08000000;
constexpr std::uint32_t ERROR_FILE_NOT_FOUND = 2, ERROR_BROKEN_PIPE = 109;

// Reading other programs' controls and menus, and handing texts to Notepad.
constexpr std::uint32_t LB_GETTEXT = 0x0189, LB_GETTEXTLEN = 0x018A, LB_GETCOUNT = 0x018B;
constexpr std::uint32_t CB_GETCOUNT = 0x0146, CB_GETLBTEXT = 0x0148, CB_GETLBTEXTLEN = 0x0149;
constexpr Lresult LB_ERR = -1, CB_ERR = -1;
constexpr std::uint32_t LVM_GETITEMCOUNT = 0x1004, LVM_GETHEADER = 0x101F, LVM_GETITEMTEXTW = 0x1073;
constexpr std::uint32_t HDM_GETITEMCOUNT = 0x1200;
constexpr std::uint32_t TVM_GETCOUNT = 0x1105, TVM_GETNEXTITEM = 0x110A, TVM_GETITEMW = 0x113E;
constexpr Wparam TVGN_ROOT = 0x0000, TVGN_NEXTVISIBLE = 0x0006;
constexpr std::uint32_t LVIF_TEXT = 0x0001, TVIF_TEXT = 0x0001;
constexpr std::uint32_t MEM_COMMIT = 0x1000, MEM_RESERVE = 0x2000, MEM_RELEASE = 0x8000;
constexpr std::uint32_t PAGE_READWRITE = 0x04;
constexpr std::uint32_t MF_BYCOMMAND = 0x0000, MF_GRAYED = 0x0001, MF_DISABLED = 0x0002,
                        MF_POPUP = 0x0010, MF_BYPOSITION = 0x0400, MF_SEPARATOR = 0x0800;

// Monitors and the virtual screen (their union).
constexpr int SM_XVIRTUALSCREEN = 76, SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78,
              SM_CYVIRTUALSCREEN = 79, SM_CMONITORS = 80;
constexpr std::uint32_t MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1,
                        MONITOR_DEFAULTTONEAREST = 2;
constexpr std::uint32_t MONITORINFOF_PRIMARY = 0x00000001;
}  // namespace win

class Platform {
public:
    virtual ~Platform() = default;

    // Windows and their relations.
    virtual bool IsWindow(Hwnd hwnd) = 0;
    virtual bool IsHungAppWindow(Hwnd hwnd) = 0;
    virtual Hwnd GetWindow(Hwnd hwnd, std::uint32_t cmd) = 0;
    virtual Hwnd GetParent(Hwnd hwnd) = 0;
    virtual Hwnd GetDesktopWindow() = 0;
    virtual std::int32_t GetWindowLongA(Hwnd hwnd, int index) = 0;
    virtual std::uint32_t GetClassLongA(Hwnd hwnd, int index) = 0;
    // Texts of windows, menus, paths and fonts travel as UTF-16 (the W
    // entry points), so that a text in any script arrives whole.
    // Copies at most maxCount - 1 units and a NUL into buffer; returns the
    // number of units copied, 0 on failure.
    virtual int GetClassNameW(Hwnd hwnd, char16_t* buffer, int maxCount) = 0;
    // Never sends a message to a window of another process.
    virtual int GetWindowTextW(Hwnd hwnd, char16_t* buffer, int maxCount) = 0;
    virtual bool GetWindowRect(Hwnd hwnd, Rect& rect) = 0;
    virtual bool GetClientRect(Hwnd hwnd, Rect& rect) = 0;
    // Returns the thread identifier; stores the process identifier.
    virtual std::uint32_t GetWindowThreadProcessId(Hwnd hwnd, std::uint32_t* processId) = 0;
    virtual Hwnd WindowFromPoint(Point p) = 0;

    // Messages: only with a time-out, so that no other program can keep us
    // waiting (send.h is the door), and only the wide form: a text the
    // message carries is UTF-16. False on time-out, on a hung target
    // (SMTO_ABORTIFHUNG) and on an invalid window; GetLastError then tells
    // ERROR_TIMEOUT (the window did not answer) from other failures (under
    // Wine, WM_GETFONT to another process fails at once without one).
    virtual bool SendMessageTimeoutW(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam,
                                     std::uint32_t flags, std::uint32_t timeoutMs,
                                     Lresult* result) = 0;
    // Top-level windows in Z order, top first.
    virtual std::vector<Hwnd> EnumWindows() = 0;
    // className and windowName may be null (any); parent 0 searches the
    // top-level windows.
    virtual Hwnd FindWindowExA(Hwnd parent, Hwnd childAfter, const char* className,
                               const char* windowName) = 0;

    // Window state changes. ShowWindow, SetWindowPos without
    // SWP_ASYNCWINDOWPOS, BringWindowToTop and MoveWindow wait for the
    // window's thread: for a window of another program use ShowWindowAsync
    // and SWP_ASYNCWINDOWPOS.
    virtual bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy,
                              std::uint32_t flags) = 0;
    virtual bool ShowWindow(Hwnd hwnd, int cmdShow) = 0;
    virtual bool ShowWindowAsync(Hwnd hwnd, int cmdShow) = 0;
    // EnableWindow, made by a helper thread for a window of another thread
    // and waited for only briefly: the change lands whenever the target
    // answers. Answers whether the window was disabled before.
    virtual bool EnableWindowAsync(Hwnd hwnd, bool enable) = 0;
    virtual bool BringWindowToTop(Hwnd hwnd) = 0;
    virtual bool MoveWindow(Hwnd hwnd, int x, int y, int width, int height, bool repaint) = 0;
    // SetWindowLongA the same way: writing GWL_STYLE or GWL_EXSTYLE sends
    // the window WM_STYLECHANGING and WM_STYLECHANGED and waits for them.
    // Returns the previous value, or 0 if the write has not landed yet.
    virtual std::int32_t SetWindowLongAsync(Hwnd hwnd, int index, std::int32_t value) = 0;

    // Mouse.
    virtual bool GetCursorPos(Point& p) = 0;
    virtual bool GetCursorInfo(CursorInfo& info) = 0;
    virtual Hwnd SetCapture(Hwnd hwnd) = 0;
    virtual bool ReleaseCapture() = 0;

    // Screen and drawing.
    virtual int GetSystemMetrics(int index) = 0;
    virtual int GetDeviceCaps(Hdc dc, int index) = 0;
    virtual Hdc GetWindowDC(Hwnd hwnd) = 0;
    virtual Hdc GetDC(Hwnd hwnd) = 0;
    virtual int ReleaseDC(Hwnd hwnd, Hdc dc) = 0;
    virtual Hgdiobj SelectObject(Hdc dc, Hgdiobj object) = 0;
    virtual bool DeleteObject(Hgdiobj object) = 0;
    virtual Hgdiobj GetCurrentObject(Hdc dc, std::uint32_t type) = 0;
    // Copies at most size bytes of the object's description (a LOGFONTW for
    // a font); returns the bytes copied, 0 on failure.
    virtual int GetObjectW(Hgdiobj object, int size, void* buffer) = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
    virtual std::uint32_t GetLastError() = 0;

    // The outline: the pixels a NOT-XOR Rectangle(rect) with a PS_SOLID pen
    // of penWidth would invert (platform/inverted_frame.h), shown inverted
    // by a frame-shaped window of our own, on top of everything, never
    // activated, letting the mouse through. Drawing on the screen's device
    // context instead is discarded under Wine, and on Windows leaves
    // inverted pixels behind when the window beneath repaints. The frame is
    // on the screen when ShowInvertedFrame returns; it shows the screen as
    // it was then. One frame at a time: showing another first hides this
    // one. HideInvertedFrame takes it away and leaves the screen as it was;
    // with no frame shown it does nothing.
    virtual void ShowInvertedFrame(const Rect& rect, int penWidth) = 0;
    virtual void HideInvertedFrame() = 0;

    // Monitors. Coordinates are physical pixels of the virtual screen; the
    // screen's device context has its origin at the primary monitor's
    // top-left corner and takes negative coordinates too.
    virtual Hmonitor MonitorFromWindow(Hwnd hwnd, std::uint32_t flags) = 0;
    virtual Hmonitor MonitorFromPoint(Point p, std::uint32_t flags) = 0;
    // False when info.cbSize is not the size of a MONITORINFO or the
    // monitor is gone.
    virtual bool GetMonitorInfoW(Hmonitor monitor, MonitorInfo& info) = 0;

    // Screen copies: memory device contexts, bitmaps, block transfers.
    virtual Hdc CreateCompatibleDC(Hdc dc) = 0;
    virtual bool DeleteDC(Hdc dc) = 0;
    virtual Hgdiobj CreateCompatibleBitmap(Hdc dc, int width, int height) = 0;
    virtual bool BitBlt(Hdc dest, int x, int y, int width, int height, Hdc src, int x1, int y1,
                        std::uint32_t rop) = 0;
    // Returns the number of scan lines copied, 0 on failure. The bitmap must
    // not be selected into a device context.
    virtual int GetDIBits(Hdc dc, Hgdiobj bitmap, std::uint32_t start, std::uint32_t lines,
                          void* bits, BitmapInfoHeader* info, std::uint32_t usage) = 0;

    // Processes, files and drives.
    virtual Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) = 0;
    virtual bool CloseHandle(Handle handle) = 0;
    // A thread of the program's own, running run; 0 when it could not start.
    virtual Handle CreateThread(std::function<void()> run) = 0;
    // A thread of our own or a process we started.
    virtual std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t ms) = 0;
    virtual bool TerminateProcess(Handle process, std::uint32_t exitCode) = 0;
    // Sizes and answers in UTF-16 units.
    virtual std::uint32_t GetProcessImageFileNameW(Handle process, char16_t* buffer,
                                                   std::uint32_t size) = 0;
    virtual std::uint32_t QueryDosDeviceW(const char16_t* deviceName, char16_t* buffer,
                                          std::uint32_t size) = 0;
    // The drive root paths the system reports, in its order ("C:\", "D:\" …).
    virtual std::vector<std::string> LogicalDrives() = 0;
    virtual std::uint32_t GetShortPathNameW(const char16_t* longPath, char16_t* buffer,
                                            std::uint32_t size) = 0;
    // Memory of another process. Addresses are carried whole: a 32-bit
    // build only ever sees addresses below 4 GiB.
    virtual RemoteAddress VirtualAllocEx(Handle process, RemoteAddress address, std::uint64_t size,
                                         std::uint32_t allocationType, std::uint32_t protect) = 0;
    virtual bool VirtualFreeEx(Handle process, RemoteAddress address, std::uint64_t size,
                               std::uint32_t freeType) = 0;
    virtual bool WriteProcessMemory(Handle process, RemoteAddress address, const void* buffer,
                                    std::size_t size, std::size_t* written) = 0;
    virtual bool ReadProcessMemory(Handle process, RemoteAddress address, void* buffer,
                                   std::size_t size, std::size_t* read) = 0;
    virtual bool IsWow64Process(Handle process, bool* wow64) = 0;
    // The pseudo handle of the program's own process; never closed.
    virtual Handle GetCurrentProcess() = 0;
    // The system's folders, without a trailing backslash ("C:\Windows\system32",
    // "C:\Windows"): programs of the system are started by these full paths,
    // never by a bare name a planted file in the current folder could answer.
    virtual std::string GetSystemDirectoryA() = 0;
    virtual std::string GetWindowsDirectoryA() = 0;
    // Starts a program with its window shown as showCmd says and does not
    // wait for it; stores its process identifier. The program's handles are
    // closed at once.
    virtual bool CreateProcessA(const char* commandLine, int showCmd, std::uint32_t* processId) = 0;
    // The program's own file; the units copied, NUL not counted, and size
    // itself when the path did not fit.
    virtual std::uint32_t GetModuleFileNameW(char16_t* buffer, std::uint32_t size) = 0;
    // An anonymous pipe holding about size bytes. The write end is
    // inheritable, for the program started with it as its output; the read
    // end is not.
    virtual bool CreatePipe(Handle* readPipe, Handle* writePipe, std::uint32_t size) = 0;
    // Starts applicationName, a full path that is never searched for, with
    // commandLine. stdOutput, when not 0, becomes its standard output and is
    // the only handle it inherits. The thread's handle is closed at once;
    // info->hProcess is the caller's to close.
    virtual bool CreateProcessW(const char16_t* applicationName, const char16_t* commandLine,
                                std::uint32_t creationFlags, int showCmd, Handle stdOutput,
                                ProcessInformation* info) = 0;
    // Bytes waiting in a pipe. False when it fails: ERROR_BROKEN_PIPE once
    // it is empty and no writer is left.
    virtual bool PeekNamedPipe(Handle pipe, std::uint32_t* totalBytesAvail) = 0;
    // Waits for at least one byte: ask a pipe only for what PeekNamedPipe
    // reported, or the call waits on the writer.
    virtual bool ReadFile(Handle file, void* buffer, std::uint32_t size, std::uint32_t* read) = 0;

    // Menus. GetMenuState and GetMenuStringW take an item identifier (or,
    // with MF_BYPOSITION, a position); a submenu's handle serves as the
    // identifier of the item that opens it.
    virtual Hmenu GetMenu(Hwnd hwnd) = 0;
    virtual Hmenu GetSystemMenu(Hwnd hwnd, bool revert) = 0;
    virtual Hmenu GetSubMenu(Hmenu menu, int pos) = 0;
    virtual int GetMenuItemCount(Hmenu menu) = 0;
    virtual std::uint32_t GetMenuItemID(Hmenu menu, int pos) = 0;
    virtual std::uint32_t GetMenuState(Hmenu menu, std::uint32_t id, std::uint32_t flags) = 0;
    virtual int GetMenuStringW(Hmenu menu, std::uint32_t id, char16_t* buffer, int maxCount,
                               std::uint32_t flags) = 0;

    // Shell.
    virtual void ShellExecuteW(Hwnd owner, const char16_t* operation, const char16_t* file,
                               const char16_t* parameters, const char16_t* directory, int showCmd) = 0;

    // The system's ANSI code page, by which texts are measured and cut where
    // a limit counts bytes.
    virtual std::string AnsiToUtf8(const std::string& ansi) = 0;
    virtual std::string Utf8ToAnsi(const std::string& utf8) = 0;
    // WideCharToMultiByte(CP_ACP): what an A function would have answered; a
    // character the code page lacks becomes its default character.
    virtual std::string WideToAnsi(std::u16string_view wide) = 0;
};

}  // namespace lumivex
