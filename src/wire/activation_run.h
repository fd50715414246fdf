#pragma once
// The activation run, one iteration at a time: the caller (the main window,
// which redraws and yields between iterations, or the command-line program)
// calls Iterate until it reports a stop.

#include <array>
#include <string>

#include "geometry/force_moment.h"
#include "wire/design.h"

namespace torvik {

// Indices of the target names "Point", "Angle", "Slot".
enum TTargetMode : int { TargetPoint = 0, TargetAngle = 1, TargetSlot = 2 };

// The display names of the target modes, in TTargetMode order.
inline constexpr std::array<const char*, 3> TargetNames = {"Point", "Angle", "Slot"};

// The entry of TargetNames for a mode; a value outside them is solved as a
// slot and named so.
const char* TargetName(int aTargetMode);

// The name of the slot target while the wire slides along the slot.
inline constexpr const char* SlidingTargetName = "Slot (sliding)";

// Above this strain (10 degrees) a run stops as overstrained.
constexpr double MaxElasticStrain = 0.17453292519943295;

inline constexpr const char* OverstrainMessage = "Excessive activation detected!";
inline constexpr const char* ActivationErrorMessage = "Error in activation!";

struct TActivationSettings {
    int TargetMode = TargetSlot;
    bool AutoStop = true;
    double ToleranceDistance = 0.1;                   // mm
    double ToleranceAngle = Pi / 180.0;  // radians
    // With the slot target: the slot holds the wire end across itself and in
    // its direction but lets it slide along, so the load has no force along
    // the slot (a straight wire with bends). Otherwise the slot also fixes
    // the end's place along it (a loop pulled open and tied back).
    bool WireSlides = false;
    // When a run stops by itself at its tolerances, the window and the
    // command-line program refine its loads to full engagement (see
    // solve/newton.h); off, they show the stopped run's loads.
    bool RefineLoads = true;
};

// Whether a run with these settings uses the sliding target: the slot target
// with WireSlides set.
bool SlidingTarget(const TActivationSettings& aSettings);
// The name of the target the settings select: TargetName of the mode, or
// SlidingTargetName. The status panel and the reports show it.
const char* TargetCaption(const TActivationSettings& aSettings);

enum class TStopReason {
    None,        // the run goes on
    Tolerance,   // the target was met within the tolerances
    Overstrain,  // a segment bent elastically by more than 10 degrees
    Error        // an arithmetic error in the step
};

struct TIterationResult {
    TStopReason stop = TStopReason::None;
    // The message to show the user, empty when there is none.
    std::string message;
    // The error behind an Error stop, for a log or a command-line report.
    std::string detail;
};

// Distance (mm) of the wire end from the right bracket's point and the
// absolute angle (radians) between its end direction and the bracket's.
double EndDistance(const TDesign& aDesign);
double EndAngle(const TDesign& aDesign);
// The wire end's offset (mm) from the right bracket's point across its slot,
// positive towards the bracket direction's left-hand normal (-sin, cos), and
// along it, positive in the bracket's direction.
double EndOffsetAcross(const TDesign& aDesign);
double EndOffsetAlong(const TDesign& aDesign);
// The foot of the wire end on the line of the right bracket's slot: where a
// sliding wire takes its load.
TPointReal SlotFoot(const TDesign& aDesign);
// Whether the wire end, as it lies, meets the target the settings select
// within their tolerances: the test of a run's automatic stop (AutoStop
// itself is not read).
bool TargetMet(const TDesign& aDesign, const TActivationSettings& aSettings);

class TActivationRun {
public:
    // Starts a run with a previous step of zero: the first probes are 0.1 cN,
    // 0.1 cN and 10 cN.mm.
    TActivationRun() = default;

    // One iteration: a correction step for the target mode added to
    // RightForce, LeftForce balanced, then the automatic stop and the strain
    // limit tested. After an error RightForce is as it was before the step
    // and the wire is deformed under it again (or unloaded if even that
    // fails), so the picture matches the numbers.
    //
    // For the sliding target the load is first put where the wire end sits
    // in the slot, on a point of its own, with the force along the slot taken
    // off: the slot cannot hold it. For the other targets a load left at such
    // a point returns to the bracket's point. Both moves keep the moment
    // about the new point, so the wire keeps its shape when only the point
    // changes.
    TIterationResult Iterate(TDesign& aDesign, const TActivationSettings& aSettings);

    int Iterations() const { return FIterations; }
    const TForceMoment& Delta() const { return FDelta; }

private:
    TForceMoment FDelta{nullptr, 0, 0, 0};
    int FIterations = 0;
};

}  // namespace torvik
