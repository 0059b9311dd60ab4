// Measures, under Wine, reading a list box of 200,000 items of another
// process: ReadListItems as it runs to its end, ReadListItems as a read
// on a thread of its own runs it (one action's budget, progress reported and
// cancel asked after every item), and the floor of the bare cross-process
// sends (LB_GETTEXTLEN and LB_GETTEXT per item), taken in turns in one run.
// Not a test.
//
//   LumivexListBoxBench.exe [rounds [items]]   starts a host copy of itself
//                                   holding the list box, reads its first
//                                   `items` (all unless told) each round,
//                                   ends the host
//   LumivexListBoxBench.exe host    the other process: the list box
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
constexpr int kItems = 200000, kDefaultRounds = 5, kItemChars = 9;
// Items read in each round, from the first: all of them unless told fewer.
// Rounds of fewer items take turns more often, which a machine whose load
// comes and goes needs for ratios that hold.
int g_readItems = kItems;
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
    for (int i = 0; i < g_readItems; ++i) {
        DWORD_PTR length = 0, copied = 0;
        SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                            &length);
        SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()),
                            SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
    }
}

std::string ExpectedText() {
    std::string text;
    for (int i = 0; i < g_readItems; ++i) {
        if (i > 0) text += "\r\n";
        const std::wstring item = Item(i);
        char bytes[64];
        const int n = WideCharToMultiByte(CP_UTF8, 0, item.data(), static_cast<int>(item.size()), bytes, sizeof bytes,
                                          nullptr, nullptr);
        text.append(bytes, static_cast<std::size_t>(n));
    }
    return text;
}

// Wall time, and the CPU time of this thread: the cross-process sends wait
// on the host's thread and the scheduler, which a loaded machine makes
// slow for every variant alike, while the reader's own work is CPU time here.
struct Cost {
    double wallMs = 0, cpuMs = 0;
};

double ThreadCpuMs() {
    FILETIME created, ended, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

template <typename F>
Cost Timed(F run) {
    const double wall = e2e::NowMs(), cpu = ThreadCpuMs();
    run();
    return {e2e::NowMs() - wall, ThreadCpuMs() - cpu};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Measure(int rounds) {
    e2e::ChildProcess process(e2e::ChildProcess::HostCommand());
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
    // Per round, each variant against the bare sends of the same round.
    std::vector<double> plainWall, workerWall, plainCpu, workerCpu;
    // The reader stops where the bare sends do.
    lumivex::ReaderOptions plainOptions;
    plainOptions.limits.maxListItems = static_cast<std::uint64_t>(g_readItems);
    std::printf("list box of %d items, the first %d read in each of %d rounds in turns;\n", kItems, g_readItems,
                rounds);
    std::printf("wall ms (x bare), thread CPU ms (x bare)\n");
    std::printf("round  ReadListItems                 as a worker runs it           bare sends\n");
    for (int r = 0; r < rounds; ++r) {
        std::string plain, worker;
        Cost plainCost, workerCost, bare;
        // Each round starts with another of the three, so that none always
        // runs on a host that has just been asked the same things.
        for (int turn = 0; turn < 3; ++turn) {
            switch ((r + turn) % 3) {
                case 0: plainCost = Timed([&] { plain = lumivex::ReadListItems(p, target, plainOptions).text; }); break;
                case 1:
                    workerCost = Timed([&] {
                        const lumivex::ActionScope action;
                        lumivex::ReadProgress progress;
                        lumivex::ReaderOptions options = plainOptions;
                        options.progress = &progress;
                        worker = lumivex::ReadListItems(p, target, options).text;
                    });
                    break;
                default: bare = Timed([&] { BareSends(list); }); break;
            }
        }
        same = same && plain == expected && worker == expected;
        plainWall.push_back(plainCost.wallMs / bare.wallMs);
        workerWall.push_back(workerCost.wallMs / bare.wallMs);
        plainCpu.push_back(plainCost.cpuMs / bare.cpuMs);
        workerCpu.push_back(workerCost.cpuMs / bare.cpuMs);
        std::printf("%5d  %7.0f %5.2fx %6.0f %5.2fx  %7.0f %5.2fx %6.0f %5.2fx  %7.0f %6.0f\n", r + 1,
                    plainCost.wallMs, plainWall.back(), plainCost.cpuMs, plainCpu.back(), workerCost.wallMs,
                    workerWall.back(), workerCost.cpuMs, workerCpu.back(), bare.wallMs, bare.cpuMs);
    }
    std::printf("median        %5.2fx        %5.2fx          %5.2fx        %5.2fx\n", Median(plainWall),
                Median(plainCpu), Median(workerWall), Median(workerCpu));
    std::printf("text as the host holds it: %s, %zu bytes\n", same ? "yes" : "NO", expected.size());
    return same ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && lstrcmpW(argv[1], L"host") == 0) return Host(GetModuleHandleW(nullptr));
    if (argc > 2) g_readItems = std::min(kItems, std::max(1, _wtoi(argv[2])));
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : kDefaultRounds;
    return Measure(rounds);
}
