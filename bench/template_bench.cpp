// A sweep's worth of loop templates: 50 T-loops of heights from 6 to 10 mm
// generated one after another, alone and each activated to full engagement
// in the slot by the Newton solver (1e-6 mm), as a parameter sweep does
// while the user waits.

#include <benchmark/benchmark.h>

#include "solve/loop_template.h"
#include "solve/newton.h"

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

void BM_GenerateAndSolveTLoopSweep(benchmark::State& state) {
    const TActivationSettings settings;
    int iterations = 0, deforms = 0;
    for (auto _ : state) {
        iterations = deforms = 0;
        for (int i = 0; i < kSteps; ++i) {
            const auto d = Step(i).Generate();
            const TSolveResult r = SolveActivation(*d, settings);
            if (r.end != TSolveEnd::Converged) {
                state.SkipWithError(("a step did not converge: " + r.message).c_str());
                return;
            }
            iterations += r.iterations;
            deforms += r.deforms;
        }
    }
    state.counters["designs"] = kSteps;
    state.counters["iterations"] = iterations;
    state.counters["deforms"] = deforms;
}
BENCHMARK(BM_GenerateAndSolveTLoopSweep)->Unit(benchmark::kMillisecond);

}  // namespace
