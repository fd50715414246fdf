#include "wire/design.h"

namespace torvik {

TDesign::TDesign(double aSegmentSize, const TWireStock& aStock)
    : CurrentWire(std::make_unique<TWire>(aSegmentSize, aStock)) {
    LeftBracket.Name = "Left Bracket";
    RightBracket.Name = "Right Bracket";
    LeftBracket.SetDirection(Pi);
    LeftBracket.SetOrigin(MakePoint(10, 10));
    RightBracket.SetOrigin(MakePoint(20, 10));
    AttachToBrackets();
}

void TDesign::AttachToBrackets() {
    CurrentWire->SetDirection(LeftBracket.Direction() - Pi);
    CurrentWire->SetOrigin(LeftBracket.Origin());
    RightForce.origin = RightBracket.Origin();
    LeftForce.origin = LeftBracket.Origin();
}

void TDesign::CalcLeftForce() {
    const TPointReal& lo = *LeftBracket.Origin();
    // Where the load acts: the right bracket's point, or where a sliding
    // wire's end sits in the slot.
    const TPointReal& ro = *RightForce.origin;
    const TForceMoment& r = RightForce;
    LeftForce.x = -r.x;
    LeftForce.y = -r.y;
    LeftForce.m = -r.m - (lo.y - ro.y) * r.x + (lo.x - ro.x) * r.y;
    LeftForce.origin = LeftBracket.Origin();
}

TForceMoment LoadMovedTo(const TForceMoment& aLoad, TPointRef aPoint) {
    // The old moment plus the moment of the force, acting at the old point,
    // about the new one.
    const TPointReal& from = *aLoad.origin;
    const TPointReal& to = *aPoint;
    const double m = aLoad.m + (from.x - to.x) * aLoad.y - (from.y - to.y) * aLoad.x;
    return TForceMoment(std::move(aPoint), aLoad.x, aLoad.y, m);
}

void TDesign::DeformUnderLoad() {
    const TForceMoment& f = RightForce;
    CurrentWire->Deform(*f.origin, f.x, f.y, f.m);
}

}  // namespace torvik
