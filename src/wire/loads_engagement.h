#pragma once
// How far the loads shown bring the wire into the right bracket, judged
// from the design as it lies, in words short enough for a printout's title
// block: refined to full engagement, within a run's tolerances, or not at
// all: the stale loads of LoadsMeetBracket, which the window greys.

#include "wire/activation_run.h"
#include "wire/design.h"

namespace torvik {

enum class TEngagement {
    NoLoad,            // no force and no moment
    Full,              // the wire end on its target, as a refined run leaves it
    WithinTolerances,  // on its target within the run's tolerances only
    NotMet             // stale: the loads do not hold the wire in the bracket
};

// The wire end counts as on its target at full engagement within these:
// ten times the tolerances that refining solves to, so that a refined
// run still counts after the rounding of a design file.
constexpr double FullEngagementDistance = 1e-5;                    // mm
constexpr double FullEngagementAngle = 1e-4 * Pi / 180.0;          // radians

// The engagement of the design's loads for the target and tolerances of
// aSettings (AutoStop is not read). Changes nothing.
TEngagement LoadsEngagement(const TDesign& aDesign, const TActivationSettings& aSettings);

// "no load", "loads at full engagement", "loads within the tolerances, not
// refined", "loads that do not meet the right bracket".
const char* EngagementText(TEngagement aEngagement);

}  // namespace torvik
