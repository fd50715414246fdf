#pragma once
// The activation curve from the command line: computed on the opened design
// with the options' target, tolerances and iteration limit, and printed as
// a text table, CSV or JSON.

#include <string>

#include "cli/activation_job.h"
#include "cli/options.h"
#include "solve/activation_curve.h"

namespace torvik::cli {

// The curve settings the options ask for.
TCurveSettings CurveSettings(const TCliOptions& aOptions);

// The text report: the design, the target and tolerances, the path, how the
// curve ended, and one table row per step.
// aSources is where the wire's stock came from (OpenDesign).
std::string FormatCurveText(const TActivationCurve& aCurve, const TCliOptions& aOptions,
                            const TStockSources& aSources);
std::string FormatCurve(const TActivationCurve& aCurve, const TCliOptions& aOptions, const TStockSources& aSources);

// 0 when every step met its target, 1 otherwise.
int CurveExitStatus(const TActivationCurve& aCurve);

}  // namespace torvik::cli
