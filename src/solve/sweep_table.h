#pragma once
// A parameter sweep as a table: its columns with their units, the cells of
// each step, and the forms that the command-line program prints and the
// sweep window exports: CSV with a header row, and JSON as an array of one
// flat object per step whose keys are the CSV column names (units in the
// names). The swept parameter's column is named after it and its unit
// ("height_mm", "gable_left_deg"). Numbers keep the point as decimal
// separator; the loads of a step that was not activated are empty CSV
// fields and JSON nulls.

#include <string>
#include <vector>

#include "solve/curve_table.h"
#include "solve/sweep.h"

namespace torvik {

// "height_mm", "gable_left_deg": a parameter's name with its unit, as a key.
std::string ParameterKey(const TTemplateParameter& aParameter);

std::vector<TCurveColumn> SweepColumns(const TTemplateParameter& aParameter);
// The cells of a step in column order.
std::vector<TCurveCell> SweepRow(const TSweepStep& aStep);

std::string SweepCsv(const TSweep& aSweep);
std::string SweepRowsJson(const TSweep& aSweep);

}  // namespace torvik
