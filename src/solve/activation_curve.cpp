#include "solve/activation_curve.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "solve/activation_solver.h"
#include "wire/design_copy.h"

namespace torvik {

namespace {

// The least way and turn the curve reports: below them they are the
// rounding that a design file's coordinates and bends leave (a few hundred
// bends, each kept to a millionth of a radian, turn the end by some 0.001
// degrees), not an activation anyone drew.
constexpr double LeastWay = 0.001;              // mm
constexpr double LeastTurn = 0.01 * Pi / 180;   // radians

}  // namespace

const char* StepEndName(TStepEnd aEnd) {
    switch (aEnd) {
        case TStepEnd::Met: return "tolerance";
        case TStepEnd::Overstrain: return "overstrain";
        case TStepEnd::Error: return "error";
        case TStepEnd::IterationLimit: break;
    }
    return "max-iterations";
}

std::string StepEndText(TStepEnd aEnd) {
    switch (aEnd) {
        case TStepEnd::Met: return "target met";
        case TStepEnd::Overstrain: return OverstrainMessage;
        case TStepEnd::Error: return ActivationErrorMessage;
        case TStepEnd::IterationLimit: break;
    }
    return "iteration limit reached";
}

double TBracketLoad::Force() const { return std::hypot(x, y); }
std::optional<double> TBracketLoad::MomentOverForce() const { return torvik::MomentOverForce(x, y, m); }
std::optional<double> TBracketLoad::MomentOverForceX() const { return torvik::MomentOverForceX(x, m); }

TBracketLoad LoadOf(const TForceMoment& aFM) { return {aFM.x, aFM.y, aFM.m}; }

TActivationCurve::TActivationCurve(const TDesign& aDesign, const TCurveSettings& aSettings)
    : FSettings(aSettings) {
    const TCurveSettings& s = aSettings;
    if (s.Steps < 1 || s.Steps > MaxCurveSteps)
        throw std::invalid_argument("The number of steps must be between 1 and " + std::to_string(MaxCurveSteps) + ".");
    if (s.MaxIterations < 1) throw std::invalid_argument("The iteration limit must be at least 1.");
    if (!(s.ToleranceDistance >= 0) || !std::isfinite(s.ToleranceDistance) || !(s.ToleranceAngle >= 0) ||
        !std::isfinite(s.ToleranceAngle))
        throw std::invalid_argument("The tolerances must be numbers of at least 0.");
    FRunSettings.TargetMode = s.TargetMode;
    FRunSettings.AutoStop = true;
    FRunSettings.ToleranceDistance = s.ToleranceDistance;
    FRunSettings.ToleranceAngle = s.ToleranceAngle;
    FRunSettings.WireSlides = s.WireSlides;

    FDesign = CopyDesign(aDesign);
    TDesign& d = *FDesign;
    // The curve starts from the design as drawn: no load, the wire at rest,
    // the load's point at the bracket's.
    d.RightForce = TForceMoment(d.RightBracket.Origin(), 0, 0, 0);
    d.CurrentWire->Unload();
    d.CalcLeftForce();
    FStart = d.CurrentWire->Corner();
    FStartDirection = d.CurrentWire->EndDirection();
    FTarget = *d.RightBracket.Origin();
    FPathLength = Distance(FTarget, FStart);
    FTargetDirection = d.RightBracket.Direction();
    FPathTurn = AngleDiff(FTargetDirection, FStartDirection);
    FShownLength = FPathLength < std::max(s.ToleranceDistance, LeastWay) ? 0.0 : FPathLength;
    FShownTurn = std::abs(FPathTurn) < std::max(s.ToleranceAngle, LeastTurn) ? 0.0 : FPathTurn;
    FSteps.reserve(static_cast<std::size_t>(s.Steps));
}

TActivationCurve::~TActivationCurve() = default;

bool TActivationCurve::Complete() const {
    return FFinished && static_cast<int>(FSteps.size()) == FSettings.Steps && FSteps.back().end == TStepEnd::Met;
}

double TActivationCurve::Progress() const {
    return static_cast<double>(FSteps.size()) / FSettings.Steps;
}

void TActivationCurve::BeginStep() {
    ++FStep;
    const double f = static_cast<double>(FStep) / FSettings.Steps;
    TDesign& d = *FDesign;
    // The target is moved in place: the load acts at the bracket's point,
    // which it shares. The last step lands on the bracket exactly.
    if (FStep == FSettings.Steps) {
        d.RightBracket.Origin()->SetXY(FTarget.x, FTarget.y);
        d.RightBracket.SetDirection(FTargetDirection);
    } else {
        d.RightBracket.Origin()->SetXY(FStart.x + f * (FTarget.x - FStart.x), FStart.y + f * (FTarget.y - FStart.y));
        d.RightBracket.SetDirection(FStartDirection + f * FPathTurn);
    }
    FSolver.reset();
    FInStep = true;
    // The load of the last step now acts at the new target: the wire takes
    // the shape it gives there, so that the solver starts from a shape that
    // belongs to its load.
    d.DeformUnderLoad();
    d.CalcLeftForce();
    // A step that fails keeps the state it failed in (an overstrained
    // equilibrium, say), so that the curve shows it.
    TSolveTolerances tol;
    tol.Distance = FSettings.ToleranceDistance;
    tol.Angle = FSettings.ToleranceAngle;
    FSolver = std::make_unique<TActivationSolver>(d, FRunSettings, tol, true);
}

bool TActivationCurve::Iterate() {
    if (FFinished) return false;
    if (!FInStep) {
        try {
            BeginStep();
        } catch (const std::exception& e) {
            EndStep(TStepEnd::Error, e.what());
            return false;
        }
    }
    FSolver->Iterate();
    if (FSolver->Finished()) {
        const TSolveResult& r = FSolver->Result();
        switch (r.end) {
            case TSolveEnd::Converged: EndStep(TStepEnd::Met, {}); break;
            case TSolveEnd::Overstrain: EndStep(TStepEnd::Overstrain, {}); break;
            case TSolveEnd::NoConvergence:
            case TSolveEnd::Error: EndStep(TStepEnd::Error, r.message); break;
        }
    } else if (FSolver->Iterations() >= FSettings.MaxIterations) {
        EndStep(TStepEnd::IterationLimit, {});
    }
    return !FFinished;
}

bool TActivationCurve::NextStep() {
    if (FFinished) return false;
    const int step = FInStep ? FStep : FStep + 1;
    while (!FFinished && (FInStep || FStep < step)) Iterate();
    return !FFinished;
}

void TActivationCurve::Run() {
    while (NextStep()) {
    }
}

void TActivationCurve::EndStep(TStepEnd aEnd, const std::string& aDetail) {
    const TDesign& d = *FDesign;
    TCurveStep s;
    s.index = FStep;
    const double f = static_cast<double>(FStep) / FSettings.Steps;
    s.activation = f * FShownLength;
    s.turn = f * FShownTurn;
    s.rightDirection = d.RightBracket.Direction();
    s.leftDirection = d.LeftBracket.Direction();
    s.rightOrigin = *d.RightBracket.Origin();
    s.leftOrigin = *d.LeftBracket.Origin();
    s.rightLoadPoint = *d.RightForce.origin;
    s.right = LoadOf(d.RightForce);
    s.left = LoadOf(d.LeftForce);
    s.maxStrain = d.CurrentWire->MaxStrain();
    s.iterations = FSolver ? FSolver->Iterations() : 0;
    s.end = aEnd;
    s.detail = aDetail;
    FSteps.push_back(std::move(s));
    FInStep = false;
    if (aEnd != TStepEnd::Met || FStep == FSettings.Steps) FFinished = true;
    UpdateRates();
}

void TActivationCurve::UpdateRates() {
    // The met steps are the first ones: a step that misses its target is the
    // last. Only the last two met steps can change: the newest gets a
    // one-sided difference, the one before it now has a neighbour on each
    // side.
    std::size_t met = FSteps.size();
    if (met > 0 && FSteps.back().end != TStepEnd::Met) --met;
    const auto point = [&](std::size_t j) -> std::pair<double, double> {
        if (j == 0) return {0.0, 0.0};  // the unloaded start, before the first step
        const TCurveStep& s = FSteps[j - 1];
        return {s.activation, s.right.Force()};
    };
    // Points are numbered from the start: point j is step j.
    for (std::size_t j = met > 1 ? met - 1 : 1; j <= met; ++j) {
        const auto [a0, f0] = point(j - 1);
        const auto [a1, f1] = point(j < met ? j + 1 : j);
        const double da = a1 - a0;
        std::optional<double> rate;
        if (da != 0) {
            const double q = (f1 - f0) / da;
            if (std::isfinite(q)) rate = q;
        }
        FSteps[j - 1].rate = rate;
    }
}

}  // namespace torvik
