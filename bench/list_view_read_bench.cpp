// Reading a 1000 x 5 report list view of another (simulated) 64-bit
// process: the whole read (process opened once, one remote block, every
// batch written and read back in one call each), the cell-by-cell way (a
// complete round trip per cell: nine system calls), and the floor: one bare
// LVM_GETITEMTEXTW send per cell through the time-out door, measured in the
// same run. Report ratios against the floor.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/send.h"
#include "platform/sim/sim_controls.h"
#include "readers/item_layouts.h"
#include "readers/list_view_reader.h"
#include "readers/remote_memory.h"

namespace lumivex {
namespace {

constexpr int kRows = 1000, kColumns = 5;

struct ListDesk {
    sim::SimDesktop desk;
    Hwnd listView = 0;
    ListDesk() {
        desk.AddProcess(4000, "\\Device\\HarddiskVolume1\\app.exe").is64Bit = true;
        sim::WindowSpec dialog;
        dialog.processId = 4000;
        std::vector<std::vector<std::string>> rows(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c) rows[r].push_back("行" + std::to_string(r) + " 列" + std::to_string(c));
        listView = sim::CreateListView(desk, desk.CreateWindow(dialog), rows, kColumns);
    }
    // What the simulation records grows with every call: dropped between rounds.
    void Forget() {
        desk.log.Clear();
        desk.allocations.clear();
    }
};

// After every round of a reader: remote blocks still allocated in the
// target (must be 0) and accesses outside allocated memory (must be 0).
void Report(benchmark::State& state, ListDesk& d) {
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
    state.counters["reads"] = static_cast<double>(state.iterations());
    state.counters["live_blocks"] = d.desk.liveRemoteBlocks();
    state.counters["bad_accesses"] = d.desk.badRemoteAccesses;
}

void BM_ListViewWholeRead(benchmark::State& state) {
    ListDesk d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadListView(d.desk, d.listView));
        d.Forget();
    }
    Report(state, d);
}
BENCHMARK(BM_ListViewWholeRead)->Unit(benchmark::kMillisecond);

void BM_ListViewCellByCell(benchmark::State& state) {
    ListDesk d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadListViewCellByCell(d.desk, d.listView));
        d.Forget();
    }
    Report(state, d);
}
BENCHMARK(BM_ListViewCellByCell)->Unit(benchmark::kMillisecond);

// One send per cell at one request written once beforehand: nothing read back.
void BM_ListViewBareSends(benchmark::State& state) {
    ListDesk d;
    ProcessHandle process(d.desk, d.desk.OpenProcess(0x38, false, 4000));
    const ItemLayout layout = LayoutFor(ItemKind::ListViewCell, true);
    RemoteBlock text(d.desk, process.get(), layout.textBytes(), layout.allocationType);
    RemoteBlock item(d.desk, process.get(), layout.structSize, layout.allocationType);
    const auto request = ItemRequest(layout, 0, text.address());
    item.Write(0, request.data(), request.size());
    for (auto _ : state) {
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                benchmark::DoNotOptimize(SendTimeout(d.desk, d.listView, win::LVM_GETITEMTEXTW,
                                                     static_cast<Wparam>(r), static_cast<Lparam>(item.address())));
        d.desk.log.Clear();
    }
    state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_ListViewBareSends)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumivex
