#include "geometry/force_moment.h"

#include <cmath>

namespace torvik {

TForceMoment TForceMoment::Plus(const TForceMoment& aFM) const {
    const TPointReal& o1 = *origin;
    const TPointReal& o2 = *aFM.origin;
    const double fx = x + aFM.x;
    const double fy = y + aFM.y;
    const double mm = m + aFM.m;
    double ox, oy;
    if (fx == 0 && fy == 0) {
        ox = (o1.x + o2.x) / 2;
        oy = (o1.y + o2.y) / 2;
    } else {
        ox = fy != 0 ? (o1.x * y + o2.x * aFM.y) / fy : (o1.x * x + o2.x * aFM.x) / fx;
        oy = fx != 0 ? (o1.y * x + o2.y * aFM.x) / fx : (o1.y * y + o2.y * aFM.y) / fy;
    }
    return TForceMoment(MakePoint(ox, oy), fx, fy, mm);
}

double TForceMoment::MomentAtPoint(const TPointReal& aPt) const {
    return (origin->y - aPt.y) * x - (origin->x - aPt.x) * y + m;
}

void TForceMoment::Reorient(TPointRef aPt) {
    m = MomentAtPoint(*aPt);
    origin = std::move(aPt);
}

double TForceMoment::Magnitude() const { return std::sqrt(x * x + y * y); }

namespace {

std::optional<double> Quotient(double aM, double aDivisor) {
    if (aDivisor == 0) return std::nullopt;
    const double q = aM / aDivisor;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

}  // namespace

std::optional<double> MomentOverForce(double aX, double aY, double aM) { return Quotient(aM, std::hypot(aX, aY)); }

std::optional<double> MomentOverForceX(double aX, double aM) { return Quotient(aM, std::abs(aX)); }

}  // namespace torvik
