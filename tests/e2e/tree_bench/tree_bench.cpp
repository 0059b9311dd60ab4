// Measures, under Wine, the window tree of a desktop of 5,000 windows of
// another process: the build time Lumivex's tree window shows in its caption
// after "桌面", against the bare calls that build must make (the walk of the
// window chain, each window's parent, class name and title), made from here
// in the same run. Not a test.
//
//   LumivexTreeBench.exe         starts a host copy of itself holding the
//                                windows and Lumivex.exe from its own folder,
//                                measures, ends both
//   LumivexTreeBench.exe host    the other process: the windows
// Lumivex's platform header goes before <windows.h>: it names the system's
// constants itself.
#include "desktop_tree/window_tree.h"
#include "info/tools_readings.h"
#include "info/window_text.h"
#include "platform/send.h"
#include "platform/win32/win32_platform.h"
#include "ui/control_ids.h"

#include <windows.h>

#include "../common/bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kHostClass[] = L"LvxTreeBenchHost";
constexpr int kTopLevel = 100, kChildrenEach = 49, kRounds = 3;
constexpr DWORD kWaitMs = 120000;

int Host(HINSTANCE instance) {
    e2e::RegisterHostClass(instance, kHostClass);
    HWND first = nullptr;
    for (int t = 0; t < kTopLevel; ++t) {
        const std::wstring title = L"树测试窗口 " + std::to_wstring(t);
        HWND top = CreateWindowExW(0, kHostClass, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                   nullptr, instance, nullptr);
        if (!first) first = top;
        for (int c = 0; c < kChildrenEach; ++c) {
            const std::wstring text = L"按钮 " + std::to_wstring(t) + L"." + std::to_wstring(c);
            CreateWindowExW(0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE, c % 7 * 40, c / 7 * 25, 40, 25, top,
                            nullptr, instance, nullptr);
        }
    }
    return e2e::ServeWhenReady(first);
}

template <typename Ready>
bool WaitFor(Ready ready) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 20) {
        if (ready()) return true;
        Sleep(20);
    }
    return false;
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchControl(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    if (GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

// A child of a window of Lumivex's, at any depth, by its control identifier.
HWND Control(HWND parent, int id) {
    ControlSearch search{id, nullptr};
    EnumChildWindows(parent, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring Caption(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

int Measure() {
    e2e::ChildProcess host(e2e::ChildProcess::HostCommand());
    if (!host.started() || !WaitFor([] { return FindWindowW(kHostClass, L"ready") != nullptr; })) return 2;

    e2e::ChildProcess lumivex(L"\"" + e2e::OwnFolder() + L"Lumivex.exe\"");
    HWND main = nullptr;
    if (!lumivex.started() || !WaitFor([&] { return (main = FindWindowW(L"LumivexMain", nullptr)) != nullptr; }))
        return 3;
    HWND treeButton = nullptr;
    if (!WaitFor([&] { return (treeButton = Control(main, IDC_TREE_BUTTON)) != nullptr; })) return 3;
    PostMessageW(treeButton, BM_CLICK, 0, 0);
    HWND tree = nullptr, desktopButton = nullptr;
    if (!WaitFor([&] { return (tree = FindWindowW(L"LumivexTree", nullptr)) != nullptr; }) ||
        !WaitFor([&] { return (desktopButton = Control(tree, IDC_TREE_DESKTOP)) != nullptr; }))
        return 4;

    // Sent from a thread with a window of its own, as Lumivex's sends are.
    HWND own = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    lumivex::Win32Platform p;
    const lumivex::Hwnd desktop = p.GetDesktopWindow();
    auto bareCalls = [&] {
        const lumivex::ActionScope action;
        const auto windows = lumivex::EnumWindowTree(p, desktop);
        // Each window's parent, class name and title, the title asked
        // for its length first and then read.
        for (lumivex::Hwnd h : windows) {
            p.GetParent(h);
            lumivex::GetWndClass(p, h);
            lumivex::GetWndText(p, h, 60);
        }
        return windows.size();
    };
    auto timed = [](double& best, auto run) {
        const double start = e2e::NowMs();
        run();
        best = std::min(best, e2e::NowMs() - start);
    };

    // The three taken in turns, so that a machine busy for a while slows
    // them alike. A caption round blanks the caption, presses "桌面" and
    // reads the time the caption then gives.
    double captionBest = 1e300, bareBest = 1e300, buildBest = 1e300;
    unsigned long count = 0;
    std::size_t bareWindows = 0;
    for (int i = 0; i < kRounds; ++i) {
        SetWindowTextW(tree, L"");
        PostMessageW(desktopButton, BM_CLICK, 0, 0);
        if (!WaitFor([&] { return Caption(tree).rfind(L"句柄树结构列表 [共", 0) == 0; })) return 5;
        double seconds = 0;
        if (std::swscanf(Caption(tree).c_str(), L"句柄树结构列表 [共%lu项] - (耗时 %lf 秒)", &count, &seconds) != 2)
            return 6;
        captionBest = std::min(captionBest, seconds * 1000.0);
        timed(bareBest, [&] { bareWindows = bareCalls(); });
        timed(buildBest, [&] { lumivex::BuildDesktopTree(p); });
    }

    std::printf("windows %lu in the caption, %zu enumerated here; best of %d rounds\n", count, bareWindows, kRounds);
    std::printf("caption (build and tree fill) %8.1f ms  %.2fx the bare calls\n", captionBest, captionBest / bareBest);
    std::printf("build alone, from here        %8.1f ms  %.2fx the bare calls\n", buildBest, buildBest / bareBest);
    std::printf("bare calls                    %8.1f ms\n", bareBest);
    DestroyWindow(own);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && lstrcmpW(argv[1], L"host") == 0) return Host(GetModuleHandleW(nullptr));
    return Measure();
}
