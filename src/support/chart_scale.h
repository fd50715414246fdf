#pragma once

#include <vector>

namespace torvik {

// The extent of one series to be drawn against its own value axis.
struct TDataExtent {
    double lo = 0;
    double hi = 0;
};

// One value axis: its range and the distance between its ticks.
struct TAxisScale {
    double min = 0;
    double max = 0;
    double step = 1;
};

// Value axes for series drawn side by side on one chart.
struct TAlignedScales {
    int intervals = 5;  // between the ticks, the same on every axis
    std::vector<TAxisScale> axes;  // one for each extent, in their order
};

// Value axes for series drawn side by side on one chart, each against its
// own axis, with the same number of equal intervals on every axis and zero
// on the same tick of all of them, so that the grid lines are shared and a
// series' crossing of zero is where the others' is. Each axis holds its
// extent and zero, and its step is a round number (1, 2, 2.5 or 5 times a
// power of ten). Of the interval counts from aMinIntervals to aMaxIntervals
// and the ticks zero could sit on, those are taken whose most wasteful axis
// leaves the least of its height unused. An empty or zero extent gets the range 0 to the
// interval count.
TAlignedScales AlignedScales(const std::vector<TDataExtent>& aExtents, int aMinIntervals = 4, int aMaxIntervals = 6);

// The smallest round number (1, 2, 2.5 or 5 times a power of ten) not less
// than aValue > 0.
double RoundStepUp(double aValue);

}  // namespace torvik
