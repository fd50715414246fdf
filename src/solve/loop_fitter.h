#pragma once
// The loop fitter: up to three parameters of a loop template, each within
// bounds, searched until the loop's activated loads meet the targets: M/F at
// the right bracket, M/F at the left bracket, |F| at the right bracket, each
// at the template's own activation or at an activation of its own (two M/F
// targets at two activations hold M/F over the activation range).
//
// The method is Levenberg-Marquardt (damped Gauss-Newton) on the residuals
// (reached - wanted) / tolerance, in the free parameters scaled to [0, 1]
// by their bounds, with the Jacobian by forward differences (a step of a
// thousandth of the bounds' width, backwards at the upper bound; each
// difference is one activation by the Newton solver per activation the
// targets need). A step is cut back into the bounds, and a parameter on a
// bound that the misfit pushes beyond is held there. A trial point that the
// loop cannot be made of, or whose activation fails, is refused like a step
// that does not lower the misfit: the damping grows and the step shrinks.
//
// The fit ends
// - met: every target within half its tolerance (half, so that the rounding
//   of a saved design cannot carry it out);
// - no progress: the damping or the step has run out, the misfit is flat
//   within the bounds, or three steps in a row lowered the misfit by less
//   than a ten-thousandth of itself or brought no target closer by a
//   thousandth of its tolerance;
// - at the solve limit;
// - when the start cannot be activated.
// A target is met when it lies within its tolerance of the wanted value:
// the result never calls a target met that is not.
//
// One solver iteration at a time (Iterate) or all at once (Run); the fitter
// keeps its own template and designs, so it can run on another thread once
// it has been made.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solve/template_activation.h"

namespace torvik {

enum class TFitQuantity { RightMomentOverForce, LeftMomentOverForce, RightForce };

// "mf_right", "mf_left", "f_right": the names on the command line and in
// reports.
const char* FitQuantityName(TFitQuantity aQuantity);
std::optional<TFitQuantity> FindFitQuantity(std::string_view aName);
// "M/F right", "M/F left", "|F| right".
const char* FitQuantityCaption(TFitQuantity aQuantity);
// "mm" or "cN".
const char* FitQuantityUnit(TFitQuantity aQuantity);
// 0.05 mm for M/F, 1 cN for the force.
double DefaultFitTolerance(TFitQuantity aQuantity);
// The quantity in the loads, as the read-out shows it (M/F with the sign of
// the moment); none when M/F has no force to divide by.
std::optional<double> FitQuantityOf(TFitQuantity aQuantity, const TTemplateLoads& aLoads);

struct TFitTarget {
    TFitQuantity Quantity = TFitQuantity::RightMomentOverForce;
    double Value = 0;  // mm or cN
    // The activation (mm) the target holds at; none: the template's own
    // (the fitted one when the activation is free).
    std::optional<double> Activation;
    double Tolerance = 0.05;  // met when |reached - Value| <= Tolerance
};

struct TFreeParameter {
    std::string Name;
    double Low = 0, High = 0;  // in the parameter's unit
};

constexpr int MaxFreeParameters = 3;
constexpr int MaxFitTargets = 6;

struct TFitSettings {
    std::vector<TFreeParameter> Free;
    std::vector<TFitTarget> Targets;
    TActivationSettings Run;      // the target each activation is solved to
    TSolveTolerances Tolerances;  // of each activation
    int MaxSolves = 600;          // activations, at most
};

enum class TFitEnd { Running, Met, NoProgress, SolveLimit, StartFailed };

// "met", "no progress", "solve limit", "start failed" ("running" before the
// end).
const char* FitEndName(TFitEnd aEnd);

struct TFitResult {
    TFitEnd end = TFitEnd::Running;
    // Why it ended, in a sentence.
    std::string message;
    // The free parameters' values, in the order of the settings.
    std::vector<double> start, found;
    // Per target: its value at the start and at the found values (none when
    // not computed), and whether the found value meets it.
    std::vector<std::optional<double>> startValues, reached;
    std::vector<bool> met;
    int solves = 0;      // activations of a template, failed ones included
    int iterations = 0;  // Levenberg-Marquardt iterations (Jacobians)
    double seconds = 0;  // time spent in the fitter's work

    bool AllMet() const;
};

// Why the settings make no fit of aTemplate, numbers written by aFormat: no
// free parameter or more than three, one given twice or not of the form,
// bounds that are not numbers, not in order or outside the parameter's
// range; no target or more than MaxFitTargets, a target value that is not a
// number, a tolerance that is not positive, an activation outside the
// template's range. Empty when they make one.
std::string FitProblem(const TLoopTemplate& aTemplate, const TFitSettings& aSettings,
                       const TNumberFormat& aFormat = FileNumberText);

class TLoopFitter {
public:
    // Copies aTemplate; the free parameters start at its values, moved into
    // their bounds. Throws std::invalid_argument with FitProblem's message.
    TLoopFitter(const TLoopTemplate& aTemplate, const TFitSettings& aSettings);
    ~TLoopFitter();
    TLoopFitter(const TLoopFitter&) = delete;
    TLoopFitter& operator=(const TLoopFitter&) = delete;

    // One solver iteration; whether work remains.
    bool Iterate();
    void Run();
    bool Finished() const { return FResult.end != TFitEnd::Running; }

    const TFitSettings& Settings() const { return FSettings; }
    const TLoopTemplate& Start() const { return FTemplate; }
    // The best point so far (the start until a step is taken), and how the
    // fit ended.
    const TFitResult& Result() const { return FResult; }
    // The template at the found values.
    TLoopTemplate Fitted() const;

private:
    struct TPoint;
    class TEvaluation;
    enum class TPhase { Start, Jacobian, Trial };

    void Handle(TPoint aPoint);
    void TakeStart(TPoint aPoint);
    void TakeColumn(TPoint aPoint);
    void TakeTrial(TPoint aPoint);
    // After a new best point: done, or the Jacobian of the next iteration.
    void Continue();
    // From a complete Jacobian: the next trial point, or the end.
    void NextTrial();
    void Evaluate(const std::vector<double>& aU);
    void Publish(const TPoint& aPoint, std::vector<std::optional<double>>& aValues);
    void End(TFitEnd aEnd, std::string aMessage);
    bool Aimed(const TPoint& aPoint) const;
    std::vector<double> ValuesOf(const std::vector<double>& aU) const;

    TLoopTemplate FTemplate;
    TFitSettings FSettings;
    std::vector<int> FIndex;  // the free parameters' indices in the form
    TPhase FPhase = TPhase::Start;
    std::unique_ptr<TEvaluation> FEval;
    std::unique_ptr<TPoint> FBest;
    // The Jacobian being built: m rows of n, column by column.
    std::vector<double> FJ;
    int FColumn = 0;
    bool FBackward = false;  // the column's difference is being taken backwards
    bool FTriedOther = false;  // the column's first side failed
    double FPredicted = 0;     // the model's gain of the trial step
    double FLambda = 1e-3;  // the damping, in Marquardt's scaling
    double FNu = 2;
    int FStalls = 0;
    TFitResult FResult;
    std::chrono::steady_clock::duration FTime{};
};

}  // namespace torvik
