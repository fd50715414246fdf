#pragma once
// The force system of a bracket carried over to the centre of resistance of
// its tooth, and the tooth movement that the moment-to-force ratio points
// to. The tooth is a rigid body whose centre of resistance lies on the
// bracket's normal, Distance mm from the bracket's point, on the side the
// roots point to as displayed.
//
// Derivation (model frame: x to the right, y downwards as displayed, moments
// and the cross product a x b = a.x b.y - a.y b.x positive from +x towards
// +y, the sense the activation uses). Let P be the bracket's point, n the
// unit normal of the bracket's slot towards the roots, h the distance and
// C = P + h n the centre of resistance. A force F with a moment M acting at P
// is equivalent to F with the moment
//     Mc = M + (P - C) x F = M - h (n x F)
// acting at C. Split F into its part along the slot, Ft, and its part along
// the tooth's long axis (along n); the latter passes through C and adds
// nothing, so n x F = Ft (n x t) with t the slot's unit direction: n x F is
// the tipping force with the sign that the roots' side gives it. The tooth
// translates when Mc = 0, that is when M = h (n x F), so the ratio
//     r = M / (h (n x F))
// is 1 for translation, 0 for a force alone (the force tips the crown about
// a point near the centre), above 1 when the moment outweighs the force's
// own tipping moment (the roots move more than the crown), and below 0 when
// the moment turns the tooth the same way as the force (more tipping). For
// a slot along x with the roots up, n = (0, -1) and n x F = Fx, so
// r = (M / Fx) / h; with the roots down the sign of r turns over.
//
// The ratio is the same for a force system and its opposite, so it does not
// matter whether the load on the wire or the load on the tooth is given;
// Mc changes sign with the system like M does.

#include <optional>

#include "geometry/point.h"

namespace torvik {

enum class TRootSide { Up, Down };

// The farthest a centre of resistance is taken to lie from its bracket (mm);
// farther is a typing mistake rather than a tooth.
constexpr double MaxResistanceDistance = 100.0;

// The tooth options: where the centre of resistance lies.
struct TToothSettings {
    double Distance = 10.0;  // mm from the bracket's point along its normal
    TRootSide Roots = TRootSide::Up;
};

enum class TMovement {
    None,                // no load
    UncontrolledTipping, // 0 <= r < 0.5
    ControlledTipping,   // 0.5 <= r < 0.9
    Translation,         // 0.9 <= r <= 1.1, or a force through the centre alone
    RootMovement,        // r > 1.1
    IncreasedTipping,    // r < 0: the moment adds to the force's tipping
    Rotation             // a couple alone: rotation about the centre
};

// One band of the ratio r and the movement it names. The bands follow the
// accepted teaching of tooth movement (Smith and Burstone, Am J Orthod 1984,
// and the orthodontic textbooks after it): with the centre of resistance
// 10 mm from the bracket, a moment-to-force ratio of 0 to about 5 mm tips the
// tooth uncontrolled, about 7 mm tips it controlled with the centre of
// rotation near the apex, 10 mm translates it and more than about 11 mm moves
// the root. r = (M/Fx)/h scales this to any h.
struct TMovementBand {
    TMovement movement;
    double from;        // the lowest r of the band (-infinity for the first)
    bool fromIncluded;  // r == from belongs to the band
    double to;          // the highest r of the band (+infinity for the last)
    bool toIncluded;    // r == to belongs to the band
};

// The bands in rising order; together they cover every finite r once. The
// window, the curve table and the command line all name movements through
// this table and nowhere else.
extern const TMovementBand MovementBands[5];

// "uncontrolled tipping", "controlled tipping", "translation", "root
// movement", "tipping increased by the moment", "rotation about the centre
// of resistance", "no load".
const char* MovementName(TMovement aMovement);
// The movement of the band that holds a finite ratio r.
TMovement MovementForRatio(double aRatio);

// The unit normal of a slot in direction aDirection (radians) that points to
// the roots: up as displayed is -y. A slot standing upright (within 1e-5
// rad) has no up or down; its normal is then taken towards -x for roots up
// and +x for down.
TPointReal RootNormal(double aDirection, TRootSide aRoots);

// The centre of resistance of the tooth of a bracket at aOrigin, direction
// aDirection.
TPointReal CentreOfResistance(const TPointReal& aOrigin, double aDirection, const TToothSettings& aTooth);

struct TResistanceLoad {
    TPointReal centre;            // mm
    double moment = 0;            // cN.mm about the centre, same sense as the bracket's moment
    // r; empty without a tipping force (|n x F| at most a millionth of |F|)
    // or with h = 0.
    std::optional<double> ratio;
    TMovement movement = TMovement::None;
};

// The load (Fx, Fy in cN, M in cN.mm) of a bracket at aOrigin, direction
// aDirection, carried over to its tooth's centre of resistance.
TResistanceLoad AtCentreOfResistance(const TPointReal& aOrigin, double aDirection, double aFx, double aFy,
                                     double aM, const TToothSettings& aTooth);

}  // namespace torvik
