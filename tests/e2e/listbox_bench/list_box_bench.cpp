// Measures, under Wine, reading a list box of 200,000 items of another
// process: ReadListItems as it runs to its end, ReadListItems as a read
// on a thread of its own runs it (one action's budget, progress reported and
// cancel asked after every item), and the floor of the bare cross-process
// sends (LB_GETTEXTLEN and LB_GETTEXT per item), taken in turns in one run.
// Not a test.
//
//   LumivexListBoxBench.exe [rounds]   starts a host copy of itself holding
//                                      the list box, measures, ends the host
//   LumivexListBoxBench.exe host       the other process: the list box
// Lumivex's platform header goes before <windows.h>: it names the system's
// constants itself.
#include "platform/send.h"
#include "platform/win32/win32_platform.h"
#include "readers/list_items_reader.h"
#include "readers/read_progress.h"

#include <windows.h>

#include "../common/bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kHostClass[] = L"LvxListBoxBenchHost";
constexpr int kDefaultItems = 200000, kDefaultRounds = 5, kItemChars = 9;
int kItems = kDefaultItems;
constexpr UINT kSendTimeoutMs = 2000;

std::wstring Item(int index) {
    wchar_t text[kItemChars + 1];
    std::swprintf(text, kItemChars + 1, L"项目 %06d", index + 1);
    return text;
}

int Host(HINSTANCE instance) {
    e2e::RegisterHostClass(instance, kHostClass);
    HWND host = CreateWindowExW(0, kHostClass, L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr,
                                instance, nullptr);
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 300, 300, host,
                                nullptr, instance, nullptr);
    // Drawing off and the storage taken at once: otherwise the fill alone
    // takes minutes.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, kItems, kItems * (kItemChars + 1) * sizeof(wchar_t));
    for (int i = 0; i < kItems; ++i) {
        const std::wstring text = Item(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    return e2e::ServeWhenReady(host);
}

// The messages every item costs at the least, with the flags and time-out
// Lumivex's door uses; the text is not kept.
void BareSends(HWND list) {
    std::vector<wchar_t> buffer(64 * 1024);
    for (int i = 0; i < kItems; ++i) {
        DWORD_PTR length = 0, copied = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &length);
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    }
}

std::string ExpectedText() {
    std::string text;
    for (int i = 0; i < kItems; ++i) {
        if (i > 0) text += "\r\n";
        const std::wstring item = Item(i);
        char bytes[64];
        const int n = WideCharToMultiByte(CP_UTF8, 0, item.data(), static_cast<int>(item.size()), bytes, sizeof bytes,
                                          nullptr, nullptr);
        text.append(bytes, static_cast<std::size_t>(n));
    }
    return text;
}

template <typename F>
double Timed(F run) {
    const double start = e2e::NowMs();
    run();
    return e2e::NowMs() - start;
}

int Measure(int rounds) {
    e2e::ChildProcess process(e2e::ChildProcess::HostCommand() + L" " + std::to_wstring(kItems));
    if (!process.started()) return 2;
    HWND host = nullptr;
    for (int i = 0; i < 1200 && !host; ++i) {
        host = FindWindowW(kHostClass, L"ready");
        if (!host) Sleep(50);
    }
    HWND list = host ? FindWindowExW(host, nullptr, L"LISTBOX", nullptr) : nullptr;
    if (!list) return 3;

    lumivex::Win32Platform p;
    const lumivex::Hwnd target = lumivex::FromHwnd(list);
    const std::string expected = ExpectedText();
    bool same = true;
    double bestPlain = 1e300, bestWorker = 1e300, bestBare = 1e300;
    std::printf("items %d, %d rounds in turns\n", kItems, rounds);
    std::printf("round  ReadListItems        as a worker runs it   bare sends\n");
    for (int r = 0; r < rounds; ++r) {
        std::string plain, worker;
        const double plainMs = Timed([&] { plain = lumivex::ReadListItems(p, target).text; });
        const double workerMs = Timed([&] {
            const lumivex::ActionScope action;
            lumivex::ReadProgress progress;
            lumivex::ReaderOptions options;
            options.progress = &progress;
            worker = lumivex::ReadListItems(p, target, options).text;
        });
        const double bareMs = Timed([&] { BareSends(list); });
        same = same && plain == expected && worker == expected;
        std::printf("%5d  %8.1f ms %5.2fx   %8.1f ms %5.2fx   %8.1f ms\n", r + 1, plainMs, plainMs / bareMs, workerMs,
                    workerMs / bareMs, bareMs);
        bestPlain = std::min(bestPlain, plainMs);
        bestWorker = std::min(bestWorker, workerMs);
        bestBare = std::min(bestBare, bareMs);
    }
    std::printf("best   %8.1f ms %5.2fx   %8.1f ms %5.2fx   %8.1f ms\n", bestPlain, bestPlain / bestBare, bestWorker,
                bestWorker / bestBare, bestBare);
    std::printf("text as the host holds it: %s, %zu bytes\n", same ? "yes" : "NO", expected.size());
    return same ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2) kItems = std::max(1, _wtoi(argv[2]));
    if (argc > 1 && lstrcmpW(argv[1], L"host") == 0) return Host(GetModuleHandleW(nullptr));
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRounds;
    return Measure(rounds);
}
