#pragma once
// The text reports' tables: a title row, a unit row (when a column has a
// unit) and a row of cells per line, each column as wide as its widest entry, numbers to the right and
// texts to the left.

#include <string>
#include <vector>

#include "solve/curve_table.h"

namespace torvik::cli {

// aCells holds a row of texts per line, one per column of aColumns.
std::string TextTable(const std::vector<TCurveColumn>& aColumns, const std::vector<std::vector<std::string>>& aCells);

}  // namespace torvik::cli
