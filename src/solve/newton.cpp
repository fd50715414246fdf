// Newton's method on the load at the right bracket.
//
// The gap is measured on the shape settled under the load: each segment's
// lever arm takes its own deflection from the pass before, so the chain is
// passed again under the same load until the wire end stops moving (two to
// four passes after a large change of load, one when the load hardly
// changed). That settled shape is the one the animated run arrives at as
// its steps die away, so both solvers share their solution.
//
// The Jacobian comes from the same Deform chain by forward differences: one
// probe per unknown, a millionth of the load (never less than 0.001 cN or
// 0.01 cN.mm), each settled as above. The chain is the only statement of
// the mechanics, with its geometric non-linearity (a stiff loop pulled hard
// is noticeably stiffer than at rest); an analytic derivative would be a
// second statement to keep in step with it. Probes that small give the
// derivative to many digits, and Newton keeps its quadratic convergence.
// Probing without settling was tried: the lag of the lever arms then spoils
// the derivative of a stiff, heavily loaded loop by some ten per cent, and
// Newton slows to one digit per iteration.
//
// Each step is damped by a backtracking line search on the weighted square
// of the gap (lengths over the distance tolerance, angles over the angle
// tolerance): the full Newton step when it brings the wire end closer,
// otherwise a shorter one, down to a ten-thousandth. That carries the
// solve from far away (zero load) as well as from a stopped run.

#include "solve/newton.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "support/errors.h"

namespace torvik {

namespace {

// Smallest step fraction the line search tries before it gives up.
constexpr double MinStepFraction = 1e-4;
// Sufficient decrease: the merit must fall by this share of what the linear
// model promises.
constexpr double Armijo = 1e-4;
// Probe sizes: a millionth of the load, at least these.
constexpr double RelativeProbe = 1e-6;
constexpr double MinForceProbe = 1e-3;   // cN
constexpr double MinMomentProbe = 1e-2;  // cN.mm
// A shape has settled under its load when a further pass moves the wire
// end by less than a thousandth of the tolerances; it gets at most this many
// passes.
constexpr double SettledMerit = 1e-6;
constexpr int MaxSettlePasses = 10;
// Trials may bend a segment up to twice the elastic limit (or as far as the
// iterate they start from already does).
constexpr double TrialStrainLimit = 2 * MaxElasticStrain;
// Weights of the merit for a tolerance of zero.
constexpr double SmallestTolerance = 1e-12;

// Solves the n x n system a x = b (row-major, n <= 3) by elimination with
// partial pivoting; false when it is singular or the result is not finite.
bool SolveSmall(int n, double a[3][3], double b[3], double x[3]) {
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::abs(a[i][k]) > std::abs(a[p][k])) p = i;
        if (!(std::abs(a[p][k]) > 0)) return false;
        if (p != k) {
            for (int j = 0; j < n; ++j) std::swap(a[k][j], a[p][j]);
            std::swap(b[k], b[p]);
        }
        for (int i = k + 1; i < n; ++i) {
            const double f = a[i][k] / a[k][k];
            for (int j = k; j < n; ++j) a[i][j] -= f * a[k][j];
            b[i] -= f * b[k];
        }
    }
    for (int i = n - 1; i >= 0; --i) {
        double s = b[i];
        for (int j = i + 1; j < n; ++j) s -= a[i][j] * x[j];
        x[i] = s / a[i][i];
        if (!std::isfinite(x[i])) return false;
    }
    return true;
}

}  // namespace

const char* SolveEndName(TSolveEnd aEnd) {
    switch (aEnd) {
        case TSolveEnd::Converged: return "converged";
        case TSolveEnd::NoConvergence: return "no convergence";
        case TSolveEnd::Overstrain: return "overstrain";
        case TSolveEnd::Error: break;
    }
    return "error";
}

double TargetDistance(const TDesign& aDesign, const TActivationSettings& aSettings) {
    return SlidingTarget(aSettings) ? std::abs(EndOffsetAcross(aDesign)) : EndDistance(aDesign);
}

TNewtonSolver::TNewtonSolver(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol)
    : FDesign(aDesign), FTol(aTol), FStart(aDesign) {
    FSliding = SlidingTarget(aSettings);
    FTarget = FSliding ? TargetSlot : aSettings.TargetMode;
    if (FTarget != TargetPoint && FTarget != TargetAngle) FTarget = TargetSlot;
    FT = *aDesign.RightBracket.Origin();
    FB = aDesign.RightBracket.Direction();
    FNx = -std::sin(FB);
    FNy = std::cos(FB);

    // The starting load at the bracket's point; a sliding wire's without
    // its force along the slot, which at that point has no moment.
    const TForceMoment start =
        aDesign.LoadAtBracket() ? aDesign.RightForce : LoadMovedTo(aDesign.RightForce, aDesign.RightBracket.Origin());
    FL0[0] = start.x;
    FL0[1] = start.y;
    FL0[2] = start.m;
    if (FSliding) {
        const double fn = FNx * start.x + FNy * start.y;
        FL0[0] = fn * FNx;
        FL0[1] = fn * FNy;
        FSlidePoint = MakePoint(FT.x, FT.y);
    }

    const auto unknown = [this](double x, double y, double m) {
        FDir[FUnknowns][0] = x;
        FDir[FUnknowns][1] = y;
        FDir[FUnknowns][2] = m;
        ++FUnknowns;
    };
    const auto residual = [this](bool aLength) { FIsLength[FResiduals++] = aLength; };
    if (FSliding) {
        unknown(FNx, FNy, 0);
        unknown(0, 0, 1);
        residual(true);
        residual(false);
    } else if (FTarget == TargetPoint) {
        unknown(1, 0, 0);
        unknown(0, 1, 0);
        residual(true);
        residual(true);
    } else if (FTarget == TargetAngle) {
        unknown(0, 0, 1);
        residual(false);
    } else {
        unknown(1, 0, 0);
        unknown(0, 1, 0);
        unknown(0, 0, 1);
        residual(true);
        residual(true);
        residual(false);
    }

    if (!Evaluate(FU, FR)) {
        Finish(TSolveEnd::Error, "the wire cannot take the starting load");
        return;
    }
    FMerit = Merit(FR);
    if (Met(FR)) {
        Publish();
        if (FDesign.CurrentWire->MaxStrain() > MaxElasticStrain)
            Finish(TSolveEnd::Overstrain, OverstrainPhrase, true);
        else
            Finish(TSolveEnd::Converged, {}, true);
    }
}

TNewtonSolver::~TNewtonSolver() = default;

void TNewtonSolver::LoadOf(const double* aU, double& aX, double& aY, double& aM) const {
    aX = FL0[0];
    aY = FL0[1];
    aM = FL0[2];
    for (int j = 0; j < FUnknowns; ++j) {
        aX += aU[j] * FDir[j][0];
        aY += aU[j] * FDir[j][1];
        aM += aU[j] * FDir[j][2];
    }
}

bool TNewtonSolver::Pass(const double* aU, double* aR) {
    double x, y, m;
    LoadOf(aU, x, y, m);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(m)) return false;
    TWire& wire = *FDesign.CurrentWire;
    ++FResult.deforms;
    try {
        wire.Deform(FT, x, y, m);
    } catch (const TArithmeticError&) {
        return false;
    }
    const TPointReal c = wire.Corner();
    const double a = AngleDiff(wire.EndDirection(), FB);
    const double dx = c.x - FT.x, dy = c.y - FT.y;
    if (FSliding) {
        aR[0] = FNx * dx + FNy * dy;
        aR[1] = a;
    } else if (FTarget == TargetPoint) {
        aR[0] = dx;
        aR[1] = dy;
    } else if (FTarget == TargetAngle) {
        aR[0] = a;
    } else {
        aR[0] = dx;
        aR[1] = dy;
        aR[2] = a;
    }
    for (int i = 0; i < FResiduals; ++i)
        if (!std::isfinite(aR[i])) return false;
    return true;
}

bool TNewtonSolver::Evaluate(const double* aU, double* aR) {
    if (!Pass(aU, aR)) return false;
    // Each segment's lever arm takes its deflection from the pass before,
    // so one pass after a change of load leaves the shape a little behind
    // the load; further passes under the same load settle it, each by a
    // large factor. Settled, the shape is the one the run reaches as its
    // steps die away, and the probes that follow measure the load alone.
    for (int pass = 1; pass < MaxSettlePasses; ++pass) {
        double before[MaxResiduals];
        std::copy(aR, aR + FResiduals, before);
        if (!Pass(aU, aR)) return false;
        double change[MaxResiduals];
        for (int i = 0; i < FResiduals; ++i) change[i] = aR[i] - before[i];
        if (Merit(change) <= SettledMerit) break;
    }
    return true;
}

double TNewtonSolver::Merit(const double* aR) const {
    const double wd = 1 / std::max(FTol.Distance, SmallestTolerance);
    const double wa = 1 / std::max(FTol.Angle, SmallestTolerance);
    double sum = 0;
    for (int i = 0; i < FResiduals; ++i) {
        const double v = aR[i] * (FIsLength[i] ? wd : wa);
        sum += v * v;
    }
    return sum;
}

bool TNewtonSolver::Met(const double* aR) const {
    if (FSliding) return std::abs(aR[0]) <= FTol.Distance && std::abs(aR[1]) <= FTol.Angle;
    switch (FTarget) {
        case TargetPoint: return std::hypot(aR[0], aR[1]) <= FTol.Distance;
        case TargetAngle: return std::abs(aR[0]) <= FTol.Angle;
        default: return std::hypot(aR[0], aR[1]) <= FTol.Distance && std::abs(aR[2]) <= FTol.Angle;
    }
}

void TNewtonSolver::Publish() {
    double x, y, m;
    LoadOf(FU, x, y, m);
    // Adding 0 turns a negative zero into zero.
    const TForceMoment atBracket(FDesign.RightBracket.Origin(), x + 0.0, y + 0.0, m + 0.0);
    if (FSliding) {
        const TPointReal foot = SlotFoot(FDesign);
        FSlidePoint->SetXY(foot.x, foot.y);
        FDesign.RightForce = LoadMovedTo(atBracket, FSlidePoint);
    } else {
        FDesign.RightForce = atBracket;
    }
    FDesign.CalcLeftForce();
}

void TNewtonSolver::Finish(TSolveEnd aEnd, std::string aMessage, bool aKeepState) {
    FFinished = true;
    FResult.end = aEnd;
    FResult.message = std::move(aMessage);
    if (!aKeepState) FStart.Restore(FDesign);
    FResult.distance = FSliding ? std::abs(EndOffsetAcross(FDesign)) : EndDistance(FDesign);
    FResult.angle = EndAngle(FDesign);
}

void TNewtonSolver::RestoreStart() {
    FStart.Restore(FDesign);
    FResult.distance = FSliding ? std::abs(EndOffsetAcross(FDesign)) : EndDistance(FDesign);
    FResult.angle = EndAngle(FDesign);
}

bool TNewtonSolver::Iterate() {
    if (FFinished) return false;
    if (FResult.iterations >= FTol.MaxIterations) {
        Finish(TSolveEnd::NoConvergence,
               "the solver did not converge within " + std::to_string(FTol.MaxIterations) + " iterations");
        return false;
    }
    ++FResult.iterations;

    // The Jacobian, column by column, from one probe per unknown.
    double x, y, m;
    LoadOf(FU, x, y, m);
    const double forceProbe = std::max(MinForceProbe, RelativeProbe * std::hypot(x, y));
    const double momentProbe = std::max(MinMomentProbe, RelativeProbe * std::abs(m));
    double J[3][3] = {};
    for (int j = 0; j < FUnknowns; ++j) {
        const double h = FDir[j][2] != 0 ? momentProbe : forceProbe;
        double u[MaxUnknowns];
        std::copy(FU, FU + FUnknowns, u);
        u[j] += h;
        double r[MaxResiduals];
        if (!Evaluate(u, r)) {
            Finish(TSolveEnd::Error, "the wire cannot take the load");
            return false;
        }
        for (int i = 0; i < FResiduals; ++i) J[i][j] = (r[i] - FR[i]) / h;
    }

    // The Newton step J du = -r, rows weighted as the merit weighs them so
    // that the pivots compare like with like.
    const double wd = 1 / std::max(FTol.Distance, SmallestTolerance);
    const double wa = 1 / std::max(FTol.Angle, SmallestTolerance);
    double b[3] = {};
    for (int i = 0; i < FResiduals; ++i) {
        const double w = FIsLength[i] ? wd : wa;
        for (int j = 0; j < FUnknowns; ++j) J[i][j] *= w;
        b[i] = -FR[i] * w;
    }
    double du[3] = {};
    if (!SolveSmall(FUnknowns, J, b, du)) {
        Finish(TSolveEnd::Error, "the wire end does not respond to a change of the load");
        return false;
    }

    // Backtracking: the longest step, from the full one down, that brings
    // the end closer by enough.
    double lambda = 1;
    double u[MaxUnknowns];
    double r[MaxResiduals];
    bool accepted = false;
    // A trial that bends a segment far beyond the elastic limit is no
    // equilibrium the wire could reach; it counts as a failed trial, and a
    // solve held back only by that is an overstrain.
    const double strainLimit = std::max(TrialStrainLimit, FDesign.CurrentWire->MaxStrain());
    bool heldByStrain = false;
    while (lambda >= MinStepFraction) {
        for (int j = 0; j < FUnknowns; ++j) u[j] = FU[j] + lambda * du[j];
        const bool ok = Evaluate(u, r);
        const bool bent = ok && FDesign.CurrentWire->MaxStrain() > strainLimit;
        heldByStrain = heldByStrain || bent;
        const double merit = ok && !bent ? Merit(r) : std::numeric_limits<double>::infinity();
        if (merit <= (1 - 2 * Armijo * lambda) * FMerit) {
            accepted = true;
            FMerit = merit;
            break;
        }
        // The minimum of the quadratic through the merit here, its slope
        // -2 merit at 0 and the trial, kept within a tenth and a half of
        // the step; half the step after an overbent trial.
        double next = bent ? 0.5 * lambda : 0.1 * lambda;
        if (std::isfinite(merit)) {
            const double curvature = (merit - FMerit + 2 * FMerit * lambda) / (lambda * lambda);
            if (curvature > 0) next = std::clamp(FMerit / curvature, 0.1 * lambda, 0.5 * lambda);
        }
        lambda = next;
    }
    if (!accepted) {
        if (heldByStrain)
            Finish(TSolveEnd::Overstrain, OverstrainPhrase, false);
        else
            Finish(TSolveEnd::NoConvergence, "no step brought the wire end closer to the target");
        return false;
    }
    std::copy(u, u + FUnknowns, FU);
    std::copy(r, r + FResiduals, FR);
    Publish();

    if (Met(FR)) {
        if (FDesign.CurrentWire->MaxStrain() > MaxElasticStrain)
            Finish(TSolveEnd::Overstrain, OverstrainPhrase, true);
        else
            Finish(TSolveEnd::Converged, {}, true);
        return false;
    }
    if (FResult.iterations >= FTol.MaxIterations) {
        Finish(TSolveEnd::NoConvergence,
               "the solver did not converge within " + std::to_string(FTol.MaxIterations) + " iterations");
        return false;
    }
    return true;
}

TSolveResult RefineLoads(TDesign& aDesign, const TActivationSettings& aSettings, const TSolveTolerances& aTol) {
    TNewtonSolver solver(aDesign, aSettings, aTol);
    while (solver.Iterate()) {
    }
    if (solver.Result().end == TSolveEnd::Overstrain) solver.RestoreStart();
    return solver.Result();
}

}  // namespace torvik
