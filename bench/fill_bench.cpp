// Fill and pointer look-up on a desktop of 10,000 windows, beside the bare
// cost of the platform calls they are made of.
#include <benchmark/benchmark.h>

#include "app/main_form.h"
#include "capture/window_under_pointer.h"
#include "platform/sim/sim_desktop.h"

namespace lumivex {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

// 100 top-level windows of 99 controls each: 10,000 windows with the desktop.
struct BigDesktop {
    SimDesktop desk;
    Session session;
    MainForm form{desk, session};
    Hwnd target = 0;

    BigDesktop() {
        desk.SetScreenSize(1920, 1080);
        desk.AddDrive("C:\\", "\\Device\\HarddiskVolume3");
        desk.AddProcess(1000, "\\Device\\HarddiskVolume3\\Program Files\\App\\app.exe");
        for (int t = 0; t < 100; ++t) {
            WindowSpec top;
            top.className = "#32770";
            top.text = "Window " + std::to_string(t);
            top.style = win::WS_VISIBLE | win::WS_CAPTION;
            top.rect = {t, t, t + 800, t + 600};
            const Hwnd parent = desk.CreateWindow(top);
            for (int c = 0; c < 99; ++c) {
                WindowSpec child;
                child.className = "Button";
                child.text = "Button " + std::to_string(c);
                child.style = win::WS_CHILD | win::WS_VISIBLE;
                child.parent = parent;
                const int x = t + 10 + (c % 10) * 70, y = t + 40 + (c / 10) * 50;
                child.rect = {x, y, x + 60, y + 40};
                const Hwnd h = desk.CreateWindow(child);
                if (t == 99 && c == 55) target = h;
            }
        }
    }
};

void BM_Fill(benchmark::State& state) {
    BigDesktop d;
    d.form.SnapHwnd = d.target;
    for (auto _ : state) {
        d.desk.log.Clear();
        d.form.Fill();
        benchmark::DoNotOptimize(d.form.texts.title);
    }
}
BENCHMARK(BM_Fill);

void BM_GetMouseHwnd(benchmark::State& state) {
    BigDesktop d;
    d.desk.SetCursor({120, 120});
    for (auto _ : state) benchmark::DoNotOptimize(GetMouseHwnd(d.desk));
}
BENCHMARK(BM_GetMouseHwnd);

// The floor: one WindowFromPoint and one GetWindowRect on the same desktop.
void BM_BarePlatformCalls(benchmark::State& state) {
    BigDesktop d;
    Rect r;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.desk.WindowFromPoint({120, 120}));
        d.desk.GetWindowRect(d.target, r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_BarePlatformCalls);

}  // namespace
}  // namespace lumivex

BENCHMARK_MAIN();
