// Measures, under Wine, reading a 1000 x 5 report list view of another
// process: Lumivex's whole read, the cell-by-cell way, and the floor of one
// bare cross-process LVM_GETITEMTEXTW send per cell, in one run. Not a test.
//
//   LumivexListViewBench.exe          starts a host copy of itself holding
//                                     the list view, measures, ends the host
//   LumivexListViewBench.exe host     the other process: the list view
// Lumivex's platform header goes before <windows.h>: it names the system's
// constants itself.
#include "platform/send.h"
#include "platform/win32/win32_platform.h"
#include "readers/item_layouts.h"
#include "readers/list_view_reader.h"
#include "readers/remote_memory.h"

#include <windows.h>

#include <commctrl.h>

#include "../common/bench_support.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr wchar_t kHostClass[] = L"LvxListViewBenchHost";
constexpr int kRows = 1000, kColumns = 5, kRounds = 5;

int Host(HINSTANCE instance) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    e2e::RegisterHostClass(instance, kHostClass);
    HWND host = CreateWindowExW(0, kHostClass, L"bench", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                instance, nullptr);
    HWND view = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 300, host,
                                nullptr, instance, nullptr);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 70;
        std::wstring name = L"列" + std::to_wstring(c);
        column.pszText = name.data();
        SendMessageW(view, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < kRows; ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        for (int c = 0; c < kColumns; ++c) {
            std::wstring text = L"行" + std::to_wstring(r) + L" 列" + std::to_wstring(c);
            item.iSubItem = c;
            item.pszText = text.data();
            SendMessageW(view, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
        }
    }
    // Found by its class once the list is full.
    return e2e::ServeWhenReady(host);
}

template <typename F>
double BestOf(F run) {
    double best = 1e300;
    for (int i = 0; i < kRounds; ++i) {
        const double start = e2e::NowMs();
        run();
        best = std::min(best, e2e::NowMs() - start);
    }
    return best;
}

int Measure() {
    e2e::ChildProcess process(e2e::ChildProcess::HostCommand());
    if (!process.started()) return 2;
    HWND host = nullptr;
    for (int i = 0; i < 600 && !host; ++i) {
        host = FindWindowW(kHostClass, L"ready");
        if (!host) Sleep(50);
    }
    HWND view = host ? FindWindowExW(host, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    if (!view) return 3;

    lumivex::Win32Platform p;
    const lumivex::Hwnd target = lumivex::FromHwnd(view);
    std::string whole, byCell;
    const double wholeMs = BestOf([&] { whole = lumivex::ReadListView(p, target).text; });
    const double cellMs = BestOf([&] { byCell = lumivex::ReadListViewCellByCell(p, target).text; });

    lumivex::ProcessHandle remote(p, p.OpenProcess(0x38, false, process.id()));
    const lumivex::ItemLayout layout = lumivex::LayoutFor(lumivex::ItemKind::ListViewCell, true);
    lumivex::RemoteBlock text(p, remote.get(), layout.textBytes(), layout.allocationType);
    lumivex::RemoteBlock item(p, remote.get(), layout.structSize, layout.allocationType);
    const auto request = lumivex::ItemRequest(layout, 0, text.address());
    item.Write(0, request.data(), request.size());
    const double floorMs = BestOf([&] {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                lumivex::SendTimeout(p, target, layout.message, static_cast<lumivex::Wparam>(r),
                                     static_cast<lumivex::Lparam>(item.address()));
    });

    std::printf("cells %d, best of %d rounds\n", kRows * kColumns, kRounds);
    std::printf("whole read     %8.1f ms  %.2fx the floor\n", wholeMs, wholeMs / floorMs);
    std::printf("cell by cell   %8.1f ms  %.2fx the floor\n", cellMs, cellMs / floorMs);
    std::printf("bare sends     %8.1f ms  (floor)\n", floorMs);
    std::printf("same text: %s, %zu bytes, %d lines\n", whole == byCell ? "yes" : "NO", whole.size(),
                static_cast<int>(std::count(whole.begin(), whole.end(), '\n')) + 1);
    return whole == byCell && !whole.empty() ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && lstrcmpW(argv[1], L"host") == 0) return Host(GetModuleHandleW(nullptr));
    return Measure();
}
