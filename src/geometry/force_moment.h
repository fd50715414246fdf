#pragma once
// A planar force system: a force (cN) and a moment (cN.mm, positive from +x
// towards +y) acting at a shared point of application (mm).

#include <optional>

#include "geometry/point.h"

namespace torvik {

class TCanvas;
struct TViewSettings;

class TForceMoment {
public:
    TPointRef origin;  // shared, never owned exclusively
    double x = 0.0;
    double y = 0.0;
    double m = 0.0;

    TForceMoment() : origin(MakePoint(0, 0)) {}
    TForceMoment(TPointRef org, double ax, double ay, double am)
        : origin(std::move(org)), x(ax), y(ay), m(am) {}

    // The tip of the force vector placed at the origin.
    TPointReal Corner() const { return TPointReal(origin->x + x, origin->y + y); }
    // Resultant of the two systems, on a new point of application.
    TForceMoment Plus(const TForceMoment& aFM) const;
    // The system's moment about aPt.
    double MomentAtPoint(const TPointReal& aPt) const;
    // Moves the point of application to aPt, keeping the system equivalent.
    void Reorient(TPointRef aPt);
    double Magnitude() const;

    // Draws the force arrow and the moment arrow as aView directs. Defined
    // with the rest of the drawing code.
    void Draw(TCanvas& aCanvas, const TViewSettings& aView) const;
};

// The moment-to-force ratios (mm) of a load (aX, aY, aM) that the force
// read-out, the force editor and the command-line report show: M / |F| and
// M / |Fx|, from the unrounded values, so both carry the moment's sign. None
// when the divisor is zero or the quotient is not finite.
std::optional<double> MomentOverForce(double aX, double aY, double aM);
std::optional<double> MomentOverForceX(double aX, double aM);

}  // namespace torvik
