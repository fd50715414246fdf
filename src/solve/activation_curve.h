#pragma once
// The activation curve: how the loads on both brackets grow as the wire end
// is carried from where the unloaded wire leaves it to the right bracket.
//
// The curve works on a copy of the design, unloaded: its wire end lies at E
// with end direction D, the right bracket at T with direction B. Step k of N
// places the target at E + (k/N)(T - E) with direction D + (k/N) AngleDiff(B, D)
// and solves the activation in the chosen target mode by the fast path
// (Newton on the loads, see solve/activation_solver.h), starting from the
// load of step k - 1, until the target is met within the curve's (tight)
// tolerances. A step that stops otherwise (overstrain, an error, the
// iteration limit) ends the curve there.
//
// The work can be done one solver iteration at a time (Iterate), a step at a
// time (NextStep) or all at once (Run), so a caller can show progress and
// stop between any two iterations. The caller's design is never touched;
// the curve can be computed on another thread once it has been made.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "geometry/force_moment.h"
#include "wire/activation_run.h"
#include "wire/design.h"

namespace torvik {

class TActivationSolver;

constexpr int MaxCurveSteps = 10000;

struct TCurveSettings {
    int Steps = 10;
    // A plain parameter, as the run takes it: Point, Angle or Slot.
    int TargetMode = TargetSlot;
    // Full engagement, as a refined run: the solver's own tolerances.
    double ToleranceDistance = 1e-6;                // mm
    double ToleranceAngle = 1e-5 * Pi / 180.0;      // radians
    int MaxIterations = 10000;                      // solver iterations per step
    // With Slot: the wire slides along the slot, as the run takes it.
    bool WireSlides = false;
};

// How a step ended.
enum class TStepEnd { Met, Overstrain, Error, IterationLimit };

// "tolerance", "overstrain", "error", "max-iterations": the names the
// command-line reports use.
const char* StepEndName(TStepEnd aEnd);
// For people: "target met", "Excessive activation detected!", "Error in
// activation!", "iteration limit reached".
std::string StepEndText(TStepEnd aEnd);

// A bracket's load as the read-out shows it.
struct TBracketLoad {
    double x = 0, y = 0, m = 0;  // cN, cN, cN.mm
    double Force() const;        // |F|, cN
    // m / |F| and m / |Fx| (mm), as the read-out shows them; empty when the
    // divisor is zero or the quotient is not finite.
    std::optional<double> MomentOverForce() const;
    std::optional<double> MomentOverForceX() const;
};

TBracketLoad LoadOf(const TForceMoment& aFM);

struct TCurveStep {
    int index = 0;            // k, 1 .. N
    double activation = 0;    // a = (k/N) PathLength(), mm
    double turn = 0;          // (k/N) PathTurn(), radians
    double rightDirection = 0;  // the target's direction at this step, radians
    double leftDirection = 0;   // the left bracket's direction, radians
    TPointReal rightOrigin;   // the target's point, mm
    TPointReal leftOrigin;    // the left bracket's point, mm
    // Where the right load acts: the target's point, or where a sliding
    // wire's end sits in the slot. The right moment is taken about it.
    TPointReal rightLoadPoint;
    TBracketLoad right, left;
    double maxStrain = 0;     // radians
    int iterations = 0;
    TStepEnd end = TStepEnd::Met;
    std::string detail;       // the error behind an Error end
    // d|F|/da in cN/mm by central differences over the met steps, the
    // unloaded start (a = 0, no load) counting as the point before the
    // first; one-sided at the last met step; empty for a step that did not
    // meet its target or where a does not change.
    std::optional<double> rate;
};

class TActivationCurve {
public:
    // Copies aDesign. Throws std::invalid_argument for settings out of range
    // (steps outside 1 .. MaxCurveSteps, no iterations, negative or
    // non-finite tolerances).
    TActivationCurve(const TDesign& aDesign, const TCurveSettings& aSettings);
    ~TActivationCurve();
    TActivationCurve(const TActivationCurve&) = delete;
    TActivationCurve& operator=(const TActivationCurve&) = delete;

    // One solver iteration of the current step; whether work remains.
    bool Iterate();
    // The rest of the current step; whether steps remain.
    bool NextStep();
    // Every step that remains.
    void Run();

    bool Finished() const { return FFinished; }
    // Every step met its target.
    bool Complete() const;
    const std::vector<TCurveStep>& Steps() const { return FSteps; }
    const TCurveSettings& Settings() const { return FSettings; }
    // The run settings each step uses: the target and the tolerances.
    const TActivationSettings& RunSettings() const { return FRunSettings; }
    // |T - E| (mm) and AngleDiff(B, D) (radians), as the curve reports them
    // (and its steps their shares): a way shorter than 0.001 mm, or a turn
    // smaller than 0.01 degrees (or than the tolerances, when they are
    // larger), is none: it is mostly the rounding of the design's
    // coordinates and angles. The targets still follow the exact way.
    double PathLength() const { return FShownLength; }
    double PathTurn() const { return FShownTurn; }
    // Done steps / N.
    double Progress() const;
    // The working copy, loaded as the last computed step left it.
    const TDesign& Design() const { return *FDesign; }

private:
    void BeginStep();
    void EndStep(TStepEnd aEnd, const std::string& aDetail);
    void UpdateRates();

    std::unique_ptr<TDesign> FDesign;
    TCurveSettings FSettings;
    TActivationSettings FRunSettings;
    TPointReal FStart, FTarget;
    double FStartDirection = 0;
    double FTargetDirection = 0;
    double FPathLength = 0;
    double FPathTurn = 0;
    double FShownLength = 0;
    double FShownTurn = 0;
    int FStep = 0;          // the step being computed, 0 before the first
    bool FInStep = false;
    bool FFinished = false;
    std::unique_ptr<TActivationSolver> FSolver;
    std::vector<TCurveStep> FSteps;
};

}  // namespace torvik
