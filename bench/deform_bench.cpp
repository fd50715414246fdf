// One Deform pass of the whole wire at three lengths, and a check that the
// pass allocates nothing.

#include <benchmark/benchmark.h>

#include "wire/design.h"

namespace torvik::bench {
// Allocations made so far by the whole program (alloc_counter.cpp).
long AllocationCount();
}  // namespace torvik::bench

namespace {

using namespace torvik;

// A gently curved wire of aCount segments of 0.25 mm.
void BuildCurve(TDesign& d, int aCount) {
    for (int i = 1; i < aCount; ++i) d.CurrentWire->AddSeg(0.25, 0.002);
}

void BM_Deform(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TDesign d(0.25, DefaultStock());
    BuildCurve(d, n);
    TWire& wire = *d.CurrentWire;
    const TPointReal target = wire.Corner();

    const long before = bench::AllocationCount();
    wire.Deform(target, 1.0, 2.0, 3.0);
    if (bench::AllocationCount() != before) {
        state.SkipWithError("a Deform pass allocated memory");
        return;
    }

    double fx = 1.0;
    for (auto _ : state) {
        wire.Deform(target, fx, 2.0, 3.0);
        benchmark::DoNotOptimize(wire.Corner());
        fx = -fx;
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["per_segment"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * n, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocations"] = 0;
}
BENCHMARK(BM_Deform)->Arg(40)->Arg(400)->Arg(4000);

}  // namespace
