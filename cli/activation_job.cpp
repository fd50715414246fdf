#include "cli/activation_job.h"

#include <exception>
#include <filesystem>

#include "solve/newton.h"
#include "support/ini_file.h"
#include "support/text_utils.h"
#include "wire/activation_run.h"
#include "wire/design_file.h"

namespace torvik::cli {

const char* RunEndName(TRunEnd aEnd) {
    switch (aEnd) {
        case TRunEnd::Tolerance: return "tolerance";
        case TRunEnd::Overstrain: return "overstrain";
        case TRunEnd::Error: return "error";
        case TRunEnd::MaxIterations: break;
    }
    return "max-iterations";
}

const char* StockSourceName(TStockSource aSource) {
    switch (aSource) {
        case TStockSource::Design: return "design";
        case TStockSource::CommandLine: return "command line";
        case TStockSource::Default: break;
    }
    return "default";
}

std::unique_ptr<TDesign> OpenDesign(const TCliOptions& aOptions, std::vector<std::string>* aWarnings,
                                    TStockSources* aSources) {
    const std::string& file = aOptions.DesignFile;
    const std::string shown = "'" + ShownFileName(file) + "'";
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) throw TUsageError(shown + ": no such design file");
    // The design reader takes a file it cannot read for an empty design, as
    // the program's Open does; here that would only hide a mistake.
    TIniFile ini;
    if (!ini.Load(file)) throw TUsageError(shown + " cannot be read as a design file");
    if (!ini.SectionExists("Wire")) throw TUsageError(shown + " holds no wire (no [Wire] section)");

    TDesignReadNotes notes;
    std::unique_ptr<TDesign> d;
    try {
        d = LoadDesign(file, aOptions.SegmentSize, aOptions.Stock, &notes);
    } catch (const std::exception& e) {
        throw TUsageError(e.what());  // names the file and the key
    }
    if (aWarnings && !notes.MissingSegments.empty()) aWarnings->push_back(MissingSegmentsMessage(file, notes));
    // The design's stock, where it names one, gives way to the options;
    // each option's part goes to the whole wire.
    TWire& wire = *d->CurrentWire;
    if (aOptions.MaterialGiven) ApplyMaterial(wire, aOptions.Stock.Material);
    if (aOptions.CrossSectionGiven) ApplyCrossSection(wire, aOptions.Stock.Size);
    if (aSources) {
        const auto source = [](bool aGiven, bool aStored) {
            return aGiven ? TStockSource::CommandLine : aStored ? TStockSource::Design : TStockSource::Default;
        };
        aSources->Material = source(aOptions.MaterialGiven, notes.MaterialStored);
        aSources->CrossSection = source(aOptions.CrossSectionGiven, notes.CrossSectionStored);
    }
    return d;
}

TActivationReport Activate(TDesign& aDesign, const TCliOptions& aOptions, const TStockSources& aSources) {
    TActivationReport report;
    aDesign.RightForce.x = aDesign.RightForce.y = aDesign.RightForce.m = 0;
    aDesign.CalcLeftForce();
    aDesign.CurrentWire->Unload();

    TActivationRun run;
    for (int i = 0; i < aOptions.MaxIterations; ++i) {
        const TIterationResult r = run.Iterate(aDesign, aOptions.Settings);
        if (r.stop == TStopReason::None) continue;
        report.end = r.stop == TStopReason::Tolerance    ? TRunEnd::Tolerance
                     : r.stop == TStopReason::Overstrain ? TRunEnd::Overstrain
                                                         : TRunEnd::Error;
        report.message = r.message;
        report.detail = r.detail;
        break;
    }
    report.iterations = run.Iterations();
    report.stoppedDistance = EndDistance(aDesign);
    report.stoppedAngle = ToDegrees(EndAngle(aDesign));
    if (report.end == TRunEnd::Tolerance && aOptions.Settings.RefineLoads) {
        // A refinement that fails leaves the stopped run's loads and shape.
        const TSolveResult refine = RefineLoads(aDesign, aOptions.Settings);
        report.refineTried = true;
        report.refined = refine.end == TSolveEnd::Converged;
        report.refineIterations = refine.iterations;
        report.refineMessage = refine.message;
    }
    report.segments = aDesign.CurrentWire->Count();
    report.right = {aDesign.RightForce.x, aDesign.RightForce.y, aDesign.RightForce.m};
    report.left = {aDesign.LeftForce.x, aDesign.LeftForce.y, aDesign.LeftForce.m};
    report.distance = EndDistance(aDesign);
    report.angle = ToDegrees(EndAngle(aDesign));
    report.maxStrain = ToDegrees(aDesign.CurrentWire->MaxStrain());
    report.target = TargetOptionName(aOptions.Settings);
    report.across = EndOffsetAcross(aDesign);
    report.along = EndOffsetAlong(aDesign);
    report.designFile = aOptions.DesignFile;
    report.stock = StockRuns(*aDesign.CurrentWire);
    report.stockSources = aSources;
    report.segmentSize = aOptions.SegmentSize;
    report.settings = aOptions.Settings;
    report.maxIterations = aOptions.MaxIterations;
    if (aOptions.ShowCentre) {
        const auto centre = [&aOptions](const TBracket& b, const TForceMoment& f) {
            return AtCentreOfResistance(*b.Origin(), b.Direction(), f.x, f.y, f.m, aOptions.Tooth);
        };
        // A sliding wire's load acts beside the bracket: its moment is taken
        // about the bracket's point first.
        report.rightCentre = centre(aDesign.RightBracket, LoadMovedTo(aDesign.RightForce, aDesign.RightBracket.Origin()));
        report.leftCentre = centre(aDesign.LeftBracket, aDesign.LeftForce);
    }
    return report;
}

}  // namespace torvik::cli
