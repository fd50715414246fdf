#include "wire/loads_engagement.h"

#include <cmath>

namespace torvik {

namespace {

// Whether the wire end meets the target of aSettings within its
// tolerances, by the test of a run's automatic stop. Written so that a
// value that is not a number fails it.
bool Met(const TDesign& aDesign, const TActivationSettings& aSettings) {
    const double angle = EndAngle(aDesign);
    if (SlidingTarget(aSettings))
        return std::abs(EndOffsetAcross(aDesign)) <= aSettings.ToleranceDistance && angle <= aSettings.ToleranceAngle;
    const double distance = EndDistance(aDesign);
    switch (aSettings.TargetMode) {
        case TargetPoint: return distance <= aSettings.ToleranceDistance;
        case TargetAngle: return angle <= aSettings.ToleranceAngle;
        default: return distance <= aSettings.ToleranceDistance && angle <= aSettings.ToleranceAngle;
    }
}

}  // namespace

TEngagement LoadsEngagement(const TDesign& aDesign, const TActivationSettings& aSettings) {
    const TForceMoment& load = aDesign.RightForce;
    if (load.x == 0.0 && load.y == 0.0 && load.m == 0.0) return TEngagement::NoLoad;
    if (!Met(aDesign, aSettings)) return TEngagement::NotMet;
    TActivationSettings full = aSettings;
    full.ToleranceDistance = FullEngagementDistance;
    full.ToleranceAngle = FullEngagementAngle;
    return Met(aDesign, full) ? TEngagement::Full : TEngagement::WithinTolerances;
}

const char* EngagementText(TEngagement aEngagement) {
    switch (aEngagement) {
        case TEngagement::NoLoad: return "no load";
        case TEngagement::Full: return "loads at full engagement";
        case TEngagement::WithinTolerances: return "loads within the tolerances, not refined";
        case TEngagement::NotMet: break;
    }
    return "loads that do not meet the right bracket";
}

}  // namespace torvik
