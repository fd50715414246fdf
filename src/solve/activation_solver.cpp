#include "solve/activation_solver.h"

namespace torvik {

namespace {

// Deform passes of one classic iteration: the probes and the final pass.
int ClassicPasses(const TActivationSettings& s) {
    if (SlidingTarget(s)) return 3;
    switch (s.TargetMode) {
        case TargetPoint: return 3;
        case TargetAngle: return 2;
        default: return 4;
    }
}

}  // namespace

TSolveResult SolveActivation(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol) {
    TActivationSolver solver(aDesign, aSettings, aTol);
    while (solver.Iterate()) {
    }
    return solver.Result();
}

TActivationSolver::TActivationSolver(TDesign& aDesign, const TActivationSettings& aSettings,
                                     const TSolveTolerances& aTol, bool aKeepFailedState)
    : FDesign(aDesign), FSettings(aSettings), FClassicSettings(aSettings), FTol(aTol), FKeep(aKeepFailedState),
      FStart(aDesign) {
    // The classic iteration, where it must stand in, hands over to Newton
    // at the run's default tolerances, or at the settings' own where they
    // are tighter.
    const TActivationSettings defaults;
    FClassicSettings.AutoStop = true;
    if (!(aSettings.ToleranceDistance > 0 && aSettings.ToleranceDistance < defaults.ToleranceDistance))
        FClassicSettings.ToleranceDistance = defaults.ToleranceDistance;
    if (!(aSettings.ToleranceAngle > 0 && aSettings.ToleranceAngle < defaults.ToleranceAngle))
        FClassicSettings.ToleranceAngle = defaults.ToleranceAngle;
    StartNewton();
}

TActivationSolver::~TActivationSolver() = default;

void TActivationSolver::StartNewton() {
    FNewton = std::make_unique<TNewtonSolver>(FDesign, FSettings, FTol);
    FResult.iterations = FDoneIterations;
    FResult.deforms = FDoneDeforms + FNewton->Result().deforms;
    if (FNewton->Finished()) NewtonFinished();
}

bool TActivationSolver::Iterate() {
    switch (FPhase) {
        case TPhase::Done: return false;
        case TPhase::Newton:
        case TPhase::Refine:
            FNewton->Iterate();
            FResult.iterations = FDoneIterations + FNewton->Result().iterations;
            FResult.deforms = FDoneDeforms + FNewton->Result().deforms;
            if (FNewton->Finished()) NewtonFinished();
            break;
        case TPhase::Classic: {
            const TIterationResult r = FRun.Iterate(FDesign, FClassicSettings);
            FResult.iterations = ++FDoneIterations;
            FResult.deforms = FDoneDeforms += ClassicPasses(FClassicSettings);
            switch (r.stop) {
                case TStopReason::Tolerance:
                    FPhase = TPhase::Refine;
                    StartNewton();
                    break;
                case TStopReason::Overstrain: Done(TSolveEnd::Overstrain, OverstrainPhrase); break;
                case TStopReason::Error: Done(TSolveEnd::Error, "the calculation failed (" + r.detail + ")"); break;
                case TStopReason::None:
                    if (FRun.Iterations() >= ClassicIterationLimit)
                        Done(TSolveEnd::NoConvergence, FFirstFailure + ", and the classic iteration did not come near "
                                                                       "the target within " +
                                                           std::to_string(ClassicIterationLimit) + " iterations");
                    break;
            }
            break;
        }
    }
    return !Finished();
}

void TActivationSolver::NewtonFinished() {
    const TSolveResult& n = FNewton->Result();
    FDoneIterations += n.iterations;
    FDoneDeforms += n.deforms;
    FResult.iterations = FDoneIterations;
    FResult.deforms = FDoneDeforms;
    const TSolveEnd end = n.end;
    std::string message = n.message;
    const bool first = FPhase == TPhase::Newton;
    FNewton.reset();
    if (first && (end == TSolveEnd::NoConvergence || end == TSolveEnd::Error)) {
        // Newton has given the start back: the classic iteration takes it
        // from there.
        FFirstFailure = std::move(message);
        FPhase = TPhase::Classic;
        FRun = TActivationRun();
        return;
    }
    Done(end, std::move(message));
}

void TActivationSolver::Done(TSolveEnd aEnd, std::string aMessage) {
    FPhase = TPhase::Done;
    FResult.end = aEnd;
    FResult.message = std::move(aMessage);
    if (aEnd != TSolveEnd::Converged && !FKeep) FStart.Restore(FDesign);
    FResult.distance = TargetDistance(FDesign, FSettings);
    FResult.angle = EndAngle(FDesign);
}

}  // namespace torvik
