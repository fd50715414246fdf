#pragma once
// The command line of torvik-activate: the design file and the options that
// choose the wire stock, the target and the stopping rules of the run.

#include <string>
#include <string_view>
#include <vector>

#include "cli/option_values.h"
#include "wire/activation_run.h"
#include "wire/centre_of_resistance.h"
#include "wire/materials.h"

namespace torvik::cli {

enum class TOutputFormat { Text, Json, Csv };

constexpr int MaxIterationsLimit = 10'000'000;

struct TCliOptions {
    bool Help = false;
    bool Version = false;
    std::string DesignFile;
    TActivationSettings Settings;  // target mode, automatic stop, tolerances
    // The stock the command line gives: --material or --modulus give its
    // material, --cross-section or --cross-a and --cross-b its cross-section,
    // each for the whole wire. A part not given is the default, which the
    // design's own stock replaces where the design names one.
    TWireStock Stock = DefaultStock();
    bool MaterialGiven = false;
    bool CrossSectionGiven = false;
    double SegmentSize = 0.25;  // mm
    int MaxIterations = 10'000;
    TOutputFormat Format = TOutputFormat::Text;
    // With --curve N: the activation curve in N steps; the tolerances are
    // then 1e-6 mm and 1e-5 degrees unless given, and --max-iterations
    // counts per step.
    int CurveSteps = 0;
    // With --cr-distance or --roots: the loads at the teeth's centres of
    // resistance too.
    bool ShowCentre = false;
    TToothSettings Tooth;
};

// Reads the arguments after the program name. Throws TUsageError for bad
// input; with --help or --version anywhere the other arguments are not checked further
// than their syntax, and no design file is needed.
TCliOptions ParseOptions(const std::vector<std::string>& args);

// The help text printed by --help.
std::string UsageText();
// "torvik-activate <version>" and a line end, printed by --version.
std::string VersionText();

// The --target value that selects these settings' target: "point", "angle",
// "slot" or "sliding".
const char* TargetOptionName(const TActivationSettings& aSettings);

}  // namespace torvik::cli
