#include "wire/design_copy.h"

namespace torvik {

namespace {

void CopyBracket(const TBracket& aFrom, TBracket& aTo) {
    aTo.Name = aFrom.Name;
    aTo.Origin()->SetXY(aFrom.Origin()->x, aFrom.Origin()->y);
    aTo.SetDirection(aFrom.Direction());
}

}  // namespace

std::unique_ptr<TDesign> CopyDesign(const TDesign& aDesign) {
    const TWire& from = *aDesign.CurrentWire;
    auto d = std::make_unique<TDesign>(from.Segment(0).length, from.Stock);
    CopyBracket(aDesign.LeftBracket, d->LeftBracket);
    CopyBracket(aDesign.RightBracket, d->RightBracket);

    TWire& to = *d->CurrentWire;
    for (int i = 1; i < from.Count(); ++i) to.AddSeg(from.Segment(i).length, from.Segment(i).angle);
    for (int i = 0; i < from.Count(); ++i) {
        const TWireSeg& s = from.Segment(i);
        TWireSeg& t = to.Segment(i);
        t.angle = s.angle;
        t.dAngle = s.dAngle;
        t.deflection = s.deflection;
        t.material = s.material;
        t.size = s.size;
    }
    // The wire starts at the copied left bracket's point, in the original
    // wire's own start direction; the rebuild lays every segment out again
    // from its predecessor, deformation included.
    d->AttachToBrackets();
    to.SetDirection(from.Direction());
    to.dirty = from.dirty;

    // A sliding wire's load acts where its end sits in the slot, on a point
    // of its own: the copy gets its own point there too.
    if (!aDesign.LoadAtBracket())
        d->RightForce.origin = MakePoint(aDesign.RightForce.origin->x, aDesign.RightForce.origin->y);
    d->RightForce.x = aDesign.RightForce.x;
    d->RightForce.y = aDesign.RightForce.y;
    d->RightForce.m = aDesign.RightForce.m;
    d->LeftForce.x = aDesign.LeftForce.x;
    d->LeftForce.y = aDesign.LeftForce.y;
    d->LeftForce.m = aDesign.LeftForce.m;
    d->Template = aDesign.Template;
    return d;
}

}  // namespace torvik
