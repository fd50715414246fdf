#pragma once
// A parameter sweep: one parameter of a loop template varied from one value
// to another in equal steps, the design of each step generated and
// activated from zero load (TTemplateActivation), its loads kept. A step
// whose values make no loop, or whose activation fails, is kept as such and
// the sweep goes on.
//
// The work can be done one solver iteration at a time (Iterate), a step at
// a time (NextStep) or all at once (Run), so a caller can show progress and
// stop between any two iterations. The sweep keeps its own copy of the
// template and touches nothing shared: it can run on another thread once it
// has been made.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "solve/template_activation.h"

namespace torvik {

constexpr int MaxSweepSteps = 1000;

struct TSweepSettings {
    std::string Parameter;   // the name of a parameter of the template's form
    double From = 0, To = 0; // its first and last values, in its unit
    int Steps = 10;          // values, both ends included: 2 .. MaxSweepSteps
    TActivationSettings Run; // the target each step is activated to
    TSolveTolerances Tolerances;
};

struct TSweepStep {
    int index = 0;     // 1 .. Steps
    double value = 0;  // the parameter's value
    TTemplateLoads loads;
};

// Why the settings make no sweep of aTemplate, numbers written by aFormat:
// a parameter the form does not have, steps out of range, equal ends, or an
// end that is not a number or lies outside the parameter's range; empty
// when they make one.
std::string SweepProblem(const TLoopTemplate& aTemplate, const TSweepSettings& aSettings,
                         const TNumberFormat& aFormat = FileNumberText);

// A sweep of aParameter around its value in aTemplate: from a round tenth
// of its range below to as much above (1, 2 or 5 times a power of ten),
// moved inside the range, in aSteps steps. aParameter must be the form's.
TSweepSettings DefaultSweep(const TLoopTemplate& aTemplate, std::string_view aParameter, int aSteps = 20);

class TSweep {
public:
    // Copies aTemplate. Throws std::invalid_argument with SweepProblem's
    // message.
    TSweep(const TLoopTemplate& aTemplate, const TSweepSettings& aSettings);
    ~TSweep();
    TSweep(const TSweep&) = delete;
    TSweep& operator=(const TSweep&) = delete;

    // One solver iteration of the current step; whether work remains.
    bool Iterate();
    // The rest of the current step; whether steps remain.
    bool NextStep();
    void Run();

    bool Finished() const { return FSteps.size() == static_cast<std::size_t>(FSettings.Steps); }
    // Done steps / Steps.
    double Progress() const;
    const std::vector<TSweepStep>& Steps() const { return FSteps; }
    // The steps that were not activated.
    int Failures() const;
    const TSweepSettings& Settings() const { return FSettings; }
    // The template the steps vary: the swept parameter at its first value.
    const TLoopTemplate& Template() const { return FTemplate; }
    const TTemplateParameter& Parameter() const;
    // The parameter's value at step aIndex (1 .. Steps): the ends exactly,
    // equal steps between.
    double Value(int aIndex) const;

private:
    void BeginStep();

    TLoopTemplate FTemplate;
    TSweepSettings FSettings;
    int FParameter = 0;
    std::unique_ptr<TTemplateActivation> FCurrent;
    std::vector<TSweepStep> FSteps;
};

}  // namespace torvik
