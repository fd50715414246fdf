// The closing loop of bench/data (311 segments of 0.1 mm, opened by 1 mm)
// activated from zero load in the Slot target three ways: by the fast path
// (Newton, to 1e-6 mm and 1e-5 degrees), by the classic iteration to the
// default tolerances (0.1 mm, 1 degree: what the window's run stops at), and
// by the classic iteration to 1e-6 mm and 1e-5 degrees.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "solve/newton.h"
#include "wire/activation_run.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;

constexpr double kSegmentSize = 0.1;  // mm
const std::string kLoopFile = std::string(TORVIK_BENCH_DATA) + "/closing_loop.tvk";

std::unique_ptr<TDesign> Loop(benchmark::State& state) {
    try {
        return LoadDesign(kLoopFile, kSegmentSize, DefaultStock());
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return nullptr;
    }
}

void FromZero(TDesign& d) {
    d.RightForce = TForceMoment(d.RightBracket.Origin(), 0, 0, 0);
    d.CalcLeftForce();
    d.CurrentWire->Unload();
}

void Report(benchmark::State& state, const TDesign& d, int aIterations, int aDeforms) {
    state.counters["segments"] = d.CurrentWire->Count();
    state.counters["iterations"] = aIterations;
    if (aDeforms > 0) state.counters["deforms"] = aDeforms;
    state.counters["force_cN"] = std::hypot(d.RightForce.x, d.RightForce.y);
    state.counters["distance_mm"] = EndDistance(d);
}

void BM_NewtonClosingLoop(benchmark::State& state) {
    const auto d = Loop(state);
    if (!d) return;
    const TActivationSettings settings;  // Slot
    TSolveResult r;
    for (auto _ : state) {
        FromZero(*d);
        r = SolveActivation(*d, settings);
        if (r.end != TSolveEnd::Converged) break;
    }
    if (r.end != TSolveEnd::Converged) {
        state.SkipWithError(("the solve did not converge: " + r.message).c_str());
        return;
    }
    Report(state, *d, r.iterations, r.deforms);
}
BENCHMARK(BM_NewtonClosingLoop)->Unit(benchmark::kMillisecond);

void BM_ClassicClosingLoop(benchmark::State& state) {
    const auto d = Loop(state);
    if (!d) return;
    TActivationSettings settings;
    if (state.range(0) != 0) {
        settings.ToleranceDistance = 1e-6;
        settings.ToleranceAngle = ToRadians(1e-5);
    }
    int iterations = 0;
    TStopReason stop = TStopReason::None;
    for (auto _ : state) {
        FromZero(*d);
        TActivationRun run;
        stop = TStopReason::None;
        while (stop == TStopReason::None && run.Iterations() < 100000) stop = run.Iterate(*d, settings).stop;
        iterations = run.Iterations();
        if (stop != TStopReason::Tolerance) break;
    }
    if (stop != TStopReason::Tolerance) {
        state.SkipWithError("the run did not meet its tolerances");
        return;
    }
    Report(state, *d, iterations, 0);
}
// 0: the default tolerances; 1: 1e-6 mm and 1e-5 degrees.
BENCHMARK(BM_ClassicClosingLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
