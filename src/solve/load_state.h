#pragma once
// The design's loads and the wire's deformed shape, kept so that a solve
// that fails can give them back exactly as they were.

#include <vector>

#include "geometry/force_moment.h"
#include "wire/design.h"

namespace torvik {

class TLoadState {
public:
    // Keeps both loads and every segment's deformation, origin and
    // direction. Allocates once, for the segments.
    explicit TLoadState(const TDesign& aDesign);

    // Puts them back. The wire must have the segments it had when kept.
    void Restore(TDesign& aDesign) const;

private:
    struct TSeg {
        double x, y, direction, dAngle, deflection;
    };
    TForceMoment FRight, FLeft;
    std::vector<TSeg> FSegs;
};

}  // namespace torvik
