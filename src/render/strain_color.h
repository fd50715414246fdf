#pragma once
// The colour a wire segment shows for its strain: blue, cyan, green, yellow,
// red as the strain grows from 0 to the strain range.

#include "render/canvas.h"

namespace torvik {

// The strain range used when the chosen one is 0: 2 degrees in radians.
constexpr double DefaultStrainRange = 0.0349065850398866;

// strain and aRange in radians; at and above the range the colour is red.
// Black when the percentage is beyond any integer (or not a number).
TColor StrainColor(double strain, double aRange);

}  // namespace torvik
