#pragma once
// One activation from the command line: open the design as the program does,
// run it from zero load to a stop, and collect what the report shows.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/options.h"
#include "wire/centre_of_resistance.h"
#include "wire/design.h"
#include "wire/wire_stock.h"

namespace torvik::cli {

// How a command-line run ended. MaxIterations also covers runs without an
// automatic stop that were neither overstrained nor failed.
enum class TRunEnd { Tolerance, Overstrain, Error, MaxIterations };

const char* RunEndName(TRunEnd aEnd);  // "tolerance", "overstrain", ...

// Where a part of the wire's stock came from.
enum class TStockSource { Design, CommandLine, Default };

const char* StockSourceName(TStockSource aSource);  // "design", "command line", "default"

struct TStockSources {
    TStockSource Material = TStockSource::Default;
    TStockSource CrossSection = TStockSource::Default;
};

struct TLoadReport {
    double x = 0, y = 0, m = 0;  // cN, cN, cN.mm
};

struct TActivationReport {
    TRunEnd end = TRunEnd::MaxIterations;
    std::string message;  // "Excessive activation detected!", ... or empty
    std::string detail;   // what went wrong behind an error, or empty
    int iterations = 0;
    int segments = 0;
    TLoadReport right, left;
    double distance = 0;   // mm
    double angle = 0;      // degrees
    double maxStrain = 0;  // degrees
    // The refinement of a run that met its target: whether it was tried,
    // whether the loads above are refined, its Newton iterations, and why it
    // failed (then the loads are the stopped run's). The wire end's
    // distance (mm) and angle (degrees) where the run stopped.
    bool refineTried = false;
    bool refined = false;
    int refineIterations = 0;
    std::string refineMessage;
    double stoppedDistance = 0;
    double stoppedAngle = 0;
    std::string target;    // the --target value: "point", "angle", "slot", "sliding"
    // The wire end's offset from the right bracket's point across its slot
    // and along it, mm (see EndOffsetAcross and EndOffsetAlong).
    double across = 0, along = 0;
    // With ShowCentre: the loads carried over to the teeth's centres of
    // resistance.
    std::optional<TResistanceLoad> rightCentre, leftCentre;

    // What the run was given, so that a report names its inputs.
    std::string designFile;
    std::vector<TStockRun> stock;  // the wire's, from its first segment
    TStockSources stockSources;
    double segmentSize = 0;  // mm, the wire's first segment
    TActivationSettings settings;
    int maxIterations = 0;
};

// Reads aFileName into a new design built with the options' segment size,
// its wire of the design's stock with the parts the options give replaced
// (TCliOptions::Stock); where each part came from goes to aSources. Unlike
// the program's Open, a missing or unreadable file, or one without a wire,
// is an error: throws TUsageError. What the read let pass but changes the
// result (missing segment keys) goes to aWarnings.
std::unique_ptr<TDesign> OpenDesign(const TCliOptions& aOptions, std::vector<std::string>* aWarnings = nullptr,
                                    TStockSources* aSources = nullptr);

// Activates the design from zero load under the options' settings for at
// most MaxIterations iterations; a run that meets its target then has its
// loads refined to full engagement unless the settings say otherwise.
// aSources is where OpenDesign found the wire's stock, for the report.
TActivationReport Activate(TDesign& aDesign, const TCliOptions& aOptions, const TStockSources& aSources = {});

}  // namespace torvik::cli
