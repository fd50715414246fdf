#include "cli/fit_job.h"

#include <cmath>
#include <stdexcept>

#include "cli/template_report.h"
#include "cli/text_table.h"
#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik::cli {

namespace {

std::string Data(const std::optional<double>& v) { return v && std::isfinite(*v) ? DataNumber(*v) : "null"; }
std::string Csv(const std::optional<double>& v) { return v && std::isfinite(*v) ? DataNumber(*v) : ""; }
std::string Shown(const std::optional<double>& v, int aDecimals) {
    return v && std::isfinite(*v) ? FormatMask(*v, "0." + std::string(static_cast<std::size_t>(aDecimals), '0'))
                                  : "-";
}

// The activation a target holds at: its own, or the fitted template's.
double ActivationOf(const TFitTarget& aTarget, const TLoopTemplate& aFitted) {
    return aTarget.Activation.value_or(aFitted.Value("activation"));
}

const TTemplateParameter& ParameterOf(const TLoopFitter& f, std::size_t j) {
    const TLoopForm& form = f.Start().Form();
    return form.Parameters()[static_cast<std::size_t>(form.IndexOf(f.Settings().Free[j].Name))];
}

std::string ResultLine(const TFitResult& r) {
    if (r.AllMet()) return "every target met";
    std::size_t missed = 0;
    for (const bool m : r.met) missed += m ? 0 : 1;
    return std::to_string(missed) + " of " + std::to_string(r.met.size()) + " target" + (r.met.size() == 1 ? "" : "s") +
           " missed";
}

std::string FitText(const TLoopFitter& f, const std::string& aWritten) {
    const TFitResult& r = f.Result();
    const TLoopTemplate fitted = f.Fitted();
    std::string s = TemplateTextLines(fitted);
    s += ActivationTextLine(f.Settings().Tolerances);
    s += "Result:         " + ResultLine(r) + "\n";
    s += "Stop:           " + r.message + "\n";
    s += "Work:           " + std::to_string(r.solves) + " activations in " + std::to_string(r.iterations) +
         " iterations, " + FormatMask(r.seconds, "0.000") + " s\n";
    s += "Design:         " + (aWritten.empty() ? std::string("none written\n") : aWritten);

    const std::vector<TCurveColumn> targetColumns = {
        {"target", "Target", "", -1},   {"activation_mm", "At", "mm", 3}, {"unit", "Unit", "", -1},
        {"wanted", "Wanted", "", 3},    {"start", "Start", "", 3},        {"reached", "Reached", "", 3},
        {"tolerance", "Tolerance", "", 3}, {"met", "Met", "", -1}};
    std::vector<std::vector<std::string>> rows;
    const auto& targets = f.Settings().Targets;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const TFitTarget& t = targets[i];
        rows.push_back({FitQuantityCaption(t.Quantity), Shown(ActivationOf(t, fitted), 3), FitQuantityUnit(t.Quantity),
                        Shown(t.Value, 3), Shown(r.startValues[i], 3), Shown(r.reached[i], 3), Shown(t.Tolerance, 3),
                        r.met[i] ? "yes" : "MISSED"});
    }
    s += "\n" + TextTable(targetColumns, rows);

    const std::vector<TCurveColumn> freeColumns = {{"parameter", "Parameter", "", -1}, {"unit", "Unit", "", -1},
                                                   {"low", "Low", "", 3},             {"high", "High", "", 3},
                                                   {"start", "Start", "", 3},         {"found", "Found", "", 4}};
    rows.clear();
    const auto& free = f.Settings().Free;
    for (std::size_t j = 0; j < free.size(); ++j)
        rows.push_back({free[j].Name, UnitSymbol(ParameterOf(f, j).Unit), Shown(free[j].Low, 3), Shown(free[j].High, 3),
                        Shown(r.start[j], 3), Shown(r.found[j], 4)});
    return s + "\n" + TextTable(freeColumns, rows);
}

std::string FitJson(const TLoopFitter& f, const std::string& aOutFile, bool aWritten) {
    const TFitResult& r = f.Result();
    const TLoopTemplate fitted = f.Fitted();
    std::string s = "{\"met\": " + std::string(r.AllMet() ? "true" : "false");
    s += ", \"stop\": " + JsonString(FitEndName(r.end)) + ", \"message\": " + JsonString(r.message);
    s += ", \"solves\": " + std::to_string(r.solves) + ", \"iterations\": " + std::to_string(r.iterations);
    s += ", \"seconds\": " + DataNumber(r.seconds);
    s += ",\n\"targets\": [";
    const auto& targets = f.Settings().Targets;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const TFitTarget& t = targets[i];
        s += std::string(i ? ",\n " : "\n ") + "{\"name\": " + JsonString(FitQuantityName(t.Quantity)) +
             ", \"unit\": " + JsonString(FitQuantityUnit(t.Quantity)) +
             ", \"activation_mm\": " + DataNumber(ActivationOf(t, fitted)) +
             ", \"own_activation\": " + (t.Activation ? "false" : "true") + ", \"wanted\": " + DataNumber(t.Value) +
             ", \"tolerance\": " + DataNumber(t.Tolerance) + ", \"start\": " + Data(r.startValues[i]) +
             ", \"reached\": " + Data(r.reached[i]) + ", \"met\": " + (r.met[i] ? "true" : "false") + "}";
    }
    s += "\n],\n\"free\": [";
    const auto& free = f.Settings().Free;
    for (std::size_t j = 0; j < free.size(); ++j)
        s += std::string(j ? ",\n " : "\n ") + "{\"name\": " + JsonString(free[j].Name) +
             ", \"unit\": " + JsonString(UnitKey(ParameterOf(f, j))) + ", \"low\": " + DataNumber(free[j].Low) +
             ", \"high\": " + DataNumber(free[j].High) + ", \"start\": " + DataNumber(r.start[j]) +
             ", \"found\": " + DataNumber(r.found[j]) + "}";
    s += "\n],\n" + TemplateJsonFields(fitted) + ", " + ActivationJsonFields(f.Settings().Tolerances);
    s += ", \"out\": " + JsonString(aOutFile) + ", \"written\": " + (aWritten ? "true" : "false");
    return s + ",\n" + UnitsJsonField() + "}\n";
}

std::string FitCsv(const TLoopFitter& f) {
    const TFitResult& r = f.Result();
    const TLoopTemplate fitted = f.Fitted();
    std::string s = "item,name,unit,activation_mm,wanted,tolerance,low,high,start,value,met\n";
    const auto& targets = f.Settings().Targets;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const TFitTarget& t = targets[i];
        s += std::string("target,") + FitQuantityName(t.Quantity) + "," + FitQuantityUnit(t.Quantity) + "," +
             DataNumber(ActivationOf(t, fitted)) + "," + DataNumber(t.Value) + "," + DataNumber(t.Tolerance) +
             ",,," + Csv(r.startValues[i]) + "," + Csv(r.reached[i]) + "," + (r.met[i] ? "true" : "false") + "\n";
    }
    const auto& free = f.Settings().Free;
    for (std::size_t j = 0; j < free.size(); ++j)
        s += "parameter," + CsvField(free[j].Name) + "," + UnitKey(ParameterOf(f, j)) + ",,,," +
             DataNumber(free[j].Low) + "," + DataNumber(free[j].High) + "," + DataNumber(r.start[j]) + "," +
             DataNumber(r.found[j]) + ",\n";
    return s;
}

}  // namespace

std::unique_ptr<TLoopFitter> MakeFitter(const TDesignOptions& o) {
    const TLoopTemplate start = DesignTemplate(o);
    CheckDesignOut(o.OutFile);
    TFitSettings s;
    s.Free = o.Fit;
    s.Targets = o.Targets;
    try {
        return std::make_unique<TLoopFitter>(start, s);
    } catch (const std::invalid_argument& e) {
        throw TUsageError(std::string("--fit: ") + e.what());
    }
}

std::string FormatFit(const TLoopFitter& aFitter, const std::string& aOutFile, const std::string& aWritten,
                      TOutputFormat aFormat) {
    switch (aFormat) {
        case TOutputFormat::Json: return FitJson(aFitter, aOutFile, !aWritten.empty());
        case TOutputFormat::Csv: return FitCsv(aFitter);
        case TOutputFormat::Text: break;
    }
    return FitText(aFitter, aWritten);
}

std::string RunFit(const TDesignOptions& aOptions, int& aStatus) {
    const std::unique_ptr<TLoopFitter> fitter = MakeFitter(aOptions);
    fitter->Run();
    std::string written;
    if (fitter->Result().end != TFitEnd::StartFailed) written = WriteDesignOf(fitter->Fitted(), aOptions.OutFile);
    aStatus = fitter->Result().AllMet() ? 0 : 1;
    return FormatFit(*fitter, aOptions.OutFile, written, aOptions.Format);
}

}  // namespace torvik::cli
