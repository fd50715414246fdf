#include "wire/applied_load.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "render/drawable.h"

namespace torvik {

namespace {

// What a deformation changes in a segment.
struct TSegmentPose {
    TPointReal origin;
    double direction;
    double dAngle;
    double deflection;
};

std::vector<TSegmentPose> PoseOf(const TWire& aWire) {
    std::vector<TSegmentPose> pose;
    pose.reserve(aWire.Segments().size());
    for (const TWireSeg& s : aWire.Segments()) pose.push_back({*s.origin, s.direction, s.dAngle, s.deflection});
    return pose;
}

void RestorePose(TWire& aWire, const std::vector<TSegmentPose>& aPose) {
    for (int i = 0; i < aWire.Count(); ++i) {
        TWireSeg& s = aWire.Segment(i);
        const TSegmentPose& p = aPose[static_cast<std::size_t>(i)];
        // The first segment's origin is the left bracket's point, which a
        // deformation does not move.
        if (i > 0) *s.origin = p.origin;
        s.direction = p.direction;
        s.dAngle = p.dAngle;
        s.deflection = p.deflection;
    }
}

// Whether every node of the wire lies within the drawable range: a load that
// bends the wire farther is no load anyone can mean.
bool WithinDrawing(const TWire& aWire) {
    constexpr double limit = DrawableLimit / 100;  // mm
    for (const TWireSeg& s : aWire.Segments()) {
        const TPointReal c = s.Corner();
        if (!(std::abs(c.x) <= limit && std::abs(c.y) <= limit)) return false;
    }
    return true;
}

}  // namespace

void ApplyLoad(TDesign& aDesign, double aX, double aY, double aM, const std::function<void()>& aAccept) {
    TForceMoment& right = aDesign.RightForce;
    TForceMoment& left = aDesign.LeftForce;
    const TForceMoment oldRight = right;
    const TForceMoment oldLeft = left;
    const std::vector<TSegmentPose> oldPose = PoseOf(*aDesign.CurrentWire);
    right.x = aX;
    right.y = aY;
    right.m = aM;
    aDesign.CalcLeftForce();
    try {
        if (aX == 0 && aY == 0 && aM == 0)
            aDesign.CurrentWire->Unload();  // at rest, stiffness or not
        else
            aDesign.DeformUnderLoad();  // where the load acts: the bracket, or the slot after sliding
        if (!WithinDrawing(*aDesign.CurrentWire)) throw std::range_error("it bends the wire far beyond any drawing");
        if (aAccept) aAccept();
    } catch (...) {
        right.x = oldRight.x;
        right.y = oldRight.y;
        right.m = oldRight.m;
        left.x = oldLeft.x;
        left.y = oldLeft.y;
        left.m = oldLeft.m;
        RestorePose(*aDesign.CurrentWire, oldPose);
        throw;
    }
}

void ZeroLoad(TDesign& aDesign) { ApplyLoad(aDesign, 0, 0, 0); }

}  // namespace torvik
