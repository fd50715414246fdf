#include "solve/load_table.h"

#include <cmath>

#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik {

namespace {

std::string Exact(const std::optional<double>& v, const char* none) {
    if (!v || !std::isfinite(*v)) return none;
    return DataNumber(*v);
}

}  // namespace

void AddLoadColumns(std::vector<TCurveColumn>& c, const std::string& key, const std::string& title) {
    c.push_back({key + "_fx_cN", title + " Fx", "cN", 3});
    c.push_back({key + "_fy_cN", title + " Fy", "cN", 3});
    c.push_back({key + "_m_cNmm", title + " M", "cN·mm", 3});
    c.push_back({key + "_f_cN", title + " |F|", "cN", 3});
    c.push_back({key + "_m_over_f_mm", title + " M/F", "mm", 3});
    c.push_back({key + "_m_over_fx_mm", title + " M/Fx", "mm", 3});
}

void AddLoadCells(std::vector<TCurveCell>& r, const TBracketLoad& l, bool aValid) {
    if (!aValid) {
        for (int i = 0; i < 6; ++i) r.push_back({std::nullopt, {}, {}});
        return;
    }
    r.push_back({l.x, {}, {}});
    r.push_back({l.y, {}, {}});
    r.push_back({l.m, {}, {}});
    r.push_back({l.Force(), {}, {}});
    r.push_back({l.MomentOverForce(), {}, {}});
    r.push_back({l.MomentOverForceX(), {}, {}});
}

std::string TableCsv(const std::vector<TCurveColumn>& aColumns, std::size_t aRows, const TTableRow& aRow) {
    std::string s;
    for (std::size_t i = 0; i < aColumns.size(); ++i) s += (i ? "," : "") + aColumns[i].key;
    s += "\n";
    for (std::size_t k = 0; k < aRows; ++k) {
        const std::vector<TCurveCell> row = aRow(k);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ',';
            s += aColumns[i].decimals < 0 ? CsvField(row[i].text) : Exact(row[i].number, "");
        }
        s += "\n";
    }
    return s;
}

std::string TableJson(const std::vector<TCurveColumn>& aColumns, std::size_t aRows, const TTableRow& aRow) {
    std::string s = "[";
    for (std::size_t k = 0; k < aRows; ++k) {
        const std::vector<TCurveCell> row = aRow(k);
        s += k ? ",\n {" : "\n {";
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ", ";
            s += JsonString(aColumns[i].key) + ": ";
            s += aColumns[i].decimals < 0 ? JsonString(row[i].text) : Exact(row[i].number, "null");
        }
        s += "}";
    }
    return s + (aRows == 0 ? "]" : "\n]");
}

std::string CurveCellText(const TCurveColumn& aColumn, const TCurveCell& aCell) {
    if (aColumn.decimals < 0) return aCell.display;
    if (!aCell.number || !std::isfinite(*aCell.number)) return "-";
    return FormatMask(*aCell.number, aColumn.decimals > 0 ? "0." + std::string(aColumn.decimals, '0') : "0");
}

}  // namespace torvik
