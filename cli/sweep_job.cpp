#include "cli/sweep_job.h"

#include <stdexcept>

#include "cli/template_report.h"
#include "cli/text_table.h"
#include "solve/sweep_table.h"
#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik::cli {

std::unique_ptr<TSweep> MakeSweep(const TDesignOptions& o) {
    TLoopTemplate t(*FindLoopForm(o.Form));
    for (const auto& [name, value] : o.Values) t.SetValue(name, value);
    t.Stock = o.Stock;
    t.SegmentSize = o.SegmentSize;
    TSweepSettings s;
    s.Parameter = o.Sweep->Parameter;
    s.From = o.Sweep->From;
    s.To = o.Sweep->To;
    s.Steps = o.Sweep->Steps;
    std::unique_ptr<TSweep> sweep;
    try {
        sweep = std::make_unique<TSweep>(t, s);
    } catch (const std::invalid_argument& e) {
        throw TUsageError(std::string("--sweep: ") + e.what());
    } catch (const TTemplateError& e) {
        throw TUsageError(e.what());
    }
    // A value the sweep does not change that makes no loop at either end
    // (out of its range, say) is a mistake, not a step that fails.
    TLoopTemplate first = t, last = t;
    first.SetValue(s.Parameter, s.From);
    last.SetValue(s.Parameter, s.To);
    if (const std::string problem = first.Problem(); !problem.empty() && problem == last.Problem())
        throw TUsageError(problem);
    return sweep;
}

std::string FormatSweep(const TSweep& aSweep, TOutputFormat aFormat) {
    const TSweepSettings& s = aSweep.Settings();
    const TTemplateParameter& p = aSweep.Parameter();
    if (aFormat == TOutputFormat::Csv) return SweepCsv(aSweep);
    if (aFormat == TOutputFormat::Json) {
        std::string j = "{\"parameter\": " + JsonString(p.Name) + ", \"unit\": " + JsonString(UnitKey(p)) +
                        ", \"from\": " + DataNumber(s.From) + ", \"to\": " + DataNumber(s.To) +
                        ", \"steps\": " + std::to_string(s.Steps) + ", \"failed\": " +
                        std::to_string(aSweep.Failures()) + ", " + TemplateJsonFields(aSweep.Template()) + ", " +
                        ActivationJsonFields(s.Tolerances) + ",\n\"rows\": " + SweepRowsJson(aSweep) + ",\n" +
                        UnitsJsonField() + "}\n";
        return j;
    }
    std::string text = TemplateTextLines(aSweep.Template());
    text += "Sweep:          " + p.Name + " from " + ValueText(s.From, p) + " to " + ValueText(s.To, p) + " in " +
            std::to_string(s.Steps) + " steps\n";
    text += ActivationTextLine(s.Tolerances);
    const int failed = aSweep.Failures();
    text += "Stop:           " +
            (failed == 0 ? std::string("every step was activated")
                         : std::to_string(failed) + " of " + std::to_string(s.Steps) + " steps were not activated") +
            "\n\n";
    const std::vector<TCurveColumn> columns = SweepColumns(p);
    std::vector<std::vector<std::string>> cells;
    for (const TSweepStep& step : aSweep.Steps()) {
        const std::vector<TCurveCell> row = SweepRow(step);
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < columns.size(); ++i) texts.push_back(CurveCellText(columns[i], row[i]));
        cells.push_back(std::move(texts));
    }
    return text + TextTable(columns, cells);
}

int SweepExitStatus(const TSweep& aSweep) { return aSweep.Failures() == 0 ? 0 : 1; }

}  // namespace torvik::cli
