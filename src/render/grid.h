#pragma once
// The alignment grid over the 100 mm design area: solid grey lines every
// 10 mm and dotted ones at the chosen spacing between them.

#include "render/canvas.h"

namespace torvik {

// Grid spacing in logical units for a grid density 0..3 (10, 5, 2, 1 mm).
// Any other density is taken as 2 (2 mm).
int GridSpacing(int aGridDensity);

void DrawGrid(TCanvas& aCanvas, int aGridDensity);

}  // namespace torvik
