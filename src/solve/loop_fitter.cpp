#include "solve/loop_fitter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "solve/damped_step.h"
#include "support/numbers.h"

namespace torvik {

namespace {

// The forward difference's step, in the scaled parameters.
constexpr double DifferenceStep = 1e-3;
// The stopping rules, in the scaled parameters and in tolerances.
constexpr double AimShare = 0.5;        // met within half the tolerance ends the fit
constexpr double MaxDamping = 1e16;
constexpr double LeastStep = 1e-9;
constexpr double FlatGradient = 1e-10;
constexpr double LeastGain = 1e-3;      // of a tolerance
constexpr double LeastShare = 1e-4;     // of the misfit
constexpr int MaxStalls = 3;

const char* const ActivationName = "activation";

double Largest(const std::vector<double>& aValues) {
    double m = 0;
    for (const double v : aValues) m = std::max(m, std::abs(v));
    return m;
}

}  // namespace

// ---- quantities --------------------------------------------------------------

const char* FitQuantityName(TFitQuantity aQuantity) {
    switch (aQuantity) {
        case TFitQuantity::RightMomentOverForce: return "mf_right";
        case TFitQuantity::LeftMomentOverForce: return "mf_left";
        case TFitQuantity::RightForce: break;
    }
    return "f_right";
}

std::optional<TFitQuantity> FindFitQuantity(std::string_view aName) {
    for (const TFitQuantity q :
         {TFitQuantity::RightMomentOverForce, TFitQuantity::LeftMomentOverForce, TFitQuantity::RightForce})
        if (aName == FitQuantityName(q)) return q;
    return std::nullopt;
}

const char* FitQuantityCaption(TFitQuantity aQuantity) {
    switch (aQuantity) {
        case TFitQuantity::RightMomentOverForce: return "M/F right";
        case TFitQuantity::LeftMomentOverForce: return "M/F left";
        case TFitQuantity::RightForce: break;
    }
    return "|F| right";
}

const char* FitQuantityUnit(TFitQuantity aQuantity) { return aQuantity == TFitQuantity::RightForce ? "cN" : "mm"; }

double DefaultFitTolerance(TFitQuantity aQuantity) { return aQuantity == TFitQuantity::RightForce ? 1.0 : 0.05; }

std::optional<double> FitQuantityOf(TFitQuantity aQuantity, const TTemplateLoads& aLoads) {
    switch (aQuantity) {
        case TFitQuantity::RightMomentOverForce: return aLoads.right.MomentOverForce();
        case TFitQuantity::LeftMomentOverForce: return aLoads.left.MomentOverForce();
        case TFitQuantity::RightForce: break;
    }
    return aLoads.right.Force();
}

const char* FitEndName(TFitEnd aEnd) {
    switch (aEnd) {
        case TFitEnd::Running: return "running";
        case TFitEnd::Met: return "met";
        case TFitEnd::NoProgress: return "no progress";
        case TFitEnd::SolveLimit: return "solve limit";
        case TFitEnd::StartFailed: break;
    }
    return "start failed";
}

bool TFitResult::AllMet() const {
    return !met.empty() && std::all_of(met.begin(), met.end(), [](bool b) { return b; });
}

// ---- one point: its activations -------------------------------------------------

struct TLoopFitter::TPoint {
    std::vector<double> u;
    bool ok = false;
    std::string why;
    std::vector<double> q;  // the targets' quantities
    std::vector<double> r;  // (q - wanted) / tolerance
    double cost = 0;        // 1/2 |r|^2
};

// The activations one point needs: the template's own, and one for each
// other activation the targets name, run one after another.
class TLoopFitter::TEvaluation {
public:
    TEvaluation(TLoopTemplate aTemplate, const TFitSettings& aSettings, std::vector<double> aU, int& aSolves)
        : FTemplate(std::move(aTemplate)), FSettings(aSettings), FSolves(aSolves) {
        FPoint.u = std::move(aU);
        const double own = FTemplate.Value(ActivationName);
        for (const TFitTarget& t : aSettings.Targets) {
            const double a = t.Activation.value_or(own);
            auto at = std::find(FActivations.begin(), FActivations.end(), a);
            FOf.push_back(static_cast<std::size_t>(at - FActivations.begin()));
            if (at == FActivations.end()) FActivations.push_back(a);
        }
    }

    bool Finished() const { return FDone; }

    void Iterate() {
        if (FDone) return;
        if (!FCurrent) {
            TLoopTemplate t = FTemplate;
            t.SetValue(ActivationName, FActivations[FLoads.size()]);
            FCurrent = std::make_unique<TTemplateActivation>(t, FSettings.Run, FSettings.Tolerances);
            if (FCurrent->Design()) ++FSolves;
        }
        FCurrent->Iterate();
        if (!FCurrent->Finished()) return;
        FLoads.push_back(FCurrent->Result());
        FCurrent.reset();
        // A point fails with its first failed activation.
        if (!FLoads.back().Activated() || FLoads.size() == FActivations.size()) Complete();
    }

    TPoint Take() { return std::move(FPoint); }

private:
    void Complete() {
        FDone = true;
        const TTemplateLoads& last = FLoads.back();
        if (!last.Activated()) {
            FPoint.why = last.Text();
            if (FActivations.size() > 1 && last.made)
                FPoint.why += " (at an activation of " + FormatMask(FActivations[FLoads.size() - 1], "0.###") + " mm)";
            return;
        }
        for (std::size_t i = 0; i < FSettings.Targets.size(); ++i) {
            const TFitTarget& t = FSettings.Targets[i];
            const std::optional<double> q = FitQuantityOf(t.Quantity, FLoads[FOf[i]]);
            if (!q || !std::isfinite(*q)) {
                FPoint.why = std::string("the force is zero, so M/F has no value");
                return;
            }
            FPoint.q.push_back(*q);
            const double r = (*q - t.Value) / t.Tolerance;
            FPoint.r.push_back(r);
            FPoint.cost += 0.5 * r * r;
        }
        FPoint.ok = std::isfinite(FPoint.cost);
        if (!FPoint.ok) FPoint.why = "the misfit is not a number";
    }

    TLoopTemplate FTemplate;
    const TFitSettings& FSettings;
    int& FSolves;
    std::vector<double> FActivations;  // distinct, in the order first named
    std::vector<std::size_t> FOf;       // per target, its activation
    std::vector<TTemplateLoads> FLoads;
    std::unique_ptr<TTemplateActivation> FCurrent;
    bool FDone = false;
    TPoint FPoint;
};

// ---- the fitter ------------------------------------------------------------------

std::string FitProblem(const TLoopTemplate& aTemplate, const TFitSettings& aSettings, const TNumberFormat& aFormat) {
    const TLoopForm& form = aTemplate.Form();
    const auto withUnit = [&aFormat](double aValue, const TTemplateParameter& p) {
        return aFormat(aValue, "0.###") + (p.Unit == TParameterUnit::Millimetre ? " mm" : "\u00b0");
    };
    const auto& free = aSettings.Free;
    if (free.empty() || free.size() > static_cast<std::size_t>(MaxFreeParameters))
        return "A fit takes from 1 to " + std::to_string(MaxFreeParameters) + " free parameters.";
    std::vector<int> seen;
    for (const TFreeParameter& f : free) {
        const int index = form.IndexOf(f.Name);
        if (index < 0) return "The " + std::string(form.Caption()) + " has no parameter '" + f.Name + "'.";
        const TTemplateParameter& p = form.Parameters()[static_cast<std::size_t>(index)];
        if (std::find(seen.begin(), seen.end(), index) != seen.end()) return p.Caption + " is free twice.";
        seen.push_back(index);
        if (!std::isfinite(f.Low) || !std::isfinite(f.High)) return "The bounds of " + p.Caption + " are not numbers.";
        if (!(f.Low < f.High)) return "The lower bound of " + p.Caption + " must lie below its upper bound.";
        if (f.Low < p.Min || f.High > p.Max)
            return p.Caption + " can be from " + withUnit(p.Min, p) + " to " + withUnit(p.Max, p) +
                   ": its bounds must lie within that.";
    }
    const auto& targets = aSettings.Targets;
    if (targets.empty() || targets.size() > static_cast<std::size_t>(MaxFitTargets))
        return "A fit takes from 1 to " + std::to_string(MaxFitTargets) + " targets.";
    const TTemplateParameter& activation =
        form.Parameters()[static_cast<std::size_t>(form.IndexOf(ActivationName))];
    for (const TFitTarget& t : targets) {
        const std::string name = FitQuantityCaption(t.Quantity);
        if (!std::isfinite(t.Value)) return "The target for " + name + " is not a number.";
        if (!(t.Tolerance > 0) || !std::isfinite(t.Tolerance))
            return "The tolerance of " + name + " must be a number above 0.";
        if (t.Activation && !(*t.Activation >= activation.Min && *t.Activation <= activation.Max))
            return "The activation of a target must lie within " + withUnit(activation.Min, activation) + " to " +
                   withUnit(activation.Max, activation) + ".";
    }
    if (aSettings.MaxSolves < 1) return "A fit needs at least one activation.";
    return {};
}

TLoopFitter::TLoopFitter(const TLoopTemplate& aTemplate, const TFitSettings& aSettings)
    : FTemplate(aTemplate), FSettings(aSettings) {
    if (const std::string problem = FitProblem(aTemplate, aSettings); !problem.empty())
        throw std::invalid_argument(problem);
    const TLoopForm& form = FTemplate.Form();
    std::vector<double> u;
    for (TFreeParameter& f : FSettings.Free) {
        const int index = form.IndexOf(f.Name);
        FIndex.push_back(index);
        f.Name = form.Parameters()[static_cast<std::size_t>(index)].Name;
        const double v = std::clamp(FTemplate.Values()[static_cast<std::size_t>(index)], f.Low, f.High);
        u.push_back(v >= f.High ? 1.0 : (v - f.Low) / (f.High - f.Low));
    }
    const std::size_t targets = FSettings.Targets.size();
    FResult.start = ValuesOf(u);
    FResult.found = FResult.start;
    FResult.startValues.assign(targets, std::nullopt);
    FResult.reached.assign(targets, std::nullopt);
    FResult.met.assign(targets, false);
    Evaluate(u);
}

TLoopFitter::~TLoopFitter() = default;

std::vector<double> TLoopFitter::ValuesOf(const std::vector<double>& aU) const {
    std::vector<double> x;
    for (std::size_t j = 0; j < aU.size(); ++j) {
        const TFreeParameter& f = FSettings.Free[j];
        x.push_back(aU[j] >= 1 ? f.High : aU[j] <= 0 ? f.Low : f.Low + aU[j] * (f.High - f.Low));
    }
    return x;
}

TLoopTemplate TLoopFitter::Fitted() const {
    TLoopTemplate t = FTemplate;
    for (std::size_t j = 0; j < FIndex.size(); ++j) t.SetValue(FSettings.Free[j].Name, FResult.found[j]);
    return t;
}

void TLoopFitter::Evaluate(const std::vector<double>& aU) {
    TLoopTemplate t = FTemplate;
    const std::vector<double> x = ValuesOf(aU);
    for (std::size_t j = 0; j < x.size(); ++j) t.SetValue(FSettings.Free[j].Name, x[j]);
    FEval = std::make_unique<TEvaluation>(std::move(t), FSettings, aU, FResult.solves);
}

bool TLoopFitter::Iterate() {
    if (Finished()) return false;
    const auto start = std::chrono::steady_clock::now();
    FEval->Iterate();
    if (FEval->Finished()) {
        TPoint p = FEval->Take();
        FEval.reset();
        Handle(std::move(p));
    }
    FTime += std::chrono::steady_clock::now() - start;
    FResult.seconds = std::chrono::duration<double>(FTime).count();
    return !Finished();
}

void TLoopFitter::Run() {
    while (Iterate()) {
    }
}

void TLoopFitter::Handle(TPoint aPoint) {
    switch (FPhase) {
        case TPhase::Start: TakeStart(std::move(aPoint)); break;
        case TPhase::Jacobian: TakeColumn(std::move(aPoint)); break;
        case TPhase::Trial: TakeTrial(std::move(aPoint)); break;
    }
}

void TLoopFitter::Publish(const TPoint& aPoint, std::vector<std::optional<double>>& aValues) {
    for (std::size_t i = 0; i < aPoint.q.size(); ++i) aValues[i] = aPoint.q[i];
    FResult.found = ValuesOf(aPoint.u);
    for (std::size_t i = 0; i < aPoint.r.size(); ++i) FResult.met[i] = std::abs(aPoint.r[i]) <= 1.0;
}

bool TLoopFitter::Aimed(const TPoint& aPoint) const {
    return std::all_of(aPoint.r.begin(), aPoint.r.end(), [](double r) { return std::abs(r) <= AimShare; });
}

void TLoopFitter::End(TFitEnd aEnd, std::string aMessage) {
    FEval.reset();
    FResult.end = aEnd;
    FResult.message = std::move(aMessage);
}

void TLoopFitter::TakeStart(TPoint aPoint) {
    if (!aPoint.ok) {
        End(TFitEnd::StartFailed, "The loop at the starting values cannot be activated: " + aPoint.why + ".");
        return;
    }
    Publish(aPoint, FResult.startValues);
    Publish(aPoint, FResult.reached);
    FBest = std::make_unique<TPoint>(std::move(aPoint));
    Continue();
}

void TLoopFitter::Continue() {
    if (Aimed(*FBest)) {
        End(TFitEnd::Met, "Every target is met.");
        return;
    }
    if (FResult.solves >= FSettings.MaxSolves) {
        End(TFitEnd::SolveLimit, "The fit stopped at its limit of " + std::to_string(FSettings.MaxSolves) +
                                     " activations.");
        return;
    }
    FPhase = TPhase::Jacobian;
    FJ.assign(FBest->r.size() * FBest->u.size(), 0.0);
    FColumn = 0;
    FTriedOther = false;
    FBackward = FBest->u[0] + DifferenceStep > 1;
    std::vector<double> u = FBest->u;
    u[0] += FBackward ? -DifferenceStep : DifferenceStep;
    Evaluate(u);
}

void TLoopFitter::TakeColumn(TPoint aPoint) {
    const std::size_t n = FBest->u.size();
    const std::size_t j = static_cast<std::size_t>(FColumn);
    if (aPoint.ok) {
        const double h = aPoint.u[j] - FBest->u[j];
        for (std::size_t i = 0; i < aPoint.r.size(); ++i) FJ[i * n + j] = (aPoint.r[i] - FBest->r[i]) / h;
    } else if (!FTriedOther &&
               (FBackward ? FBest->u[j] + DifferenceStep <= 1 : FBest->u[j] - DifferenceStep >= 0)) {
        // The other side, where there is room; a column that cannot be had
        // on either side stays zero, and the parameter stays where it is.
        FTriedOther = true;
        FBackward = !FBackward;
        std::vector<double> u = FBest->u;
        u[j] += FBackward ? -DifferenceStep : DifferenceStep;
        Evaluate(u);
        return;
    }
    FTriedOther = false;
    if (++FColumn < static_cast<int>(n)) {
        const std::size_t k = static_cast<std::size_t>(FColumn);
        FBackward = FBest->u[k] + DifferenceStep > 1;
        std::vector<double> u = FBest->u;
        u[k] += FBackward ? -DifferenceStep : DifferenceStep;
        Evaluate(u);
        return;
    }
    ++FResult.iterations;
    NextTrial();
}

void TLoopFitter::NextTrial() {
    if (ProjectedGradient(FBest->u, FJ, FBest->r) <= FlatGradient) {
        End(TFitEnd::NoProgress, "No further progress is possible: no change of the free parameters within their "
                                 "bounds brings the targets closer.");
        return;
    }
    for (;;) {
        if (FLambda > MaxDamping) {
            End(TFitEnd::NoProgress,
                "No further progress is possible: no step, however short, brings the targets closer.");
            return;
        }
        const TDampedStep step = BoundedDampedStep(FBest->u, FJ, FBest->r, FLambda);
        if (step.ok && step.predicted > 0) {
            if (Largest(step.step) < LeastStep) {
                End(TFitEnd::NoProgress, "No further progress is possible: the steps have become too short to "
                                         "change the loop.");
                return;
            }
            if (FResult.solves >= FSettings.MaxSolves) {
                End(TFitEnd::SolveLimit, "The fit stopped at its limit of " + std::to_string(FSettings.MaxSolves) +
                                             " activations.");
                return;
            }
            std::vector<double> u = FBest->u;
            for (std::size_t j = 0; j < u.size(); ++j) u[j] = std::clamp(u[j] + step.step[j], 0.0, 1.0);
            FPhase = TPhase::Trial;
            FPredicted = step.predicted;
            Evaluate(u);
            return;
        }
        FLambda *= FNu;
        FNu *= 2;
    }
}

void TLoopFitter::TakeTrial(TPoint aPoint) {
    if (aPoint.ok && aPoint.cost < FBest->cost) {
        // Nielsen's rule: less damping the better the model predicted the gain.
        const double rho = (FBest->cost - aPoint.cost) / FPredicted;
        FLambda *= std::max(1.0 / 3.0, 1 - std::pow(2 * rho - 1, 3));
        FNu = 2;
        double gain = 0;
        for (std::size_t i = 0; i < aPoint.r.size(); ++i)
            gain = std::max(gain, std::abs(FBest->r[i]) - std::abs(aPoint.r[i]));
        const bool stalled = gain < LeastGain || FBest->cost - aPoint.cost < LeastShare * FBest->cost;
        FStalls = stalled ? FStalls + 1 : 0;
        Publish(aPoint, FResult.reached);
        FBest = std::make_unique<TPoint>(std::move(aPoint));
        if (FStalls >= MaxStalls && !Aimed(*FBest)) {
            End(TFitEnd::NoProgress, "No further progress is possible: the last steps brought the targets hardly closer.");
            return;
        }
        Continue();
        return;
    }
    FLambda *= FNu;
    FNu *= 2;
    NextTrial();
}

}  // namespace torvik
