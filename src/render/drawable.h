#pragma once
// The drawable range. A wire bent or overstrained far beyond reason can put
// a point billions of logical units away; drawing such a line must neither
// fail on the conversion to integers nor change what is visible. Lines and
// polygons given in real logical coordinates are clipped here to a square
// far larger than anything a display, picture or page can show, then
// rounded as everywhere else (half to even).

#include <vector>

#include "geometry/point.h"
#include "render/canvas.h"

namespace torvik {

// Half the side of the drawable square about the logical origin: 100 m, a
// thousand times the design area's width. At the smallest zoom even the
// largest display shows less than that.
constexpr double DrawableLimit = 1e7;

// Clips the segment from aFrom to aTo (logical units) to the drawable square
// in place, keeping its direction; false when no part of it lies inside, or
// a coordinate is not a number.
bool ClipToDrawable(TPointReal& aFrom, TPointReal& aTo);

// The point rounded to integers, each coordinate first brought into the
// drawable square (a coordinate that is not a number becomes 0).
TPoint DrawablePoint(const TPointReal& aPoint);

// A line from aFrom to aTo: its drawable part, as MoveTo and LineTo with the
// canvas's pen; nothing when no part is drawable.
void DrawLine(TCanvas& aCanvas, const TPointReal& aFrom, const TPointReal& aTo);

// The polygon cut to the drawable square, filled with the brush and outlined
// with the pen; nothing when no part of it is drawable.
void DrawPolygon(TCanvas& aCanvas, const std::vector<TPointReal>& aPoints);

}  // namespace torvik
