#pragma once
// One straight segment of the wire: where it starts, how long it is, which
// way it points, its permanent bend at the far end, and its elastic rotation
// and deflection under the current load, computed as a cantilever clamped at
// its start.

#include "geometry/point.h"
#include "wire/materials.h"

namespace torvik {

class TCanvas;
struct TViewSettings;

class TWireSeg {
public:
    TPointRef origin;         // start point, mm; the first segment shares the left bracket's
    double length = 0.0;      // mm
    double angle = 0.0;       // permanent bend at the far end, radians
    double direction = 0.0;   // absolute direction of the chord, radians
    double dAngle = 0.0;      // elastic rotation of the far end, radians
    double deflection = 0.0;  // elastic displacement of the far end along the normal, mm
    TWireMaterial material;
    TWireSize size;

    TWireSeg(TPointRef org, double aLen, double aAng, double aDir, const TWireStock& aStock);

    // The far end, including the deflection.
    TPointReal Corner() const;
    // NormalizeAngle(direction + angle + dAngle).
    double EndDirection() const;
    // Second moment of area, mm^4.
    double MomentInertia() const;
    // Bending stiffness EI in cN.mm^2.
    double Stiffness() const { return MomentInertia() * (material.Modulus * 100.0); }
    // Sets dAngle and deflection for the load (Fx, Fy, Mom) acting at Target.
    // Throws TArithmeticError when the result is not finite (a zero modulus,
    // an overflowing load).
    void Deform(const TPointReal& Target, double Fx, double Fy, double Mom) { (void)DeformToCorner(Target, Fx, Fy, Mom); }
    // As Deform, returning the new far end.
    TPointReal DeformToCorner(const TPointReal& Target, double Fx, double Fy, double Mom);
    // What Deform would make of the segment if it started at aOrigin in
    // aDirection (its own deflection so far counted in the lever arm, as
    // Deform counts it), without changing it: the elastic rotation, the
    // deflection and the far end. Throws as Deform does.
    struct TResponse {
        double dAngle;
        double deflection;
        TPointReal corner;
    };
    TResponse Response(const TPointReal& aOrigin, double aDirection, const TPointReal& Target, double Fx, double Fy,
                       double Mom) const;
    // True when (ax, ay) lies within 10 units in x and y of the origin or of
    // the far end, both taken in millimetres.
    bool Contains(int ax, int ay) const;
    void Bend(double aAng) { angle += aAng; }

    // Draws the segment thin or as a band of true thickness, coloured by
    // strain against aStrainRange (radians). Defined with the drawing code.
    void Draw(TCanvas& aCanvas, const TViewSettings& aView, double aStrainRange) const;
};

}  // namespace torvik
