// The activation curve of the closing loop in bench/data: 20 Slot steps from
// the unloaded wire end to the right bracket (1 mm), each to 0.001 mm and
// 0.01 degrees. The window computes this while the user waits, so it must
// stay within a few hundred milliseconds.

#include <benchmark/benchmark.h>

#include <string>

#include "solve/activation_curve.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;

// The loop was drawn with 0.1 mm segments; the design file does not keep the
// first segment's length, so it is opened with that segment size.
constexpr double kSegmentSize = 0.1;  // mm
const std::string kLoopFile = std::string(TORVIK_BENCH_DATA) + "/closing_loop.tvk";

void BM_SlotCurveClosingLoop(benchmark::State& state) {
    TDesign d(kSegmentSize, DefaultStock());
    try {
        ReadDesign(kLoopFile, *d.CurrentWire, d.LeftBracket, d.RightBracket);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    d.AttachToBrackets();

    TCurveSettings settings;
    settings.Steps = static_cast<int>(state.range(0));
    settings.TargetMode = TargetSlot;
    int iterations = 0;
    bool complete = false;
    double force = 0, rate = 0;
    for (auto _ : state) {
        TActivationCurve curve(d, settings);
        curve.Run();
        complete = curve.Complete();
        iterations = 0;
        for (const TCurveStep& s : curve.Steps()) iterations += s.iterations;
        force = curve.Steps().back().right.Force();
        rate = curve.Steps().back().rate.value_or(0);
        if (!complete) break;
    }
    if (!complete) {
        state.SkipWithError("the curve did not reach the bracket");
        return;
    }
    state.counters["segments"] = d.CurrentWire->Count();
    state.counters["iterations"] = iterations;
    state.counters["force_cN"] = force;
    state.counters["rate_cN_per_mm"] = rate;
}
BENCHMARK(BM_SlotCurveClosingLoop)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
