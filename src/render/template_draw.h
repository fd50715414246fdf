#pragma once
// A bending template: the wire as bent, unloaded, drawn solid black at its
// true thickness, and the activated wire as a thin grey line over it, so
// that a wire can be bent on the sheet and its activation seen beside it.

#include "render/canvas.h"

namespace torvik {

class TWire;

// The grey and the width (logical units, 0.1 mm) of the activated wire.
constexpr TColor ActivatedLineColor = colors::Grey;
constexpr int ActivatedLineWidth = 10;

// Each segment of aBent as a black line of the segment's thickness in the
// plane of bending (at least one logical unit) with round ends, so that
// the segments join.
void DrawBentWire(TCanvas& aCanvas, const TWire& aBent);

// Each segment of aWire as a thin grey line.
void DrawActivatedLine(TCanvas& aCanvas, const TWire& aWire);

}  // namespace torvik
