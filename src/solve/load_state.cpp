#include "solve/load_state.h"

namespace torvik {

TLoadState::TLoadState(const TDesign& aDesign) : FRight(aDesign.RightForce), FLeft(aDesign.LeftForce) {
    const std::vector<TWireSeg>& segs = aDesign.CurrentWire->Segments();
    FSegs.reserve(segs.size());
    for (const TWireSeg& s : segs) FSegs.push_back({s.origin->x, s.origin->y, s.direction, s.dAngle, s.deflection});
}

void TLoadState::Restore(TDesign& aDesign) const {
    aDesign.RightForce = FRight;
    aDesign.LeftForce = FLeft;
    TWire& wire = *aDesign.CurrentWire;
    for (std::size_t i = 0; i < FSegs.size(); ++i) {
        TWireSeg& s = wire.Segment(static_cast<int>(i));
        const TSeg& k = FSegs[i];
        // The first segment starts at the left bracket's own point, which no
        // solve moves.
        if (i > 0) s.origin->SetXY(k.x, k.y);
        s.direction = k.direction;
        s.dAngle = k.dAngle;
        s.deflection = k.deflection;
    }
}

}  // namespace torvik
