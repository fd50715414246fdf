#include "solve/sweep.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>


namespace torvik {

namespace {

std::string WithUnit(double aValue, const TTemplateParameter& aParameter, const TNumberFormat& aFormat) {
    return aFormat(aValue, "0.###") + (aParameter.Unit == TParameterUnit::Millimetre ? " mm" : "\u00b0");
}

}  // namespace

std::string SweepProblem(const TLoopTemplate& aTemplate, const TSweepSettings& aSettings,
                         const TNumberFormat& aFormat) {
    const int index = aTemplate.Form().IndexOf(aSettings.Parameter);
    if (index < 0)
        return "The " + std::string(aTemplate.Form().Caption()) + " has no parameter '" + aSettings.Parameter + "'.";
    const TTemplateParameter& p = aTemplate.Form().Parameters()[static_cast<std::size_t>(index)];
    if (aSettings.Steps < 2 || aSettings.Steps > MaxSweepSteps)
        return "A sweep takes from 2 to " + std::to_string(MaxSweepSteps) + " steps.";
    for (const double v : {aSettings.From, aSettings.To}) {
        if (!std::isfinite(v)) return "The sweep's range is not a number.";
        if (v < p.Min || v > p.Max)
            return p.Caption + " can be from " + WithUnit(p.Min, p, aFormat) + " to " + WithUnit(p.Max, p, aFormat) +
                   ": the sweep's range must lie within that.";
    }
    if (aSettings.From == aSettings.To) return "The sweep's first and last values are the same.";
    return {};
}

TSweepSettings DefaultSweep(const TLoopTemplate& aTemplate, std::string_view aParameter, int aSteps) {
    const TLoopForm& form = aTemplate.Form();
    const TTemplateParameter& p = form.Parameters().at(static_cast<std::size_t>(form.IndexOf(aParameter)));
    // The round number nearest a tenth of the range, on a logarithmic scale.
    const double tenth = (p.Max - p.Min) / 10;
    const double power = std::pow(10.0, std::floor(std::log10(tenth)));
    double delta = power;
    for (const double m : {2.0, 5.0, 10.0})
        if (std::abs(std::log(tenth / (m * power))) < std::abs(std::log(tenth / delta))) delta = m * power;
    const double value = std::clamp(aTemplate.Value(p.Name), p.Min, p.Max);
    TSweepSettings s;
    s.Parameter = p.Name;
    s.From = value - delta;
    s.To = value + delta;
    // Moved inside the range, keeping its width where the range allows.
    if (s.From < p.Min) {
        s.To = std::min(p.Max, s.To + (p.Min - s.From));
        s.From = p.Min;
    }
    if (s.To > p.Max) {
        s.From = std::max(p.Min, s.From - (s.To - p.Max));
        s.To = p.Max;
    }
    s.Steps = aSteps;
    return s;
}

TSweep::TSweep(const TLoopTemplate& aTemplate, const TSweepSettings& aSettings)
    : FTemplate(aTemplate), FSettings(aSettings) {
    if (const std::string problem = SweepProblem(aTemplate, aSettings); !problem.empty())
        throw std::invalid_argument(problem);
    FParameter = FTemplate.Form().IndexOf(aSettings.Parameter);
    FSettings.Parameter = Parameter().Name;
    FTemplate.SetValue(FSettings.Parameter, aSettings.From);
    FSteps.reserve(static_cast<std::size_t>(aSettings.Steps));
}

TSweep::~TSweep() = default;

const TTemplateParameter& TSweep::Parameter() const {
    return FTemplate.Form().Parameters()[static_cast<std::size_t>(FParameter)];
}

double TSweep::Value(int aIndex) const {
    if (aIndex <= 1) return FSettings.From;
    if (aIndex >= FSettings.Steps) return FSettings.To;
    const double f = static_cast<double>(aIndex - 1) / (FSettings.Steps - 1);
    return FSettings.From + f * (FSettings.To - FSettings.From);
}

double TSweep::Progress() const { return static_cast<double>(FSteps.size()) / FSettings.Steps; }

int TSweep::Failures() const {
    int n = 0;
    for (const TSweepStep& s : FSteps) n += s.loads.Activated() ? 0 : 1;
    return n;
}

void TSweep::BeginStep() {
    TLoopTemplate t = FTemplate;
    t.SetValue(FSettings.Parameter, Value(static_cast<int>(FSteps.size()) + 1));
    FCurrent = std::make_unique<TTemplateActivation>(t, FSettings.Run, FSettings.Tolerances);
}

bool TSweep::Iterate() {
    if (Finished()) return false;
    if (!FCurrent) BeginStep();
    FCurrent->Iterate();
    if (FCurrent->Finished()) {
        TSweepStep step;
        step.index = static_cast<int>(FSteps.size()) + 1;
        step.value = Value(step.index);
        step.loads = FCurrent->Result();
        FSteps.push_back(std::move(step));
        FCurrent.reset();
    }
    return !Finished();
}

bool TSweep::NextStep() {
    const std::size_t done = FSteps.size();
    while (!Finished() && FSteps.size() == done) Iterate();
    return !Finished();
}

void TSweep::Run() {
    while (NextStep()) {
    }
}

}  // namespace torvik
