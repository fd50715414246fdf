#pragma once
// The activation curve as a table: its columns with their units, the cells
// of each step, and the two file forms that the command-line program prints
// and the curve window exports: CSV with a header row, and JSON as an array
// of one flat object per step whose keys are the CSV column names (units in
// the names). Numbers in both keep the point as decimal separator; an
// undefined value (a ratio without a divisor, the rate of a failed step) is
// an empty CSV field and a JSON null.

#include <string>
#include <vector>

#include "solve/activation_curve.h"
#include "solve/load_table.h"
#include "wire/centre_of_resistance.h"

namespace torvik {

// The columns; with aTooth, those of the centre of resistance follow.
std::vector<TCurveColumn> CurveColumns(bool aWithCentre);
// The cells of a step in column order.
std::vector<TCurveCell> CurveRow(const TCurveStep& aStep, const TToothSettings* aTooth);

std::string CurveCsv(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth);
std::string CurveJson(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth);

// The load of a step's bracket carried over to its tooth's centre of
// resistance (right: the step's target).
TResistanceLoad RightCentre(const TCurveStep& aStep, const TToothSettings& aTooth);
TResistanceLoad LeftCentre(const TCurveStep& aStep, const TToothSettings& aTooth);

// "up" or "down".
const char* RootSideName(TRootSide aRoots);

}  // namespace torvik
