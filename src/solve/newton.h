#pragma once
// Newton's method on the load at the right bracket: the fast, exact way to
// the load that engages the wire end in the bracket, over the same Deform
// chain as the animated run.
//
// The unknowns are the load components that the target lets change: force
// x and y (Point, the moment kept), the moment (Angle, the force kept), all
// three (Slot), or the force across the slot and the moment (the sliding
// slot, whose load has no force along the slot). The residual is the gap
// that the target closes: the wire end's offset from the bracket's point
// (Point, Slot), across the slot (sliding), and the angle between the end's
// direction and the bracket's (Angle, Slot, sliding).
//
// Everything works on the caller's design and keeps no state elsewhere, so
// separate designs can be solved on separate threads.

#include <memory>
#include <optional>
#include <string>

#include "geometry/point.h"
#include "solve/load_state.h"
#include "wire/activation_run.h"
#include "wire/design.h"

namespace torvik {

struct TSolveTolerances {
    double Distance = 1e-6;           // mm
    double Angle = 1e-5 * Pi / 180;   // radians
    int MaxIterations = 50;           // Newton iterations
};

enum class TSolveEnd {
    Converged,      // the target is met within the tolerances
    NoConvergence,  // not within the iteration limit, or no step brought the end closer
    Overstrain,     // the load found bends a segment by more than 10 degrees
    Error           // an arithmetic error: the wire cannot take the load, or does not respond to it
};

// "converged", "no convergence", "overstrain", "error": short names for
// reports and logs.
const char* SolveEndName(TSolveEnd aEnd);

// The reason given for an overstrained result.
inline constexpr const char* OverstrainPhrase = "a segment would be bent by more than 10°";

// The gap in position that the settings' target closes, mm: the wire end's
// distance from the right bracket's point, or its offset across the slot
// (as a size) for the sliding target.
double TargetDistance(const TDesign& aDesign, const TActivationSettings& aSettings);

struct TSolveResult {
    TSolveEnd end = TSolveEnd::NoConvergence;
    int iterations = 0;  // solver iterations (Newton, and classic ones where a solve needed them)
    int deforms = 0;     // Deform passes of the whole wire
    // The wire end's remaining gap as the design stands after the call: its
    // distance from the bracket's point (across the slot for the sliding
    // target), mm, and the angle to the bracket's direction, radians.
    double distance = 0;
    double angle = 0;
    // Why the solve failed, as a phrase for users ("the solver did not
    // converge within 50 iterations"); empty on success.
    std::string message;
};

// Refines the load of a stopped run: Newton from the design's current
// RightForce. On success RightForce and LeftForce hold the converged load and
// the wire is deformed under it; on failure the loads and the wire's shape
// are exactly as before the call.
TSolveResult RefineLoads(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol = {});

// The fast path for batch work: from the design's current load (zero it for
// a fresh activation), Newton, falling back to the classic iteration when
// Newton alone cannot get there and refining its result. Same failure
// contract as RefineLoads.
TSolveResult SolveActivation(TDesign& aDesign, const TActivationSettings& aSettings,
                             const TSolveTolerances& aTol = {});

// Newton one iteration at a time, for callers that show progress or may
// stop between iterations. Between calls the design holds the current
// iterate: RightForce, LeftForce balanced, the wire deformed under it.
class TNewtonSolver {
public:
    // Keeps the design's state, takes the starting load from RightForce
    // (moved to the bracket's point; for the sliding target without its
    // force along the slot) and measures the gap under it. A design already
    // within the tolerances is finished at once, with no iteration.
    TNewtonSolver(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol = {});
    ~TNewtonSolver();
    TNewtonSolver(const TNewtonSolver&) = delete;
    TNewtonSolver& operator=(const TNewtonSolver&) = delete;

    // One Newton iteration; whether work remains. When the solve fails the
    // design is restored as it was when the solver was made, except for an
    // overstrained equilibrium that the solve converged to, which stays:
    // RestoreStart gives the start back.
    bool Iterate();
    bool Finished() const { return FFinished; }
    const TSolveResult& Result() const { return FResult; }
    void RestoreStart();

private:
    static constexpr int MaxUnknowns = 3;
    static constexpr int MaxResiduals = 3;

    // The load for the unknowns' values aU, at the bracket's point.
    void LoadOf(const double* aU, double& aX, double& aY, double& aM) const;
    // Deforms the wire once under the unknowns' values aU and measures the
    // gap into aR; false when the wire cannot take the load.
    bool Pass(const double* aU, double* aR);
    // The same, with the shape settled under the load.
    bool Evaluate(const double* aU, double* aR);
    // The weighted square of the gap, with which steps are compared.
    double Merit(const double* aR) const;
    bool Met(const double* aR) const;
    // Distance and angle of the gap aR, for the result.
    void Measure(const double* aR, double& aDistance, double& aAngle) const;
    // RightForce := the current iterate, LeftForce balanced.
    void Publish();
    // Ends the solve; the design goes back to the start unless aKeepState.
    void Finish(TSolveEnd aEnd, std::string aMessage, bool aKeepState = false);

    TDesign& FDesign;
    TSolveTolerances FTol;
    TLoadState FStart;
    bool FSliding = false;
    int FTarget = TargetSlot;
    TPointReal FT;     // the bracket's point
    double FB = 0;     // its direction
    double FNx = 0, FNy = 0;  // the normal across the slot
    // The load is L0 + sum u[j] * dir[j], at the bracket's point.
    double FL0[3] = {0, 0, 0};
    double FDir[MaxUnknowns][3] = {};
    int FUnknowns = 0;
    int FResiduals = 0;
    // Which residuals are lengths (the others are angles).
    bool FIsLength[MaxResiduals] = {};
    double FU[MaxUnknowns] = {};
    double FR[MaxResiduals] = {};
    double FMerit = 0;
    // Where a sliding wire's load acts: a point of the solve's own.
    TPointRef FSlidePoint;
    bool FFinished = false;
    TSolveResult FResult;
};

}  // namespace torvik
