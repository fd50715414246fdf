#include "solve/sweep_table.h"

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

}  // namespace

std::string ParameterKey(const TTemplateParameter& aParameter) {
    std::string key = aParameter.Name;
    for (char& c : key)
        if (c == '-') c = '_';
    return key + (aParameter.Unit == TParameterUnit::Millimetre ? "_mm" : "_deg");
}

std::vector<TCurveColumn> SweepColumns(const TTemplateParameter& aParameter) {
    std::vector<TCurveColumn> c;
    c.push_back({"step", "Step", "", 0});
    c.push_back({ParameterKey(aParameter), aParameter.Caption, UnitSymbol(aParameter.Unit), 3});
    AddLoadColumns(c, "right", "Right");
    AddLoadColumns(c, "left", "Left");
    c.push_back({"max_strain_deg", "Max strain", "°", 3});
    c.push_back({"iterations", "Iterations", "", 0});
    c.push_back({"stop", "Stop", "", -1});
    c.push_back({"message", "Why", "", -1});
    return c;
}

std::vector<TCurveCell> SweepRow(const TSweepStep& s) {
    const bool valid = s.loads.Activated();
    std::vector<TCurveCell> r;
    r.push_back({s.index, {}, {}});
    r.push_back({s.value, {}, {}});
    AddLoadCells(r, s.loads.right, valid);
    AddLoadCells(r, s.loads.left, valid);
    r.push_back({valid ? std::optional<double>(ToDegrees(s.loads.maxStrain)) : std::nullopt, {}, {}});
    r.push_back({s.loads.made ? std::optional<double>(s.loads.solve.iterations) : std::nullopt, {}, {}});
    r.push_back({std::nullopt, s.loads.EndName(), s.loads.EndName()});
    const std::string why = s.loads.Activated() ? std::string() : s.loads.Text();
    r.push_back({std::nullopt, why, why});
    return r;
}

std::string SweepCsv(const TSweep& aSweep) {
    const std::vector<TCurveColumn> columns = SweepColumns(aSweep.Parameter());
    std::string s;
    for (std::size_t i = 0; i < columns.size(); ++i) s += (i ? "," : "") + columns[i].key;
    s += "\n";
    for (const TSweepStep& step : aSweep.Steps()) {
        const std::vector<TCurveCell> row = SweepRow(step);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ',';
            s += columns[i].decimals < 0 ? CsvField(row[i].text) : Exact(row[i].number, "");
        }
        s += "\n";
    }
    return s;
}

std::string SweepRowsJson(const TSweep& aSweep) {
    const std::vector<TCurveColumn> columns = SweepColumns(aSweep.Parameter());
    const std::vector<TSweepStep>& steps = aSweep.Steps();
    std::string s = "[";
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::vector<TCurveCell> row = SweepRow(steps[k]);
        s += k ? ",\n {" : "\n {";
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i) s += ", ";
            s += JsonString(columns[i].key) + ": ";
            s += columns[i].decimals < 0 ? JsonString(row[i].text) : Exact(row[i].number, "null");
        }
        s += "}";
    }
    return s + (steps.empty() ? "]" : "\n]");
}

}  // namespace torvik
