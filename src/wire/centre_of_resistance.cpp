#include "wire/centre_of_resistance.h"

#include <cmath>
#include <limits>

namespace torvik {

namespace {
constexpr double Infinity = std::numeric_limits<double>::infinity();
}  // namespace

const char* MovementName(TMovement aMovement) {
    switch (aMovement) {
        case TMovement::UncontrolledTipping: return "uncontrolled tipping";
        case TMovement::ControlledTipping: return "controlled tipping";
        case TMovement::Translation: return "translation";
        case TMovement::RootMovement: return "root movement";
        case TMovement::IncreasedTipping: return "tipping increased by the moment";
        case TMovement::Rotation: return "rotation about the centre of resistance";
        case TMovement::None: break;
    }
    return "no load";
}

const TMovementBand MovementBands[5] = {
    {TMovement::IncreasedTipping, -Infinity, false, 0.0, false},
    {TMovement::UncontrolledTipping, 0.0, true, 0.5, false},
    {TMovement::ControlledTipping, 0.5, true, 0.9, false},
    {TMovement::Translation, 0.9, true, 1.1, true},
    {TMovement::RootMovement, 1.1, false, Infinity, false},
};

TMovement MovementForRatio(double r) {
    for (const TMovementBand& b : MovementBands) {
        const bool above = r > b.from || (b.fromIncluded && r == b.from);
        const bool below = r < b.to || (b.toIncluded && r == b.to);
        if (above && below) return b.movement;
    }
    // Only a ratio that is not a number falls outside every band.
    return TMovement::None;
}

namespace {

constexpr double UprightSlot = 1e-5;  // radians
// Below this share of the force, the force across the tooth's axis is taken
// as none.
constexpr double NoTipping = 1e-6;

}  // namespace

TPointReal RootNormal(double aDirection, TRootSide aRoots) {
    // The slot's direction turned back by a quarter turn: (sin, -cos), which
    // points up for a slot along +x.
    double nx = std::sin(aDirection), ny = -std::cos(aDirection);
    const bool up = aRoots == TRootSide::Up;
    // Within UprightSlot of upright (design files keep angles to six
    // decimals) the slot counts as upright.
    if (std::abs(ny) < UprightSlot) {
        nx = up ? -1.0 : 1.0;
        ny = 0.0;
    } else if ((ny < 0) != up) {
        nx = -nx;
        ny = -ny;
    }
    return TPointReal(nx, ny);
}

TPointReal CentreOfResistance(const TPointReal& aOrigin, double aDirection, const TToothSettings& aTooth) {
    const TPointReal n = RootNormal(aDirection, aTooth.Roots);
    return TPointReal(aOrigin.x + aTooth.Distance * n.x, aOrigin.y + aTooth.Distance * n.y);
}

TResistanceLoad AtCentreOfResistance(const TPointReal& aOrigin, double aDirection, double aFx, double aFy,
                                     double aM, const TToothSettings& aTooth) {
    TResistanceLoad result;
    const TPointReal n = RootNormal(aDirection, aTooth.Roots);
    const double h = aTooth.Distance;
    result.centre = TPointReal(aOrigin.x + h * n.x, aOrigin.y + h * n.y);
    // n x F: the force's share across the tooth's long axis, signed by the
    // roots' side.
    double tipping = n.x * aFy - n.y * aFx;
    // A force along the long axis keeps a residue across it, from rounding
    // and from the solver's tolerances; a millionth of the force tips no
    // tooth, and must not make the ratio huge.
    if (std::abs(tipping) <= NoTipping * std::hypot(aFx, aFy)) tipping = 0;
    result.moment = aM - h * tipping;
    if (aFx == 0 && aFy == 0 && aM == 0) {
        result.movement = TMovement::None;
        return result;
    }
    const double denominator = h * tipping;
    if (denominator != 0 && std::isfinite(aM / denominator)) {
        result.ratio = aM / denominator;
        result.movement = MovementForRatio(*result.ratio);
    } else {
        // No force across the long axis (or no distance): a force alone
        // passes through the centre and moves the tooth bodily; a couple
        // turns it about the centre.
        result.movement = result.moment == 0 ? TMovement::Translation : TMovement::Rotation;
    }
    return result;
}

}  // namespace torvik
