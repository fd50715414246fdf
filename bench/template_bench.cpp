// A sweep's worth of loop templates: 50 T-loops of heights from 6 to 10 mm
// generated one after another, alone and with the classic activation of
// each to the program's default tolerances. A parameter sweep generates
// and activates this many designs while the user waits.

#include <benchmark/benchmark.h>

#include "solve/loop_template.h"
#include "wire/activation_run.h"

namespace {

using namespace torvik;

constexpr int kSteps = 50;

TLoopTemplate Step(int i) {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.SetValue("height", 6 + 4.0 * i / (kSteps - 1));
    return t;
}

void BM_GenerateTLoopSweep(benchmark::State& state) {
    int segments = 0;
    for (auto _ : state) {
        segments = 0;
        for (int i = 0; i < kSteps; ++i) {
            const auto d = Step(i).Generate();
            segments += d->CurrentWire->Count();
        }
        benchmark::DoNotOptimize(segments);
    }
    state.counters["designs"] = kSteps;
    state.counters["segments"] = segments;
}
BENCHMARK(BM_GenerateTLoopSweep)->Unit(benchmark::kMillisecond);

void BM_GenerateAndActivateTLoopSweep(benchmark::State& state) {
    const TActivationSettings settings;
    int iterations = 0;
    for (auto _ : state) {
        iterations = 0;
        for (int i = 0; i < kSteps; ++i) {
            const auto d = Step(i).Generate();
            TActivationRun run;
            TIterationResult r;
            while (r.stop == TStopReason::None && run.Iterations() < 10000) r = run.Iterate(*d, settings);
            if (r.stop != TStopReason::Tolerance) {
                state.SkipWithError("a step did not meet its target");
                return;
            }
            iterations += run.Iterations();
        }
    }
    state.counters["designs"] = kSteps;
    state.counters["iterations"] = iterations;
}
BENCHMARK(BM_GenerateAndActivateTLoopSweep)->Unit(benchmark::kMillisecond);

}  // namespace
