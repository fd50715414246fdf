#pragma once
// Snapping of bracket moves and turns: positions to the nearest multiple of
// the snap step, angulations to whole degrees.

#include <array>

namespace torvik {

// The snap steps in mm, chosen by the snap grid density 0..5.
constexpr std::array<double, 6> SnapSteps = {0.1, 0.2, 0.25, 0.5, 1.0, 2.0};

// The snap step of a density index; the 1 mm step for an index outside the
// table.
double SnapStepOf(int aDensity);
// A logical coordinate moved to the nearest multiple of aStep mm:
// Round(Round(v / 100 / aStep) x 100 x aStep), halves to even.
int SnapToStep(int aLogical, double aStep);
// An angle (radians) rounded to whole degrees.
double SnapToDegree(double aAngle);

}  // namespace torvik
