#include "solve/sweep_table.h"

#include "support/numbers.h"

namespace torvik {

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
    const std::vector<TSweepStep>& steps = aSweep.Steps();
    return TableCsv(SweepColumns(aSweep.Parameter()), steps.size(), [&](std::size_t k) { return SweepRow(steps[k]); });
}

std::string SweepRowsJson(const TSweep& aSweep) {
    const std::vector<TSweepStep>& steps = aSweep.Steps();
    return TableJson(SweepColumns(aSweep.Parameter()), steps.size(), [&](std::size_t k) { return SweepRow(steps[k]); });
}

}  // namespace torvik
