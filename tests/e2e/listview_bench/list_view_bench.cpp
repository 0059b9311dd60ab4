// Measures, under Wine, reading a report list view of another process
// (1000 x 5 unless told more rows): Lumivex's whole read, the cell-by-cell
// way (at 1000 rows or fewer: it opens the process and allocates for every
// cell), and the floor of one bare cross-process LVM_GETITEMTEXTW send per
// cell, in one run, rounds taken in turns. Not a test.
//
//   LumivexListViewBench.exe [rows [rounds]]   starts a host copy of itself
//                                     holding the list view, measures, ends
//                                     the host
//   LumivexListViewBench.exe host <rows>   the other process: the list view
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
#include <vector>

namespace {

constexpr wchar_t kHostClass[] = L"LvxListViewBenchHost";
constexpr int kDefaultRows = 1000, kColumns = 5, kDefaultRounds = 5;
int kRows = kDefaultRows;

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
    // Drawing off and the rows announced: 100,000 rows each redrawing the
    // view would take the host minutes to fill.
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view, LVM_SETITEMCOUNT, kRows, 0);
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
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    // Found by its class once the list is full.
    return e2e::ServeWhenReady(host);
}

template <typename F>
double Timed(F run) {
    const double start = e2e::NowMs();
    run();
    return e2e::NowMs() - start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string ExpectedText() {
    std::string text;
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            if (r > 0 || c > 0) text += c == 0 ? "\r\n" : "\t";
            text += "\xE8\xA1\x8C" + std::to_string(r) + " \xE5\x88\x97" + std::to_string(c);  // 行r 列c
        }
    return text;
}

int Measure(int rounds) {
    e2e::ChildProcess process(e2e::ChildProcess::HostCommand() + L" " + std::to_wstring(kRows));
    if (!process.started()) return 2;
    HWND host = nullptr;
    for (int i = 0; i < 2400 && !host; ++i) {
        host = FindWindowW(kHostClass, L"ready");
        if (!host) Sleep(50);
    }
    HWND view = host ? FindWindowExW(host, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
    if (!view) return 3;

    lumivex::Win32Platform p;
    const lumivex::Hwnd target = lumivex::FromHwnd(view);
    lumivex::ProcessHandle remote(p, p.OpenProcess(0x38, false, process.id()));
    const lumivex::ItemLayout layout = lumivex::LayoutFor(lumivex::ItemKind::ListViewCell, true);
    lumivex::RemoteBlock text(p, remote.get(), layout.textBytes(), layout.allocationType);
    lumivex::RemoteBlock item(p, remote.get(), layout.structSize, layout.allocationType);
    const auto request = lumivex::ItemRequest(layout, 0, text.address());
    item.Write(0, request.data(), request.size());
    auto bareSends = [&] {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                lumivex::SendTimeout(p, target, layout.message, static_cast<lumivex::Wparam>(r),
                                     static_cast<lumivex::Lparam>(item.address()));
    };

    const bool byCellToo = kRows <= kDefaultRows;
    const std::string expected = ExpectedText();
    bool same = true;
    std::vector<double> wholeRatios, cellRatios;
    std::printf("cells %d (%d x %d), %d rounds in turns\n", kRows * kColumns, kRows, kColumns, rounds);
    std::printf("round  whole read           cell by cell          bare sends\n");
    for (int r = 0; r < rounds; ++r) {
        double wholeMs = 0, cellMs = 0, floorMs = 0;
        std::string whole, byCell;
        // Each round starts with another of the three.
        for (int turn = 0; turn < 3; ++turn) {
            switch ((r + turn) % 3) {
                case 0: wholeMs = Timed([&] { whole = lumivex::ReadListView(p, target).text; }); break;
                case 1:
                    if (byCellToo) cellMs = Timed([&] { byCell = lumivex::ReadListViewCellByCell(p, target).text; });
                    break;
                default: floorMs = Timed(bareSends); break;
            }
        }
        same = same && whole == expected && (!byCellToo || byCell == expected);
        wholeRatios.push_back(wholeMs / floorMs);
        if (byCellToo) cellRatios.push_back(cellMs / floorMs);
        std::printf("%5d  %9.1f ms %5.2fx  ", r + 1, wholeMs, wholeRatios.back());
        if (byCellToo)
            std::printf("%9.1f ms %5.2fx  ", cellMs, cellRatios.back());
        else
            std::printf("   (not measured)     ");
        std::printf("%9.1f ms\n", floorMs);
    }
    std::printf("median whole read %.2fx the bare sends", Median(wholeRatios));
    if (byCellToo) std::printf(", cell by cell %.2fx", Median(cellRatios));
    std::printf("\nsame text as the host holds: %s, %zu bytes, %d lines\n", same ? "yes" : "NO", expected.size(),
                kRows);
    return same ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool host = argc > 1 && lstrcmpW(argv[1], L"host") == 0;
    // The host is told the rows after "host"; the measuring copy takes them first.
    const int rowsAt = host ? 2 : 1;
    if (argc > rowsAt) kRows = std::max(1, _wtoi(argv[rowsAt]));
    if (host) return Host(GetModuleHandleW(nullptr));
    return Measure(argc > 2 ? std::max(1, _wtoi(argv[2])) : kDefaultRounds);
}
