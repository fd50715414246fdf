#include "tools/snapping.h"

#include "geometry/point.h"

namespace torvik {

double SnapStepOf(int aDensity) {
    if (aDensity < 0 || aDensity >= static_cast<int>(SnapSteps.size())) return 1.0;
    return SnapSteps[static_cast<std::size_t>(aDensity)];
}

int SnapToStep(int aLogical, double aStep) {
    return RoundToInt32(RoundHalfEven(aLogical / 100.0 / aStep) * 100.0 * aStep);
}

double SnapToDegree(double aAngle) { return ToRadians(RoundHalfEven(ToDegrees(aAngle))); }

}  // namespace torvik
