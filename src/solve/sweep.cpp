#include "solve/sweep.h"

#include <cmath>
#include <stdexcept>

#include "support/numbers.h"

namespace torvik {

namespace {

std::string WithUnit(double aValue, const TTemplateParameter& aParameter) {
    return FormatMask(aValue, "0.###") + (aParameter.Unit == TParameterUnit::Millimetre ? " mm" : "\u00b0");
}

}  // namespace

TSweep::TSweep(const TLoopTemplate& aTemplate, const TSweepSettings& aSettings)
    : FTemplate(aTemplate), FSettings(aSettings) {
    FTemplate.Value(aSettings.Parameter);  // throws for a name the form does not have
    FParameter = FTemplate.Form().IndexOf(aSettings.Parameter);
    const TTemplateParameter& p = Parameter();
    FSettings.Parameter = p.Name;
    if (aSettings.Steps < 2 || aSettings.Steps > MaxSweepSteps)
        throw std::invalid_argument("A sweep takes from 2 to " + std::to_string(MaxSweepSteps) + " steps.");
    for (const double v : {aSettings.From, aSettings.To}) {
        if (!std::isfinite(v)) throw std::invalid_argument("The sweep's range is not a number.");
        if (v < p.Min || v > p.Max)
            throw std::invalid_argument(p.Caption + " can be from " + WithUnit(p.Min, p) + " to " + WithUnit(p.Max, p) +
                                        ": the sweep's range must lie within that.");
    }
    if (aSettings.From == aSettings.To)
        throw std::invalid_argument("The sweep's first and last values are the same.");
    FTemplate.SetValue(p.Name, aSettings.From);
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
