#pragma once
// A whole activation by the fast path, one iteration at a time: Newton from
// the design's current load; when Newton cannot get there, the classic
// iteration (the animated run's steps) from the same load until it meets
// the run's default tolerances, then Newton again from where it stopped.
// SolveActivation runs it to the end; the activation curve runs it step by
// step so that it can show progress and stop between iterations.

#include <memory>

#include "solve/load_state.h"
#include "solve/newton.h"
#include "wire/activation_run.h"

namespace torvik {

class TActivationSolver {
public:
    // The most classic iterations the solve spends when Newton needs them.
    static constexpr int ClassicIterationLimit = 10000;

    // With aKeepFailedState the design keeps the state in which the solve
    // failed (an overstrained equilibrium, say) instead of going back to
    // where it started: the activation curve shows the step that failed.
    TActivationSolver(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol = {},
                      bool aKeepFailedState = false);
    ~TActivationSolver();
    TActivationSolver(const TActivationSolver&) = delete;
    TActivationSolver& operator=(const TActivationSolver&) = delete;

    // One iteration, Newton or classic; whether work remains.
    bool Iterate();
    bool Finished() const { return FPhase == TPhase::Done; }
    // The iterations and Deform passes so far, Newton and classic together
    // (a classic iteration counts the passes its target takes: 3 for Point
    // and the sliding slot, 2 for Angle, 4 for Slot).
    const TSolveResult& Result() const { return FResult; }
    int Iterations() const { return FResult.iterations; }

private:
    enum class TPhase { Newton, Classic, Refine, Done };

    void StartNewton();
    // Takes the finished Newton solve's counts; then goes on or ends.
    void NewtonFinished();
    void Done(TSolveEnd aEnd, std::string aMessage);

    TDesign& FDesign;
    TActivationSettings FSettings;
    TActivationSettings FClassicSettings;
    TSolveTolerances FTol;
    bool FKeep;
    TLoadState FStart;
    TPhase FPhase = TPhase::Newton;
    std::unique_ptr<TNewtonSolver> FNewton;
    TActivationRun FRun;
    // The counts of the phases already finished.
    int FDoneIterations = 0;
    int FDoneDeforms = 0;
    std::string FFirstFailure;
    TSolveResult FResult;
};

}  // namespace torvik
