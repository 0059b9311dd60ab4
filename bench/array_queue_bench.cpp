// The value array as the window tree uses it: a queue of window handles,
// appended at the back and taken from the front. Beside it, the bare cost of
// the same traffic through a std::deque of 32-bit handles.
#include <benchmark/benchmark.h>

#include <deque>

#include "tree/array_ops.h"

namespace lumivex {
namespace {

void BM_ValueArrayQueue(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        ValueArray queue;
        for (std::int32_t i = 0; i < n; ++i) ArrayAppend(queue, Value::Long(i));
        while (ArrayCount(queue) > 0) benchmark::DoNotOptimize(ArrayRemoveAt(queue, 0));
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ValueArrayQueue)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A breadth-first walk keeps the queue long while it is drained: take one,
// add three, until every handle has passed through once.
void BM_ValueArrayQueueInterleaved(benchmark::State& state) {
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        ValueArray queue;
        ArrayAppend(queue, Value::Long(0));
        std::int32_t added = 1;
        while (ArrayCount(queue) > 0) {
            benchmark::DoNotOptimize(ArrayRemoveAt(queue, 0));
            for (int k = 0; k < 3 && added < n; ++k) ArrayAppend(queue, Value::Long(added++));
        }
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ValueArrayQueueInterleaved)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BareDequeQueue(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        std::deque<std::uint32_t> queue;
        for (std::uint32_t i = 0; i < n; ++i) queue.push_back(i);
        while (!queue.empty()) {
            benchmark::DoNotOptimize(queue.front());
            queue.pop_front();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n));
}
BENCHMARK(BM_BareDequeQueue)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumivex
