// A parameter sweep of 50 steps on a T-loop (its height from 6 to 10 mm,
// each step activated from zero load to full engagement in the slot), and a
// fit of a T-loop of 0.017 x 0.025 TMA whose gable bends bring M/F to 10 mm
// at both brackets: the work the user waits for in the sweep and fit
// windows. The aim is a sweep under 0.2 s and a fit under 1 s.

#include <benchmark/benchmark.h>

#include "solve/loop_fitter.h"
#include "solve/sweep.h"

namespace {

using namespace torvik;

TWireStock Tma() {
    TWireStock s = DefaultStock();
    for (const TWireMaterial& m : DefaultMaterialTable())
        if (m.Name == "TMA") s.Material = m;
    for (const TWireSize& z : DefaultCrossSectionTable())
        if (z.Name == "0.017 x 0.025") s.Size = z;
    return s;
}

void BM_SweepTLoop50(benchmark::State& state) {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.SetValue("gable-left", 10);
    t.SetValue("gable-right", 10);
    TSweepSettings s;
    s.Parameter = "height";
    s.From = 6;
    s.To = 10;
    s.Steps = 50;
    int iterations = 0, failed = 0;
    for (auto _ : state) {
        TSweep sweep(t, s);
        sweep.Run();
        iterations = 0;
        for (const TSweepStep& step : sweep.Steps()) iterations += step.loads.solve.iterations;
        failed = sweep.Failures();
    }
    if (failed) state.SkipWithError("a step failed");
    state.counters["solves"] = s.Steps;
    state.counters["iterations"] = iterations;
}
BENCHMARK(BM_SweepTLoop50)->Unit(benchmark::kMillisecond);

void BM_FitTLoopGables(benchmark::State& state) {
    TLoopTemplate t(*FindLoopForm("t-loop"));
    t.Stock = Tma();
    t.SetValue("height", 13);
    t.SetValue("activation", 0.5);
    TFitSettings s;
    s.Free = {{"gable-left", -45, 45}, {"gable-right", -45, 45}};
    s.Targets = {{TFitQuantity::RightMomentOverForce, 10, std::nullopt, 0.05},
                 {TFitQuantity::LeftMomentOverForce, -10, std::nullopt, 0.05}};
    TFitResult r;
    for (auto _ : state) {
        TLoopFitter fitter(t, s);
        fitter.Run();
        r = fitter.Result();
    }
    if (!r.AllMet()) state.SkipWithError(("a target was missed: " + r.message).c_str());
    state.counters["solves"] = r.solves;
    state.counters["iterations"] = r.iterations;
}
BENCHMARK(BM_FitTLoopGables)->Unit(benchmark::kMillisecond);

}  // namespace
