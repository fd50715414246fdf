#include "cli/curve_job.h"

#include <vector>

#include "cli/report.h"
#include "cli/text_table.h"
#include "support/numbers.h"
#include "solve/curve_table.h"

namespace torvik::cli {

namespace {

// The table of the given columns of aColumns, one row per step: titles,
// units, then the values.
std::string Table(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth,
                  const std::vector<std::size_t>& aShown) {
    const std::vector<TCurveColumn> columns = CurveColumns(aTooth != nullptr);
    std::vector<std::vector<std::string>> cells;
    for (const TCurveStep& step : aSteps) {
        const std::vector<TCurveCell> row = CurveRow(step, aTooth);
        std::vector<std::string> texts;
        for (const std::size_t i : aShown) texts.push_back(CurveCellText(columns[i], row[i]));
        cells.push_back(std::move(texts));
    }
    std::vector<TCurveColumn> shown;
    for (const std::size_t i : aShown) shown.push_back(columns[i]);
    return TextTable(shown, cells);
}

}  // namespace

TCurveSettings CurveSettings(const TCliOptions& o) {
    TCurveSettings s;
    s.Steps = o.CurveSteps;
    s.TargetMode = o.Settings.TargetMode;
    s.WireSlides = o.Settings.WireSlides;
    s.ToleranceDistance = o.Settings.ToleranceDistance;
    s.ToleranceAngle = o.Settings.ToleranceAngle;
    s.MaxIterations = o.MaxIterations;
    return s;
}

std::string FormatCurveText(const TActivationCurve& c, const TCliOptions& o, const TStockSources& aSources) {
    const std::vector<TCurveStep>& steps = c.Steps();
    const TWire& wire = *c.Design().CurrentWire;
    std::string s = DesignLines(wire.Count(), StockRuns(wire), aSources, o);
    const double angle = ToDegrees(o.Settings.ToleranceAngle);
    s += "Target:         " + std::string(TargetCaption(o.Settings)) + ", tolerances " +
         FormatMask(o.Settings.ToleranceDistance, MaskKeepingValue(o.Settings.ToleranceDistance, "0.0000")) +
         " mm, " + FormatMask(angle, MaskKeepingValue(angle, "0.0000")) + "° at every step\n";
    s += "Curve:          " + std::to_string(c.Settings().Steps) + " steps over " +
         FormatMask(c.PathLength(), "0.0000") + " mm and " + FormatMask(ToDegrees(c.PathTurn()), "0.000") +
         "° from the unloaded wire end to the right bracket\n";
    s += "Stop:           ";
    if (c.Complete()) {
        s += "every step met its target\n";
    } else if (!steps.empty()) {
        const TCurveStep& last = steps.back();
        s += "at step " + std::to_string(last.index) + " of " + std::to_string(c.Settings().Steps) + ": " +
             StepEndText(last.end) + (last.detail.empty() ? "" : " (" + last.detail + ")") + "\n";
    } else {
        s += "no step was computed\n";
    }
    if (o.ShowCentre)
        s += "Centre of res.: " + FormatMask(o.Tooth.Distance, "0.000") + " mm from each bracket, roots " +
             RootSideName(o.Tooth.Roots) + "\n";
    // The loads first; the centres of resistance, when asked for, in a
    // table of their own below, with the step and its activation again.
    const std::size_t loadColumns = CurveColumns(false).size();
    std::vector<std::size_t> shown(loadColumns);
    for (std::size_t i = 0; i < loadColumns; ++i) shown[i] = i;
    s += "\n" + Table(steps, nullptr, shown);
    if (o.ShowCentre) {
        shown = {0, 1};
        for (std::size_t i = loadColumns; i < CurveColumns(true).size(); ++i) shown.push_back(i);
        s += "\n" + Table(steps, &o.Tooth, shown);
    }
    return s;
}

std::string FormatCurve(const TActivationCurve& c, const TCliOptions& o, const TStockSources& aSources) {
    const TToothSettings* tooth = o.ShowCentre ? &o.Tooth : nullptr;
    switch (o.Format) {
        case TOutputFormat::Json: return CurveJson(c.Steps(), tooth);
        case TOutputFormat::Csv: return CurveCsv(c.Steps(), tooth);
        case TOutputFormat::Text: break;
    }
    return FormatCurveText(c, o, aSources);
}

int CurveExitStatus(const TActivationCurve& c) { return c.Complete() ? 0 : 1; }

}  // namespace torvik::cli
