#pragma once
// The teeth's centres of resistance on the design: for each bracket a small
// cross (an x, its arms at 45 degrees to the tooth's long axis) at its
// tooth's centre of resistance, joined to the bracket's point by a dotted
// line.

#include "render/canvas.h"
#include "wire/centre_of_resistance.h"

namespace torvik {

class TBracket;

// The cross's arms reach this far from the centre (logical units: 0.5 mm).
constexpr int ResistanceCrossArm = 50;
// Its colour, apart from the blue forces and red moments.
constexpr TColor ResistanceColor{0, 128, 0};

// Draws the centres of both brackets' teeth; the canvas's pen, brush and
// background mode are as they were afterwards. A centre too far out to be
// drawn is left out.
void DrawResistanceCentres(TCanvas& aCanvas, const TBracket& aLeft, const TBracket& aRight,
                           const TToothSettings& aTooth);

}  // namespace torvik
