// A sliding-slot activation of a straight 15 mm wire with a 2 degree V-bend
// 1.5 mm from the left bracket (data/v_bend.tvk), from zero load to
// 0.0001 mm across the slot and 0.001 degrees, and the cost of one sliding
// iteration next to one fixed-slot iteration on the same wire.

#include <benchmark/benchmark.h>

#include <string>

#include "wire/activation_run.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;

const std::string kVBendFile = std::string(TORVIK_BENCH_DATA) + "/v_bend.tvk";

bool OpenVBend(TDesign& d, benchmark::State& state) {
    try {
        ReadDesign(kVBendFile, *d.CurrentWire, d.LeftBracket, d.RightBracket);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return false;
    }
    d.AttachToBrackets();
    if (d.CurrentWire->Count() != 60) {
        state.SkipWithError(("no V-bend in " + kVBendFile).c_str());
        return false;
    }
    return true;
}

void BM_SlidingActivationVBend(benchmark::State& state) {
    TDesign d(0.25, DefaultStock());
    if (!OpenVBend(d, state)) return;
    TActivationSettings settings;
    settings.WireSlides = true;
    settings.ToleranceDistance = 0.0001;
    settings.ToleranceAngle = ToRadians(0.001);

    int iterations = 0;
    TStopReason stop = TStopReason::None;
    for (auto _ : state) {
        d.AttachToBrackets();
        d.RightForce.x = d.RightForce.y = d.RightForce.m = 0;
        d.CurrentWire->Unload();
        TActivationRun run;
        stop = TStopReason::None;
        while (stop == TStopReason::None && run.Iterations() < 100000) stop = run.Iterate(d, settings).stop;
        iterations = run.Iterations();
        if (stop != TStopReason::Tolerance) break;
    }
    if (stop != TStopReason::Tolerance) {
        state.SkipWithError("the sliding activation did not meet the tolerances");
        return;
    }
    state.counters["iterations"] = iterations;
    state.counters["left_moment_cNmm"] = d.LeftForce.m;
    state.counters["right_moment_cNmm"] = d.RightForce.m;
}
BENCHMARK(BM_SlidingActivationVBend)->Unit(benchmark::kMicrosecond);

// The first iteration of a run from the wire's rest shape, again and again:
// sliding (arg 1) or fixed slot (arg 0). Both deform the wire four times.
void BM_SlotIterationVBend(benchmark::State& state) {
    TDesign d(0.25, DefaultStock());
    if (!OpenVBend(d, state)) return;
    TActivationSettings settings;
    settings.WireSlides = state.range(0) != 0;
    settings.AutoStop = false;
    for (auto _ : state) {
        state.PauseTiming();
        d.AttachToBrackets();
        d.RightForce.x = d.RightForce.y = d.RightForce.m = 0;
        d.CurrentWire->Unload();
        TActivationRun run;
        state.ResumeTiming();
        benchmark::DoNotOptimize(run.Iterate(d, settings).stop);
    }
}
BENCHMARK(BM_SlotIterationVBend)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
