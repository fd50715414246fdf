#include "wire/wire_seg.h"

#include <cmath>
#include <cstdlib>

#include "support/errors.h"

namespace torvik {

TWireSeg::TWireSeg(TPointRef org, double aLen, double aAng, double aDir, const TWireStock& aStock)
    : origin(org ? std::move(org) : MakePoint(0, 0)),
      length(aLen),
      angle(aAng),
      direction(aDir),
      material(aStock.Material),
      size(aStock.Size) {}

TPointReal TWireSeg::Corner() const {
    const double c = std::cos(direction);
    const double s = std::sin(direction);
    return TPointReal(origin->x + length * c - deflection * s, origin->y + length * s + deflection * c);
}

double TWireSeg::EndDirection() const { return NormalizeAngle(direction + angle + dAngle); }

double TWireSeg::MomentInertia() const {
    const double a = size.CrossA;
    const double b = size.CrossB;
    if (b == 0.0) {
        const double r = a / 2.0 / 10.0;
        return Pi * r * r * r * r / 4.0;
    }
    return a * a * a * b / 10000.0 / 12.0;
}

TWireSeg::TResponse TWireSeg::Response(const TPointReal& aOrigin, double aDirection, const TPointReal& Target,
                                       double Fx, double Fy, double Mom) const {
    const double ei = Stiffness();
    const double c = std::cos(aDirection);
    const double s = std::sin(aDirection);
    // The far end with the previous deflection: the segment's own previous
    // deformation is part of the lever arm.
    const double cx = aOrigin.x + length * c - deflection * s;
    const double cy = aOrigin.y + length * s + deflection * c;
    const double M = (Target.y - cy) * Fx + (cx - Target.x) * Fy - Mom;
    const double P = Fx * s - Fy * c;
    const double l = CheckedDivide(length, ei);  // a zero stiffness fails here
    const double l2 = l * length / 2.0;
    const double l3 = l2 * length * (2.0 / 3.0);
    const double newAngle = CheckFinite(-l * M - l2 * P);
    const double newDeflection = CheckFinite(-l2 * M - l3 * P);
    return TResponse{newAngle, newDeflection,
                     TPointReal(aOrigin.x + length * c - newDeflection * s, aOrigin.y + length * s + newDeflection * c)};
}

TPointReal TWireSeg::DeformToCorner(const TPointReal& Target, double Fx, double Fy, double Mom) {
    const TResponse r = Response(*origin, direction, Target, Fx, Fy, Mom);
    dAngle = r.dAngle;
    deflection = r.deflection;
    return r.corner;
}

bool TWireSeg::Contains(int ax, int ay) const {
    // Both ends are compared in millimetres with a tolerance of 10, as the
    // program has always done; no caller relies on it.
    const TPointReal c = Corner();
    const auto near = [ax, ay](const TPointReal& p) {
        return std::abs(p.x - ax) <= 10 && std::abs(p.y - ay) <= 10;
    };
    return near(*origin) || near(c);
}

}  // namespace torvik
