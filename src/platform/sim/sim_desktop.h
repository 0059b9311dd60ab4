// A simulated desktop: windows, processes, drives, screen, cursor and GDI,
// enough to run the program's logic natively and to build hostile cases
// (a hung thread, a window that vanishes mid-fill, lengths that lie).
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/sim_call_log.h"
#include "platform/sim/sim_faults.h"
#include "platform/sim/sim_model.h"
#include "platform/sim/sim_programs.h"

namespace lumivex::sim {

class SimDesktop : public Platform {
public:
    SimDesktop();

    // Building the desktop.
    Hwnd CreateWindow(const WindowSpec& desc);
    void DestroyWindow(Hwnd hwnd);
    SimWindow& Window(Hwnd hwnd);
    SimProcess& AddProcess(std::uint32_t id, const std::string& imagePath);
    void AddDrive(const std::string& root, const std::string& device);
    void AddShortPath(const std::string& longPath, const std::string& shortPath);  // UTF-8
    void SetCursor(Point p, Hcursor cursor = 0x10003) { cursorPos_ = p; cursor_ = cursor; }
    void SetScreenSize(int width, int height);
    // The screen's pixels, 0x00RRGGBB; what the screen device context shows.
    void SetScreenPixel(int x, int y, std::uint32_t rgb);
    std::uint32_t ScreenPixel(int x, int y) const;
    void FillScreen(const Rect& area, std::uint32_t rgb);
    void SetDpi(int dpi) { dpi_ = dpi; }
    // Monitors (sim_monitors.cpp). The first is the primary and starts at
    // (0, 0), as the primary monitor does on Windows; the others may lie
    // anywhere, at negative coordinates too. The screen's pixels cover
    // their union, the virtual screen, and start black. SetScreenSize(w, h)
    // is one w x h monitor at the system's DPI, the default 1280 x 800.
    void SetMonitors(const std::vector<SimMonitor>& monitors);
    const std::vector<SimMonitor>& monitors() const { return monitors_; }
    Rect virtualScreen() const { return virtual_; }
    // Code page used by AnsiToUtf8/Utf8ToAnsi/WideToAnsi ("CP936" by default).
    void SetCodePage(const std::string& codePage) { codePage_ = codePage; }
    // An identifier no process has yet, as the system gives a process it starts.
    std::uint32_t NewProcessId() { return nextProcessId_ += 4; }
    // Menus: items are appended in order; a submenu's handle is its item's identifier.
    Hmenu CreateMenu();
    void AppendMenu(Hmenu menu, const std::string& text, std::uint32_t id, Hmenu sub = 0,
                    std::uint32_t state = 0);
    void AppendSeparator(Hmenu menu);
    // Remote memory as the owning process sees it; false (and counted as a
    // bad access) outside its committed blocks.
    bool ReadRemote(std::uint32_t processId, RemoteAddress address, void* out, std::size_t size);
    bool WriteRemote(std::uint32_t processId, RemoteAddress address, const void* data, std::size_t size);
    SimProcess* Process(std::uint32_t processId);
    // A font object, as CreateFontIndirectW makes one.
    Hgdiobj AddFont(const LogFontW& logFont);
    // The font a fresh display context holds.
    Hgdiobj systemFont() const { return systemFont_; }

    // What the logic did (sim_call_log.h).
    CallLog log;
    // Faults injected into the desktop's own calls (sim_faults.h).
    SimFaults faults;
    // Every outline shown, in order; at most the last one is visible.
    std::vector<ShownFrame> frames;
    int visibleFrames() const;
    // The screen as the user sees it: the screen's pixel, inverted where a
    // visible outline covers it.
    std::uint32_t SeenPixel(int x, int y) const;
    // Called at every Sleep, with what the logic waits for, so that a test
    // can look at the desktop while the logic waits.
    std::function<void(std::uint32_t ms)> onSleep;
    std::uint32_t sleptMs = 0;
    // Calls that wait for the thread of a hung or busy window (ShowWindow,
    // SetWindowPos without SWP_ASYNCWINDOWPOS, BringWindowToTop,
    // MoveWindow): on Windows each one freezes us.
    int blockingCallsToUnresponsive = 0;
    // Time spent waiting for timed sends that did not get an answer.
    std::uint32_t waitedMs = 0;
    // Busy threads, by thread identifier: a window of one answers a timed
    // send only when the time-out is longer than this, and calls that wait
    // for its thread would freeze the caller that long. A send that times
    // out before a busy thread took it in is withdrawn: never carried out.
    // One a thread had taken in when time ran out (SimWindow::slowAnswers)
    // runs to its end when the thread is done (FinishBusyThreads): late, into
    // whatever the message names by then. (WM_SETTEXT then sets the copy of
    // the text the system made; what WM_GETTEXT and the like would copy back
    // is dropped.)
    std::map<std::uint32_t, std::uint32_t> busyThreads;
    void FinishBusyThreads();
    // Hung threads: every window of one fails a timed send at once and is
    // reported hung (SimWindow::hung hangs a single window, for short).
    std::set<std::uint32_t> hungThreads;
    // Remote memory: every allocation made, blocks still allocated, and
    // accesses a control made to memory that was not allocated (each one
    // would crash the target).
    std::vector<RemoteAllocation> allocations;
    int liveRemoteBlocks() const;
    int badRemoteAccesses = 0;
    // Item handles a tree view was given that it never handed out.
    int badItemHandles = 0;
    // Whether the program is 64-bit: a 32-bit one gets addresses below 4 GiB
    // from every process, and its own process is a WOW64 one on a 64-bit system.
    bool callerIs64Bit = true;
    // The thread the logic runs on: WindowFromPoint asks only windows of it
    // whether they let the point through (SimWindow::transparentHit).
    std::uint32_t callerThreadId = 1;
    bool system64Bit = true;
    // Programs CreateProcessW and CreateProcessA start, by path, and their
    // pipes (sim_programs.h).
    SimPrograms programs;
    std::u16string modulePath = u"C:\\Program Files\\Lumivex\\Lumivex.exe";  // GetModuleFileNameW
    int openDcs() const { return static_cast<int>(openDcs_.size()); }
    int liveGdiObjects() const { return static_cast<int>(gdiObjects_.size()); }
    int openProcessHandles() const { return static_cast<int>(processHandles_.size()); }
    Hwnd capture() const { return capture_; }
    std::size_t windowCount() const { return windows_.size(); }

    // Platform.
    bool IsWindow(Hwnd hwnd) override;
    bool IsHungAppWindow(Hwnd hwnd) override;
    Hwnd GetWindow(Hwnd hwnd, std::uint32_t cmd) override;
    Hwnd GetParent(Hwnd hwnd) override;
    Hwnd GetDesktopWindow() override { return kDesktop; }
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
    std::vector<Hwnd> EnumWindows() override { return topLevel_; }
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
    std::uint32_t GetLastError() override { return lastError_; }
    void ShowInvertedFrame(const Rect& rect, int penWidth) override;
    void HideInvertedFrame() override;

    Hmonitor MonitorFromWindow(Hwnd hwnd, std::uint32_t flags) override;
    Hmonitor MonitorFromPoint(Point p, std::uint32_t flags) override;
    bool GetMonitorInfoW(Hmonitor monitor, MonitorInfo& info) override;

    Hdc CreateCompatibleDC(Hdc dc) override;
    bool DeleteDC(Hdc dc) override;
    Hgdiobj CreateCompatibleBitmap(Hdc dc, int width, int height) override;
    bool BitBlt(Hdc dest, int x, int y, int width, int height, Hdc src, int x1, int y1,
                std::uint32_t rop) override;
    int GetDIBits(Hdc dc, Hgdiobj bitmap, std::uint32_t start, std::uint32_t lines, void* bits,
                  BitmapInfoHeader* info, std::uint32_t usage) override;

    Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool CloseHandle(Handle handle) override;
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
    // Real threads: a test touches the desktop only after the thread ends.
    Handle CreateThread(std::function<void()> run) override;
    std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t ms) override;
    Handle GetCurrentProcess() override { return kCurrentProcess; }
    std::string GetSystemDirectoryA() override { return "C:\\Windows\\system32"; }
    std::string GetWindowsDirectoryA() override { return "C:\\Windows"; }
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

    static constexpr Hwnd kDesktop = 0x10010;
    static constexpr Handle kCurrentProcess = static_cast<Handle>(-1);
    // What a fresh memory device context holds: the stock 1x1 bitmap.
    static constexpr Hgdiobj kStockBitmap = 0x8;

protected:
    // A message a busy thread took in and finishes after the sender gave up.
    struct LateMessage {
        Hwnd hwnd;
        std::uint32_t msg;
        Wparam wParam;
        Lparam lParam;
        std::u16string text;  // the copy of a WM_SETTEXT's text
    };
    struct DcState {
        Hwnd window;
        Hgdiobj pen = 0;
        Hgdiobj font = 0;
        bool memory = false;  // CreateCompatibleDC: draws into its selected bitmap
        Hgdiobj bitmap = 0;   // 0: the stock 1x1 bitmap
    };
    struct SimBitmap {
        int width = 0, height = 0;
        std::vector<std::uint32_t> pixels;  // top-down rows, 0x00RRGGBB
    };
    bool ReadPixel(const DcState& dc, int x, int y, std::uint32_t& rgb) const;
    void WritePixel(const DcState& dc, int x, int y, std::uint32_t rgb);
    bool IsSelectedBitmap(Hgdiobj bitmap) const;
    SimWindow* Find(Hwnd hwnd);
    std::vector<Hwnd>& Siblings(const SimWindow& w);
    Lresult DefaultAnswer(SimWindow& w, std::uint32_t msg, Wparam wParam, Lparam lParam);
    Lresult Deliver(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam);
    SimProcess* ProcessOfHandle(Handle handle, std::uint32_t access);
    Hwnd HitTest(const std::vector<Hwnd>& zOrder, Point p, bool topLevel);
    bool TimedSend(Hwnd hwnd, std::uint32_t msg, Wparam wParam, Lparam lParam, std::uint32_t timeoutMs,
                   Lresult* result);
    bool TakeInSlowly(const SimWindow& w, LateMessage late, std::uint32_t answerMs, std::uint32_t timeoutMs);
    // Counts a call that waits for the window's thread when it would freeze.
    void NoteWaitingCall(Hwnd hwnd);
    bool ApplyShowWindow(Hwnd hwnd, int cmdShow);
    // Where (x, y) of MoveWindow or SetWindowPos lies on the screen: the
    // parent's client area for a child, the screen for a top-level window.
    Point PlacementOrigin(const SimWindow& w);
    // The client area on the screen.
    Rect ClientOnScreen(const SimWindow& w) const;
    // Places w and moves its descendants along; a new size gives it a new client area.
    void Place(SimWindow& w, const Rect& rect);
    // To the top of its siblings; a top-level window that is not topmost
    // stays below the topmost ones.
    void Raise(Hwnd hwnd);
    bool Hung(const SimWindow& w) const;

    std::map<Hwnd, SimWindow> windows_;
    std::vector<Hwnd> topLevel_;  // Z order, top first
    Hwnd nextHwnd_ = 0x100A4;
    std::map<std::uint32_t, SimProcess> processes_;
    std::map<Handle, std::uint32_t> processHandles_;  // handle -> process id
    std::map<Handle, std::uint32_t> handleAccess_;    // handle -> access granted
    Handle nextHandle_ = 0x100;
    std::map<Handle, std::thread> threads_;
    std::vector<std::pair<std::string, std::string>> drives_;  // root, device
    std::map<std::string, std::string> shortPaths_;
    Point cursorPos_;
    Hcursor cursor_ = 0x10003;
    Hwnd capture_ = 0;
    int screenWidth_ = 1280, screenHeight_ = 800, dpi_ = 96;
    std::map<Hdc, DcState> openDcs_;
    std::set<Hgdiobj> gdiObjects_;
    std::map<Hgdiobj, SimBitmap> bitmaps_;
    std::vector<std::uint32_t> screen_;  // the virtual screen's pixels, top-down
    std::vector<SimMonitor> monitors_;
    Rect virtual_;  // the union of the monitors; screenWidth_ x screenHeight_ is the primary's size
    // The monitor of a rectangle or point by MonitorFromWindow's rules: the
    // one it overlaps most (or contains), else as flags say.
    Hmonitor MonitorOfArea(const Rect& area, std::uint32_t flags) const;
    std::uintptr_t nextGdi_ = 0x1000;
    std::map<Hgdiobj, LogFontW> fonts_;
    Hgdiobj systemFont_ = 0;
    std::string codePage_ = "CP936";
    std::uint32_t lastError_ = 0;
    struct SimMenuItem {
        std::string text;  // UTF-8
        std::uint32_t id = 0;
        Hmenu sub = 0;
        std::uint32_t state = 0;
    };
    std::map<Hmenu, std::vector<SimMenuItem>> menus_;
    Hmenu nextMenu_ = 0x2000A;
    const SimMenuItem* FindMenuItem(Hmenu root, std::uint32_t id, std::uint32_t flags);
    // Windows of programs started, shown when Sleep time reaches dueMs.
    struct PendingWindows {
        std::uint32_t processId;
        std::uint32_t dueMs;
        std::function<void(SimDesktop& desk, std::uint32_t processId)> show;
    };
    std::vector<PendingWindows> pendingWindows_;
    void ShowWindowsOf(std::uint32_t processId, SimProgram& program);
    std::vector<LateMessage> lateMessages_;
    std::uint32_t BusyMs(const SimWindow& w) const;
    std::uint32_t nextProcessId_ = 0x1F00;
};

}  // namespace lumivex::sim
