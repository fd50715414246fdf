#include "solve/curve_table.h"

#include "support/numbers.h"

namespace torvik {

namespace {

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
    return TableCsv(CurveColumns(aTooth != nullptr), aSteps.size(),
                    [&](std::size_t k) { return CurveRow(aSteps[k], aTooth); });
}

std::string CurveJson(const std::vector<TCurveStep>& aSteps, const TToothSettings* aTooth) {
    return TableJson(CurveColumns(aTooth != nullptr), aSteps.size(),
                     [&](std::size_t k) { return CurveRow(aSteps[k], aTooth); }) +
           "\n";
}

}  // namespace torvik
