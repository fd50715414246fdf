#pragma once
// The figures the wire information box shows about the design: the wire's
// length, how far its end lies from the right bracket and how it is turned
// against it, its largest and smallest strain, and its segment count.

#include "wire/design.h"

namespace torvik {

struct TWireInfo {
    double TotalLength = 0;          // mm
    double DistanceToBracket = 0;    // mm, wire end to the right bracket's point
    double AngulationToBracket = 0;  // degrees in [-180, 180]: bracket direction - end direction
    double MaxStrain = 0;            // degrees
    double MinStrain = 0;            // degrees
    int SegmentCount = 0;
    // The material and cross-section: "Stainless Steel 0.016", or "mixed"
    // and a line per run (StockRunsText).
    std::string Stock;
};

TWireInfo WireInfo(const TDesign& aDesign);

}  // namespace torvik
