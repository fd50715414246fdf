#include "solve/curve_table.h"

#include <cmath>

#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik {

namespace {

std::string Exact(const std::optional<double>& v, const char* none) {
    if (!v || !std::isfinite(*v)) return none;
    return DataNumber(*v);
}

void AddLoadColumns(std::vector<TCurveColumn>& c, const std::string& key, const std::string& title) {
    c.push_back({key + "_fx_cN", title + " Fx", "cN", 3});
    c.push_back({key + "_fy_cN", title + " Fy", "cN", 3});
    c.push_back({key + "_m_cNmm", title + " M", "cN·mm", 3});
    c.push_back({key + "_f_cN", title + " |F|", "cN", 3});
    c.push_back({key + "_m_over_f_mm", title + " M/F", "mm", 3});
    c.push_back({key + "_m_over_fx_mm", title + " M/Fx", "mm", 3});
}

void AddLoadCells(std::vector<TCurveCell>& r, const TBracketLoad& l) {
    r.push_back({l.x, {}, {}});
    r.push_back({l.y, {}, {}});
    r.push_back({l.m, {}, {}});
    r.push_back({l.Force(), {}, {}});
    r.push_back({l.MomentOverForce(), {}, {}});
    r.push_back({l.MomentOverForceX(), {}, {}});
}

void AddCentreCells(std::vector<TCurveCell>& r, const TResistanceLoad& c) {
    r.push_back({c.moment, {}, {}});
    r.push_back({c.ratio, {}, {}});
    r.push_back({std::nullopt, MovementName(c.movement), MovementName(c.movement)});
}

}  // namespace

const char* RootSideName(TRootSide aRoots) { return aRoots == TRootSide::Up ? "up" : "down"; }

TResistanceLoad RightCentre(const TCurveStep& s, const TToothSettings& aTooth) {
    // The moment about the bracket's point first: a sliding wire's load acts
    // beside it, where the wire end sits in the slot.
    const TPointReal& p = s.rightLoadPoint;
    const TPointReal& t = s.rightOrigin;
    const double m = s.right.m + (p.x - t.x) * s.right.y - (p.y - t.y) * s.right.x;
    return AtCentreOfResistance(t, s.rightDirection, s.right.x, s.right.y, m, aTooth);
}

TResistanceLoad LeftCentre(const TCurveStep& s, const TToothSettings& aTooth) {
    return AtCentreOfResistance(s.leftOrigin, s.leftDirection, s.left.x, s.left.y, s.left.m, aTooth);
}

std::vector<TCurveColumn> CurveColumns(bool aWithCentre) {
    std::vector<TCurveColumn> c;
    c.push_back({"step", "Step", "", 0});
    c.push_back({"activation_mm", "a", "mm", 4});
    c.push_back({"turn_deg", "Turn", "°", 3});
    AddLoadColumns(c, "right", "Right");
    AddLoadColumns(c, "left", "Left");
    c.push_back({"max_strain_deg", "Max strain", "°", 3});
    c.push_back({"rate_cN_per_mm", "d|F|/da", "cN/mm", 3});
    c.push_back({"iterations", "Iterations", "", 0});
    c.push_back({"stop", "Stop", "", -1});
    if (aWithCentre) {
        for (const auto& [key, title] : {std::pair{"right", "Right"}, std::pair{"left", "Left"}}) {
            c.push_back({std::string(key) + "_cr_m_cNmm", std::string(title) + " Mcr", "cN·mm", 3});
            c.push_back({std::string(key) + "_cr_ratio", std::string(title) + " r", "", 3});
            c.push_back({std::string(key) + "_movement", std::string(title) + " movement", "", -1});
        }
    }
    return c;
}

std::vector<TCurveCell> CurveRow(const TCurveStep& s, const TToothSettings* aTooth) {
    std::vector<TCurveCell> r;
    r.push_back({s.index, {}, {}});
    r.push_back({s.activation, {}, {}});
    r.push_back({ToDegrees(s.turn), {}, {}});
    AddLoadCells(r, s.right);
    AddLoadCells(r, s.left);
    r.push_back({ToDegrees(s.maxStrain), {}, {}});
    r.push_back({s.rate, {}, {}});
    r.push_back({s.iterations, {}, {}});
    std::string shown = StepEndText(s.end);
    if (!s.detail.empty()) shown += " (" + s.detail + ")";
    r.push_back({std::nullopt, StepEndName(s.end), shown});
    if (aTooth) {
        AddCentreCells(r, RightCentre(s, *aTooth));
        AddCentreCells(r, LeftCentre(s, *aTooth));
    }
    return r;
}

std::string CurveCsv(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth) {
    const std::vector<TCurveColumn> columns = CurveColumns(aTooth != nullptr);
    std::string s;
    for (std::size_t i = 0; i < columns.size(); ++i) s += (i ? "," : "") + columns[i].key;
    s += "\n";
    for (const TCurveStep& step : aSteps) {
        const std::vector<TCurveCell> row = CurveRow(step, aTooth);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ',';
            s += columns[i].decimals < 0 ? CsvField(row[i].text) : Exact(row[i].number, "");
        }
        s += "\n";
    }
    return s;
}

std::string CurveJson(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth) {
    const std::vector<TCurveColumn> columns = CurveColumns(aTooth != nullptr);
    std::string s = "[";
    for (std::size_t k = 0; k < aSteps.size(); ++k) {
        const std::vector<TCurveCell> row = CurveRow(aSteps[k], aTooth);
        s += k ? ",\n {" : "\n {";
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ", ";
            s += JsonString(columns[i].key) + ": ";
            s += columns[i].decimals < 0 ? JsonString(row[i].text) : Exact(row[i].number, "null");
        }
        s += "}";
    }
    return s + (aSteps.empty() ? "]\n" : "\n]\n");
}

std::string CurveCellText(const TCurveColumn& aColumn, const TCurveCell& aCell) {
    if (aColumn.decimals < 0) return aCell.display;
    if (!aCell.number || !std::isfinite(*aCell.number)) return "-";
    return FormatMask(*aCell.number, aColumn.decimals > 0 ? "0." + std::string(aColumn.decimals, '0') : "0");
}

}  // namespace torvik
