#pragma once
// torvik-design --sweep: the sweep of one parameter of the template the
// options describe, each step activated to full engagement in the slot,
// printed as a text table, CSV or JSON.

#include <memory>
#include <string>

#include "cli/design_options.h"
#include "solve/sweep.h"

namespace torvik::cli {

// The sweep the options ask for, not yet run. Throws TUsageError for a
// sweep that cannot be made (steps, a range outside the parameter's) and
// for a template whose other values cannot make the loop.
std::unique_ptr<TSweep> MakeSweep(const TDesignOptions& aOptions);

// The text report: the template, the activation, how many steps failed,
// and a table row per step. CSV: the table (the units in the column
// names). JSON: the inputs, the rows and the units.
std::string FormatSweep(const TSweep& aSweep, TOutputFormat aFormat);

// 0 when every step was activated, 1 otherwise.
int SweepExitStatus(const TSweep& aSweep);

}  // namespace torvik::cli
