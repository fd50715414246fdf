#include "wire/loads_engagement.h"

#include "wire/loads_check.h"

namespace torvik {

TEngagement LoadsEngagement(const TDesign& aDesign, const TActivationSettings& aSettings) {
    const TForceMoment& load = aDesign.RightForce;
    if (load.x == 0.0 && load.y == 0.0 && load.m == 0.0) return TEngagement::NoLoad;
    // Loads the wire no longer lies under (a wire edited, undone or frozen),
    // or that leave its end off the target, are the stale loads the window
    // greys.
    if (!LoadsMeetBracket(aDesign, aSettings)) return TEngagement::NotMet;
    TActivationSettings full = aSettings;
    full.ToleranceDistance = FullEngagementDistance;
    full.ToleranceAngle = FullEngagementAngle;
    return TargetMet(aDesign, full) ? TEngagement::Full : TEngagement::WithinTolerances;
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
