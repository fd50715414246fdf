#include "wire/loads_check.h"

#include <cmath>
#include <exception>

namespace torvik {

namespace {

// The wire drawn counts as the wire under its loads while its end lies within
// this share of the way those loads move the end from where the unloaded
// wire's would be. Deforming a wire under the load it already carries moves
// its end by a few thousandths of that way at most (a segment's own
// deflection enters its lever arm), while a freeze or an undo leaves the
// whole way between them.
constexpr double ShapeShare = 0.1;
// Below this the two are the same (mm, radians).
constexpr double Rounding = 1e-9;

}  // namespace

bool LoadsMeetBracket(const TDesign& aDesign, const TActivationSettings& aSettings) {
    const TWire& wire = *aDesign.CurrentWire;
    const TForceMoment& load = aDesign.RightForce;
    TWire::TEnd loaded{}, unloaded{};
    try {
        loaded = wire.EndUnderLoad(*load.origin, load.x, load.y, load.m);
        unloaded = wire.EndUnderLoad(*load.origin, 0, 0, 0);
    } catch (const std::exception&) {
        return false;
    }
    // Comparisons written so that a value that is not a number fails them.
    const double way = Distance(loaded.corner, unloaded.corner);
    const double turn = std::abs(AngleDiff(loaded.direction, unloaded.direction));
    if (!(Distance(loaded.corner, wire.Corner()) <= ShapeShare * way + Rounding)) return false;
    if (!(std::abs(AngleDiff(loaded.direction, wire.EndDirection())) <= ShapeShare * turn + Rounding)) return false;
    return TargetMet(aDesign, aSettings);
}

}  // namespace torvik
