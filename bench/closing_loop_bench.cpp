// A full Slot activation of a vertical closing loop of some three hundred
// segments, activated by 1 mm, to 0.001 mm and 0.01 degrees.
//
// The loop is read from data/closing_loop.tvk. BuildClosingLoop below made
// that file; run the benchmarks with TORVIK_BENCH_REGENERATE=1 set to write
// it again.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "wire/activation_run.h"
#include "wire/design_file.h"

namespace {

using namespace torvik;

constexpr double kSegmentSize = 0.1;  // mm
const std::string kLoopFile = std::string(TORVIK_BENCH_DATA) + "/closing_loop.tvk";

// A vertical closing loop between brackets 16 mm apart: 6 mm of straight
// wire, a leg 7 mm up, a half circle of 1 mm radius, a leg 7 mm down, then
// straight on to the right bracket, which is placed 1 mm beyond the wire's
// end in its direction so that running the activation opens the loop by 1 mm.
void BuildClosingLoop(TDesign& d) {
    TWire& w = *d.CurrentWire;  // its first segment is kSegmentSize long
    const double startX = d.LeftBracket.Origin()->x;
    const int arcSegments = 31;
    const double radius = 1.0;
    const double chord = Pi * radius / arcSegments;
    const double turn = Pi / arcSegments;

    for (int i = 1; i < 60; ++i) w.AddSeg(kSegmentSize, i == 59 ? -Pi / 2 : 0);
    for (int i = 0; i < 70; ++i) w.AddSeg(kSegmentSize, i == 69 ? turn / 2 : 0);
    for (int i = 0; i < arcSegments; ++i) w.AddSeg(chord, i == arcSegments - 1 ? turn / 2 : turn);
    for (int i = 0; i < 70; ++i) w.AddSeg(kSegmentSize, i == 69 ? -Pi / 2 : 0);
    double rest = startX + 16.0 - w.Corner().x;
    while (rest > 1e-9) {
        const double len = std::min(kSegmentSize, rest);
        w.AddSeg(len, 0);
        rest -= len;
    }
    const TPointReal end = w.Corner();
    d.RightBracket.Origin()->SetXY(end.x + std::cos(w.EndDirection()), end.y + std::sin(w.EndDirection()));
    d.RightBracket.SetDirection(w.EndDirection());
}

void WriteClosingLoop() {
    TDesign d(kSegmentSize, DefaultStock());
    BuildClosingLoop(d);
    SaveDesign(kLoopFile, *d.CurrentWire, d.LeftBracket, d.RightBracket);
}

void BM_SlotActivationClosingLoop(benchmark::State& state) {
    if (std::getenv("TORVIK_BENCH_REGENERATE")) WriteClosingLoop();
    TDesign d(kSegmentSize, DefaultStock());
    try {
        ReadDesign(kLoopFile, *d.CurrentWire, d.LeftBracket, d.RightBracket);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    d.AttachToBrackets();
    if (d.CurrentWire->Count() < 100) {
        state.SkipWithError(("no closing loop in " + kLoopFile).c_str());
        return;
    }

    TActivationSettings settings;
    settings.TargetMode = TargetSlot;
    settings.ToleranceDistance = 0.001;
    settings.ToleranceAngle = ToRadians(0.01);

    int iterations = 0;
    TStopReason stop = TStopReason::None;
    for (auto _ : state) {
        d.RightForce.x = d.RightForce.y = d.RightForce.m = 0;
        d.CurrentWire->Unload();
        TActivationRun run;
        stop = TStopReason::None;
        while (stop == TStopReason::None && run.Iterations() < 100000) stop = run.Iterate(d, settings).stop;
        iterations = run.Iterations();
        if (stop != TStopReason::Tolerance) break;
    }
    if (stop != TStopReason::Tolerance) {
        state.SkipWithError(("the activation did not meet the tolerances: stopped after " + std::to_string(iterations) +
                             " iterations, distance " + std::to_string(EndDistance(d)) + " mm")
                                .c_str());
        return;
    }
    state.counters["segments"] = d.CurrentWire->Count();
    state.counters["iterations"] = iterations;
    state.counters["force_x_cN"] = d.RightForce.x;
    state.counters["moment_cNmm"] = d.RightForce.m;
}
BENCHMARK(BM_SlotActivationClosingLoop)->Unit(benchmark::kMillisecond);

}  // namespace
