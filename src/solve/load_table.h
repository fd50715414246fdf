#pragma once
// What the tables of batch activations (the activation curve, the parameter
// sweep) share: a column with its unit and a cell of a row, the six load
// columns of a bracket, and writing rows as CSV with a header row or as a
// JSON array of one flat object per row whose keys are the CSV column names.
// Numbers keep the point as decimal separator; an undefined value is an
// empty CSV field and a JSON null.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solve/activation_curve.h"

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

// Fx, Fy, M, |F|, M/F and M/Fx of a bracket: keys begin with aKey
// ("right"), titles with aTitle ("Right").
void AddLoadColumns(std::vector<TCurveColumn>& aColumns, const std::string& aKey, const std::string& aTitle);
// The cells of those columns; undefined all six when not aValid.
void AddLoadCells(std::vector<TCurveCell>& aRow, const TBracketLoad& aLoad, bool aValid = true);

// The cells of row k of a table, in column order.
using TTableRow = std::function<std::vector<TCurveCell>(std::size_t k)>;
// aRows rows as CSV, the column keys first, each line ended.
std::string TableCsv(const std::vector<TCurveColumn>& aColumns, std::size_t aRows, const TTableRow& aRow);
// aRows rows as a JSON array, not ended by a newline.
std::string TableJson(const std::vector<TCurveColumn>& aColumns, std::size_t aRows, const TTableRow& aRow);

// What a table shows for a cell: the number with the column's decimals
// (point as decimal separator, "-" when undefined), or the display text.
std::string CurveCellText(const TCurveColumn& aColumn, const TCurveCell& aCell);

}  // namespace torvik
