#include "geometry/point.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace torvik {

double RoundHalfEven(double v) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-
    // even unless someone changed it; std::remainder-based code would be
    // slower and no clearer.
    return std::nearbyint(v);
}

bool TryRoundToInt32(double v, std::int32_t& out) {
    if (!std::isfinite(v)) return false;
    const double r = RoundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return false;
    out = static_cast<std::int32_t>(r);
    return true;
}

std::int32_t RoundToInt32(double v) {
    std::int32_t out = 0;
    if (!TryRoundToInt32(v, out)) throw std::range_error("Range check error");
    return out;
}

void TPointReal::Rotate(const TPointReal& aPt, double theta) {
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    const double dx = x - aPt.x;
    const double dy = y - aPt.y;
    x = aPt.x + dx * c - dy * s;
    y = aPt.y + dx * s + dy * c;
}

TPoint TPointReal::AsTPoint() const {
    TPoint p;
    if (!TryRoundToInt32(x, p.X) || !TryRoundToInt32(y, p.Y)) return TPoint{};
    return p;
}

double TPointReal::Slope(const TPointReal& aPt) const {
    const TPointReal& p = *this;
    const TPointReal& q = aPt;
    if (p.y == q.y) return p.x <= q.x ? 0.0 : Pi;
    if (p.x == q.x) return q.y < p.y ? Pi / 2.0 : 3.0 * Pi / 2.0;
    double t = std::atan((p.y - q.y) / (q.x - p.x));
    if (t < 0) t += Pi;
    if (q.y > p.y) t += Pi;
    return t;
}

double TPointReal::Angle(const TPointReal& aPt1, const TPointReal& aPt2, const TPointReal& aPt3) const {
    const double s1 = Slope(aPt1);
    const double s2 = aPt2.Slope(aPt3);
    double a = s1 >= s2 ? s1 - s2 : s1 + TwoPi - s2;
    if (a > Pi) a -= TwoPi;
    return a;
}

double Distance(const TPointReal& a, const TPointReal& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

double AngleBetween(const TPointReal& a, const TPointReal& b, const TPointReal& c, const TPointReal& d) {
    return a.Angle(b, c, d);
}

double AngleDiff(double a, double b) {
    double c = a - b;
    if (c > Pi) c -= TwoPi;
    if (c < -Pi) c += TwoPi;
    return c;
}

double NormalizeAngle(double a) {
    if (a < 0) return a + TwoPi;
    if (a >= TwoPi) return a - TwoPi;
    return a;
}

double ToDegrees(double a) { return a * 180.0 / Pi; }
double ToRadians(double a) { return a * Pi / 180.0; }

}  // namespace torvik
