#include "wire/passive_wire.h"

#include "wire/design_copy.h"

namespace torvik {

std::unique_ptr<TDesign> UnloadedCopy(const TDesign& aDesign) {
    std::unique_ptr<TDesign> copy = CopyDesign(aDesign);
    TDesign& d = *copy;
    // No load, at the bracket's own point.
    d.RightForce = TForceMoment(d.RightBracket.Origin(), 0, 0, 0);
    d.CurrentWire->Unload();
    d.CalcLeftForce();
    return copy;
}

double ActivationDistance(const TDesign& aDesign) {
    const std::unique_ptr<TDesign> bent = UnloadedCopy(aDesign);
    return Distance(bent->CurrentWire->Corner(), *bent->RightBracket.Origin());
}

}  // namespace torvik
