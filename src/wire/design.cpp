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
    const TPointReal& ro = *RightBracket.Origin();
    const TForceMoment& r = RightForce;
    LeftForce.x = -r.x;
    LeftForce.y = -r.y;
    LeftForce.m = -r.m - (lo.y - ro.y) * r.x + (lo.x - ro.x) * r.y;
    LeftForce.origin = LeftBracket.Origin();
}

}  // namespace torvik
