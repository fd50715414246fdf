#pragma once
// The activation curve as a table: its columns with their units, the cells
// of each step, and the two file forms that the command-line program prints
// and the curve window exports: CSV with a header row, and JSON as an array
// of one flat object per step whose keys are the CSV column names (units in
// the names). Numbers in both keep the point as decimal separator; an
// undefined value (a ratio without a divisor, the rate of a failed step) is
// an empty CSV field and a JSON null.

#include <optional>
#include <string>
#include <vector>

#include "solve/activation_curve.h"
#include "wire/centre_of_resistance.h"

namespace torvik {

struct TCurveColumn {
    std::string key;    // CSV and JSON name: "right_fx_cN"
    std::string title;  // for tables: "Right Fx"
    std::string unit;   // "cN", "cN·mm", "°", or empty
    int decimals = 3;   // for tables; -1 for a text column
};

struct TCurveCell {
    std::optional<double> number;  // a number column; empty when undefined
    std::string text;              // a text column, as files hold it
    std::string display;           // a text column, as tables show it
};

// The columns; with aTooth, those of the centre of resistance follow.
std::vector<TCurveColumn> CurveColumns(bool aWithCentre);
// The cells of a step in column order.
std::vector<TCurveCell> CurveRow(const TCurveStep& aStep, const TToothSettings* aTooth);

std::string CurveCsv(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth);
std::string CurveJson(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth);

// What a table shows for a cell: the number with the column's decimals
// (point as decimal separator, "-" when undefined), or the display text.
std::string CurveCellText(const TCurveColumn& aColumn, const TCurveCell& aCell);

// The load of a step's bracket carried over to its tooth's centre of
// resistance (right: the step's target).
TResistanceLoad RightCentre(const TCurveStep& aStep, const TToothSettings& aTooth);
TResistanceLoad LeftCentre(const TCurveStep& aStep, const TToothSettings& aTooth);

// "up" or "down".
const char* RootSideName(TRootSide aRoots);

}  // namespace torvik
