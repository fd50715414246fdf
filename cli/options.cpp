#include "cli/options.h"

#include <algorithm>
#include <string_view>

#include "support/numbers.h"
#include "solve/activation_curve.h"
#include "support/version.h"
#include "support/text_utils.h"

namespace torvik::cli {

namespace {

const std::vector<std::string_view> kValueOptions = {
    "target",       "material",     "cross-section",      "modulus",         "cross-a",        "cross-b",
    "segment-size", "tolerance-distance", "tolerance-angle", "max-iterations", "format",
    "curve",        "cr-distance",  "roots"};
const std::vector<std::string_view> kFlagOptions = {"manual-stop", "no-refine", "help", "version"};

bool Contains(const std::vector<std::string_view>& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

TCliOptions ParseOptions(const std::vector<std::string>& args) {
    TCliOptions o;
    TStockOptions stock;
    bool toleranceDistance = false, toleranceAngle = false;

    const auto kind = [](const std::string& aName) {
        return Contains(kFlagOptions, aName)    ? TOptionKind::Flag
               : Contains(kValueOptions, aName) ? TOptionKind::Valued
                                                : TOptionKind::Unknown;
    };
    for (const TArgument& arg : ReadArguments(args, kind)) {
        if (arg.Operand) {
            if (!o.DesignFile.empty())
                throw TUsageError("more than one design file given ('" + ShownFileName(o.DesignFile) + "', '" +
                                  ShownFileName(arg.Text) + "')");
            if (arg.Text.empty()) throw TUsageError("the design file name is empty");
            o.DesignFile = arg.Text;
            continue;
        }
        const std::string& name = arg.Text;
        if (!arg.Value) {
            if (name == "help") o.Help = true;
            else if (name == "version") o.Version = true;
            else if (name == "no-refine") o.Settings.RefineLoads = false;
            else o.Settings.AutoStop = false;
            continue;
        }
        const std::string& value = *arg.Value;
        if (name == "target") {
            o.Settings.WireSlides = value == "sliding";
            if (value == "point") o.Settings.TargetMode = TargetPoint;
            else if (value == "angle") o.Settings.TargetMode = TargetAngle;
            else if (value == "slot" || value == "sliding") o.Settings.TargetMode = TargetSlot;
            else throw TUsageError("--target must be point, angle, slot or sliding, not " + QuotedValue(value));
        } else if (name == "format") {
            if (value == "text") o.Format = TOutputFormat::Text;
            else if (value == "json") o.Format = TOutputFormat::Json;
            else if (value == "csv") o.Format = TOutputFormat::Csv;
            else throw TUsageError("--format must be text, json or csv, not " + QuotedValue(value));
        } else if (TStockOptions::Names(name)) {
            stock.Take(name, value);
        } else if (name == "segment-size") {
            o.SegmentSize = OptionPositive(name, value);
        } else if (name == "tolerance-distance") {
            o.Settings.ToleranceDistance = OptionNotNegative(name, value);
            toleranceDistance = true;
        } else if (name == "tolerance-angle") {
            o.Settings.ToleranceAngle = ToRadians(OptionNotNegative(name, value));
            toleranceAngle = true;
        } else if (name == "max-iterations") {
            o.MaxIterations = OptionWholeNumber(name, value, MaxIterationsLimit);
        } else if (name == "curve") {
            o.CurveSteps = OptionWholeNumber(name, value, MaxCurveSteps);
        } else if (name == "cr-distance") {
            o.Tooth.Distance = OptionPositive(name, value);
            o.ShowCentre = true;
        } else if (name == "roots") {
            if (value == "up") o.Tooth.Roots = TRootSide::Up;
            else if (value == "down") o.Tooth.Roots = TRootSide::Down;
            else throw TUsageError("--roots must be up or down, not " + QuotedValue(value));
            o.ShowCentre = true;
        }
    }
    if (o.Help || o.Version) return o;

    if (o.DesignFile.empty()) throw TUsageError("no design file given (try --help)");
    // A wire longer than the design area many times over, or segments too
    // short to be told apart, are typing mistakes rather than designs.
    if (o.SegmentSize > 100) throw TUsageError("--segment-size must be at most 100 mm");
    o.Stock = stock.Apply(o.Stock);
    o.MaterialGiven = stock.Material || stock.Modulus;
    o.CrossSectionGiven = stock.CrossSection || stock.CrossA;
    if (o.Tooth.Distance > MaxResistanceDistance)
        throw TUsageError("--cr-distance must be at most " + FormatMask(MaxResistanceDistance, "0") + " mm");
    if (o.CurveSteps > 0) {
        // Each step of a curve ends when its target is met.
        if (!o.Settings.AutoStop) throw TUsageError("--manual-stop cannot be used with --curve");
        // ... and is solved to full engagement, refined by its nature.
        if (!o.Settings.RefineLoads) throw TUsageError("--no-refine cannot be used with --curve");
        const TCurveSettings curve;
        if (!toleranceDistance) o.Settings.ToleranceDistance = curve.ToleranceDistance;
        if (!toleranceAngle) o.Settings.ToleranceAngle = curve.ToleranceAngle;
    }
    return o;
}

std::string UsageText() {
    return R"(Usage: torvik-activate DESIGN.tvk [options]

Opens a wire design, activates it from zero load until the wire end meets the
right bracket, and prints the forces and moments on both brackets.

A run that meets its target within the tolerances stops a little short of the
bracket, with loads some per cent low; its loads are then refined to full
engagement (the wire end within 0.000001 mm and 0.00001 degrees of the target)
by Newton's method, and the report gives where the run had stopped beside the
refined end distance and angle. --no-refine gives the stopped run's loads.

Options:
  --target point|angle|slot|sliding
                             what the wire end must meet (default slot);
                             sliding: in the slot but free to slide along it,
                             for straight wires with V-bends or step bends
  --material NAME            a built-in material ("Stainless Steel", "TMA",
                             "Nitinol", "Elgiloy", "Other")
  --cross-section NAME       a built-in cross-section ("0.016", "0.018",
                             "0.014", "0.016 x 0.016", "0.016 x 0.022",
                             "0.017 x 0.025", "0.010 x 0.021", "Other")
  --modulus E                Young's modulus in N/mm^2 (overrides the material)
  --cross-a A --cross-b B    cross-section in tenths of a mm, B = 0 or left out
                             for a round wire (overrides --cross-section)
  --segment-size MM          length of the wire's first segment (0.25)
  --tolerance-distance MM    automatic stop distance (0.1)
  --tolerance-angle DEG      automatic stop angle (1)
  --manual-stop              no automatic stop: run to --max-iterations
  --no-refine                the loads of the stopped run, not refined
  --max-iterations N         at most N iterations, 1 to 10000000 (10000)
  --format text|json|csv     output form (text)
  --curve N                  the activation curve instead: the wire end carried
                             to the right bracket in N steps (1 to 10000), each
                             solved from the last step's load to full
                             engagement (tolerances 0.000001 mm and 0.00001
                             degrees unless given); --max-iterations counts
                             solver iterations per step
  --cr-distance MM           also the loads at the teeth's centres of
                             resistance, MM from each bracket along its
                             normal (10)
  --roots up|down            the side the roots point to as drawn (up)
  --help                     this text
  --version                  the program's version

The wire's stock (material and cross-section) is the one saved with the
design. --material or --modulus replace its material, --cross-section or
--cross-a its cross-section, each for the whole wire, also for a design whose
segments differ; the part not given stays the design's. Where the design
names no stock and no option is given, the defaults "Stainless Steel" and
"0.016" apply. The report says where the stock came from: the design, the
command line or the default.

Numbers use "." as decimal separator. The JSON and CSV reports also name the
run's inputs (design file, material and modulus, cross-section with its sides
in mm, the stock's caption and where it came from, segment size, target,
automatic stop and tolerances) and the units of their numbers: forces (x, y,
f) in cN, moments (m) in cN·mm, moment-to-force ratios and lengths (names
ending in _mm) in mm, angles (_deg) in degrees, the modulus in N/mm².
Exit status: 0 target met (every step of a curve), 1 run stopped without
meeting it, 2 bad input. A run that met its target but whose loads could not
be refined (for instance because full engagement would overstrain the wire)
reports the stopped run's loads, says why on stderr and in the report
("refined": false, "refine_message"), and exits with 0.
)";
}

const char* TargetOptionName(const TActivationSettings& aSettings) {
    if (SlidingTarget(aSettings)) return "sliding";
    switch (aSettings.TargetMode) {
        case TargetPoint: return "point";
        case TargetAngle: return "angle";
        default: return "slot";
    }
}

std::string VersionText() { return "torvik-activate " + GetProgramVersion() + "\n"; }

}  // namespace torvik::cli
