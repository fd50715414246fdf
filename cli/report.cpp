#include "cli/report.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "support/numbers.h"
#include "support/text_utils.h"

namespace torvik::cli {

namespace {

double Magnitude(const TLoadReport& l) { return std::hypot(l.x, l.y); }

// Numbers for JSON and CSV: enough digits to read back closely, and never a
// nan or inf, which neither form can hold.
std::string Exact(std::optional<double> v, const char* none) {
    if (!v || !std::isfinite(*v)) return none;
    return DataNumber(*v);
}

std::string Fixed(double v, int decimals) {
    if (!std::isfinite(v)) return "undefined";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    // A value that rounds to zero reads 0, not -0.
    std::string s = buf;
    if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
    return s;
}

std::string Fixed(std::optional<double> v, int decimals) { return v ? Fixed(*v, decimals) : "undefined"; }

// A number and its unit ("0.4064 mm", "1.0000°"); "undefined" stands alone:
// there is no quantity to give a unit to.
std::string Measure(std::optional<double> v, int decimals, const char* aUnit) {
    if (!v || !std::isfinite(*v)) return "undefined";
    return Fixed(*v, decimals) + aUnit;
}

struct TField {
    std::string name;
    bool isText = false;
    std::string text;               // a text field; empty is null
    std::optional<double> number;   // a number field; empty is null
    bool isFlag = false;            // a text field "true" or "false", a JSON boolean
};

TField Text(std::string name, std::string text) { return {std::move(name), true, std::move(text), std::nullopt}; }
TField Num(std::string name, std::optional<double> v) { return {std::move(name), false, {}, v}; }
TField Flag(std::string name, bool v) { return {std::move(name), true, v ? "true" : "false", std::nullopt, true}; }

// The units of the reports' numbers, by kind: forces (x, y, f), moments (m),
// lengths (moment-to-force ratios and names ending in _mm), angles (names
// ending in _deg) and the modulus.
const std::pair<const char*, const char*> Units[] = {
    {"force", "cN"}, {"moment", "cN·mm"}, {"length", "mm"}, {"angle", "degrees"}, {"modulus", "N/mm²"}};

// The material, or the cross-section, that every run has; none when the
// runs differ in it (or there are none).
template <typename T>
std::optional<T> Common(const std::vector<TStockRun>& aRuns, T TWireStock::*aPart) {
    if (aRuns.empty()) return std::nullopt;
    for (const TStockRun& run : aRuns)
        if (!(run.Stock.*aPart == aRuns.front().Stock.*aPart)) return std::nullopt;
    return aRuns.front().Stock.*aPart;
}

// "Stainless Steel 0.016", or the runs of a mixed wire: "segments 0–39:
// Stainless Steel 0.016; segments 40–310: TMA 0.017 x 0.025".
std::string StockField(const std::vector<TStockRun>& aRuns) {
    if (aRuns.size() == 1) return StockCaption(aRuns.front().Stock);
    std::string s;
    for (const TStockRun& run : aRuns)
        s += (s.empty() ? "segments " : "; segments ") + std::to_string(run.First) + "–" +
             std::to_string(run.First + run.Count - 1) + ": " + StockCaption(run.Stock);
    return s;
}

// The source of both parts of the stock, or "mixed" when they differ.
std::string StockSourceField(const TStockSources& aSources) {
    return aSources.Material == aSources.CrossSection ? StockSourceName(aSources.Material) : "mixed";
}

// What the run was given: the design, the wire stock with its sides in mm
// (the tables hold tenths of a mm) and where it came from, the first
// segment, the stopping rules. A part of the stock that differs along the
// wire is "mixed", its numbers null.
std::vector<TField> InputFields(const TActivationReport& r) {
    const std::optional<TWireMaterial> material = Common(r.stock, &TWireStock::Material);
    const std::optional<TWireSize> size = Common(r.stock, &TWireStock::Size);
    std::vector<TField> f;
    f.push_back(Text("design", r.designFile));
    f.push_back(Text("material", material ? material->Name : "mixed"));
    f.push_back(Num("modulus", material ? std::optional<double>(material->Modulus) : std::nullopt));
    f.push_back(Text("cross_section", size ? size->Name : "mixed"));
    f.push_back(Text("cross_section_shape", !size ? "mixed" : size->IsRound() ? "round" : "rectangular"));
    f.push_back(Num("cross_a_mm", size ? std::optional<double>(size->CrossA / 10) : std::nullopt));
    f.push_back(Num("cross_b_mm", size && !size->IsRound() ? std::optional<double>(size->CrossB / 10) : std::nullopt));
    f.push_back(Text("stock", StockField(r.stock)));
    f.push_back(Text("stock_source", StockSourceField(r.stockSources)));
    f.push_back(Text("material_source", StockSourceName(r.stockSources.Material)));
    f.push_back(Text("cross_section_source", StockSourceName(r.stockSources.CrossSection)));
    f.push_back(Num("segment_size_mm", r.segmentSize));
    f.push_back(Flag("auto_stop", r.settings.AutoStop));
    f.push_back(Flag("refine", r.settings.RefineLoads));
    f.push_back(Num("tolerance_distance_mm", r.settings.ToleranceDistance));
    f.push_back(Num("tolerance_angle_deg", ToDegrees(r.settings.ToleranceAngle)));
    f.push_back(Num("max_iterations", r.maxIterations));
    return f;
}

// Whether the loads are refined, how, and where the run had stopped.
std::vector<TField> RefineFields(const TActivationReport& r) {
    return {Flag("refined", r.refined), Num("refine_iterations", r.refineIterations),
            Text("refine_message", r.refineMessage), Num("stopped_distance_mm", r.stoppedDistance),
            Num("stopped_angle_deg", r.stoppedAngle)};
}

std::string JsonField(const TField& f) {
    std::string value;
    if (!f.isText) value = Exact(f.number, "null");
    else if (f.isFlag) value = f.text;
    else value = f.text.empty() ? "null" : JsonString(f.text);
    return "\"" + f.name + "\": " + value;
}

// Where a part of the stock came from, as the text report says it.
std::string SourcePhrase(TStockSource aSource) {
    switch (aSource) {
        case TStockSource::Design: return "from the design";
        case TStockSource::CommandLine: return "from the command line";
        case TStockSource::Default: break;
    }
    return "the default: the design names none";
}

std::string SourceText(const TStockSources& aSources) {
    if (aSources.Material == aSources.CrossSection) return SourcePhrase(aSources.Material);
    return "material " + SourcePhrase(aSources.Material) + ", cross-section " + SourcePhrase(aSources.CrossSection);
}

std::vector<TField> Fields(const TActivationReport& r) {
    std::vector<TField> f;
    f.push_back(Text("stop", RunEndName(r.end)));
    f.push_back(Text("message", r.message));
    f.push_back(Num("iterations", r.iterations));
    f.push_back(Num("segments", r.segments));
    for (const auto& [side, load] : {std::pair{"right", &r.right}, std::pair{"left", &r.left}}) {
        const std::string p = side;
        f.push_back(Num(p + "_x", load->x));
        f.push_back(Num(p + "_y", load->y));
        f.push_back(Num(p + "_m", load->m));
        f.push_back(Num(p + "_f", Magnitude(*load)));
        f.push_back(Num(p + "_m_over_f", MomentOverForce(*load)));
        f.push_back(Num(p + "_m_over_fx", MomentOverForceX(*load)));
    }
    f.push_back(Num("distance_mm", r.distance));
    f.push_back(Num("angle_deg", r.angle));
    f.push_back(Num("max_strain_deg", r.maxStrain));
    f.push_back(Text("target", r.target));
    f.push_back(Num("across_mm", r.across));
    f.push_back(Num("along_mm", r.along));
    for (TField& refine : RefineFields(r)) f.push_back(std::move(refine));
    for (const auto& [side, centre] : {std::pair{"right", &r.rightCentre}, std::pair{"left", &r.leftCentre}}) {
        if (!*centre) continue;
        const std::string p = side;
        f.push_back(Num(p + "_cr_m", (*centre)->moment));
        f.push_back(Num(p + "_cr_ratio", (*centre)->ratio));
        f.push_back(Text(p + "_movement", MovementName((*centre)->movement)));
    }
    for (TField& input : InputFields(r)) f.push_back(std::move(input));
    for (const auto& [kind, unit] : Units) f.push_back(Text(std::string("unit_") + kind, unit));
    return f;
}

std::string JsonLoad(const TLoadReport& l, const std::optional<TResistanceLoad>& c) {
    std::string s = "{\"x\": " + Exact(l.x, "null") + ", \"y\": " + Exact(l.y, "null") +
                    ", \"m\": " + Exact(l.m, "null") + ", \"f\": " + Exact(Magnitude(l), "null") +
                    ", \"m_over_f\": " + Exact(MomentOverForce(l), "null") +
                    ", \"m_over_fx\": " + Exact(MomentOverForceX(l), "null");
    if (c)
        s += ", \"cr_m\": " + Exact(c->moment, "null") + ", \"cr_ratio\": " + Exact(c->ratio, "null") +
             ", \"movement\": " + JsonString(MovementName(c->movement));
    return s + "}";
}

std::string TextCentre(const char* title, const TResistanceLoad& c) {
    return title + std::string("Mcr ") + Measure(c.moment, 3, " cN·mm") + ", r " + Fixed(c.ratio, 3) + ", " +
           MovementName(c.movement) + "\n";
}

std::string TextLoad(const char* title, const TLoadReport& l) {
    std::string s = title;
    s += "force x " + Measure(l.x, 3, " cN") + ", y " + Measure(l.y, 3, " cN") + ", |F| " +
         Measure(Magnitude(l), 3, " cN") + "\n";
    s += "                moment " + Measure(l.m, 3, " cN·mm") + ", M/F " + Measure(MomentOverForce(l), 3, " mm") +
         ", M/Fx " + Measure(MomentOverForceX(l), 3, " mm") + "\n";
    return s;
}

}  // namespace

// The wire's cross-section: its name, and its sides in mm beside it, so that
// a name such as "0.016" (inches) is not taken for a size in mm.
std::string CrossSectionInMm(const TWireSize& aSize) {
    if (aSize.IsRound()) return aSize.Name + " (" + Measure(aSize.CrossA / 10, 4, " mm") + " round)";
    return aSize.Name + " (" + Fixed(aSize.CrossA / 10, 4) + " x " + Measure(aSize.CrossB / 10, 4, " mm") + ")";
}

// "Stainless Steel (E 172000 N/mm²), 0.016 (0.4064 mm round)".
std::string StockDetails(const TWireStock& aStock) {
    return aStock.Material.Name + " (E " + Measure(aStock.Material.Modulus, 0, " N/mm²") + "), " +
           CrossSectionInMm(aStock.Size);
}

std::optional<double> MomentOverForce(const TLoadReport& aLoad) {
    return torvik::MomentOverForce(aLoad.x, aLoad.y, aLoad.m);
}
std::optional<double> MomentOverForceX(const TLoadReport& aLoad) { return torvik::MomentOverForceX(aLoad.x, aLoad.m); }

std::string DesignLines(int aSegments, const std::vector<TStockRun>& aStock, const TStockSources& aSources,
                        const TCliOptions& o) {
    std::string s;
    s += "Design:         " + ShownFileName(o.DesignFile) + " (" + std::to_string(aSegments) + " segments)\n";
    if (aStock.empty()) return s;
    if (aStock.size() == 1)
        return s + "Wire:           " + StockDetails(aStock.front().Stock) + ", " + SourceText(aSources) + "\n";
    s += "Wire:           mixed, " + SourceText(aSources) + "\n";
    for (const TStockRun& run : aStock)
        s += "                segments " + std::to_string(run.First) + "–" +
             std::to_string(run.First + run.Count - 1) + ": " + StockDetails(run.Stock) + "\n";
    return s;
}

std::string FormatText(const TActivationReport& r, const TCliOptions& o) {
    std::string s = DesignLines(r.segments, r.stock, r.stockSources, o);
    s += "Target:         " + std::string(TargetCaption(o.Settings));
    if (o.Settings.AutoStop)
        s += ", tolerances " + Measure(o.Settings.ToleranceDistance, 4, " mm") + ", " +
             Measure(ToDegrees(o.Settings.ToleranceAngle), 4, "°") + "\n";
    else
        s += ", no automatic stop\n";
    s += "Stop:           ";
    switch (r.end) {
        case TRunEnd::Tolerance: s += "target met within the tolerances\n"; break;
        case TRunEnd::Overstrain: s += "overstrain: " + r.message + "\n"; break;
        case TRunEnd::Error: s += "error: " + r.message + (r.detail.empty() ? "" : " (" + r.detail + ")") + "\n"; break;
        case TRunEnd::MaxIterations: s += "after the last of " + std::to_string(o.MaxIterations) + " iterations\n"; break;
    }
    s += "Iterations:     " + std::to_string(r.iterations) + "\n";
    if (r.refineTried) {
        if (r.refined)
            s += "Refined:        to full engagement in " + std::to_string(r.refineIterations) + " Newton iteration" +
                 (r.refineIterations == 1 ? "" : "s") + "\n";
        else
            s += "Refined:        no, the loads are those of the stopped run (" + r.refineMessage + ")\n";
    }
    // A refined result says where the run itself had stopped.
    const auto stopped = [&r](double aValue, const char* aUnit) {
        return r.refined ? " (run stopped at " + Measure(aValue, 4, aUnit) + ")" : std::string();
    };
    s += TextLoad("Right bracket:  ", r.right);
    s += TextLoad("Left bracket:   ", r.left);
    s += "End distance:   " + Measure(r.distance, 4, " mm") + stopped(r.stoppedDistance, " mm") + "\n";
    if (SlidingTarget(o.Settings))
        s += "In the slot:    " + Measure(r.across, 4, " mm") + " across, " + Measure(r.along, 4, " mm") +
             " along from the bracket's point\n";
    s += "End angle:      " + Measure(r.angle, 4, "°") + stopped(r.stoppedAngle, "°") + "\n";
    s += "Max strain:     " + Measure(r.maxStrain, 3, "°") + "\n";
    if (r.rightCentre && r.leftCentre) {
        s += "Centre of res.: " + Measure(o.Tooth.Distance, 3, " mm") + " from each bracket, roots " +
             (o.Tooth.Roots == TRootSide::Up ? "up" : "down") + "\n";
        s += TextCentre("Right tooth:    ", *r.rightCentre);
        s += TextCentre("Left tooth:     ", *r.leftCentre);
    }
    return s;
}

std::string FormatJson(const TActivationReport& r) {
    std::string s = "{\"stop\": " + JsonString(RunEndName(r.end));
    s += ", \"message\": " + (r.message.empty() ? std::string("null") : JsonString(r.message));
    s += ", \"iterations\": " + std::to_string(r.iterations);
    s += ", \"segments\": " + std::to_string(r.segments);
    s += ", \"right\": " + JsonLoad(r.right, r.rightCentre);
    s += ", \"left\": " + JsonLoad(r.left, r.leftCentre);
    s += ", \"distance_mm\": " + Exact(r.distance, "null");
    s += ", \"angle_deg\": " + Exact(r.angle, "null");
    s += ", \"max_strain_deg\": " + Exact(r.maxStrain, "null");
    s += ", \"target\": " + JsonString(r.target);
    s += ", \"across_mm\": " + Exact(r.across, "null");
    s += ", \"along_mm\": " + Exact(r.along, "null");
    for (const TField& refine : RefineFields(r)) s += ", " + JsonField(refine);
    for (const TField& input : InputFields(r)) s += ", " + JsonField(input);
    s += ", \"units\": {";
    for (const auto& [kind, unit] : Units)
        s += std::string(kind == Units[0].first ? "" : ", ") + JsonString(kind) + ": " + JsonString(unit);
    return s + "}}\n";
}

std::string FormatCsv(const TActivationReport& r) {
    std::string header, row;
    for (const TField& f : Fields(r)) {
        if (!header.empty()) {
            header += ',';
            row += ',';
        }
        header += f.name;
        row += f.isText ? CsvField(f.text) : Exact(f.number, "");
    }
    return header + "\n" + row + "\n";
}

std::string FormatReport(const TActivationReport& aReport, const TCliOptions& aOptions) {
    switch (aOptions.Format) {
        case TOutputFormat::Json: return FormatJson(aReport);
        case TOutputFormat::Csv: return FormatCsv(aReport);
        case TOutputFormat::Text: break;
    }
    return FormatText(aReport, aOptions);
}

int ExitStatus(const TActivationReport& aReport) { return aReport.end == TRunEnd::Tolerance ? 0 : 1; }

}  // namespace torvik::cli
