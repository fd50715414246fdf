#pragma once
// Real-valued points in model millimetres (x to the right, y downwards as
// displayed), integer points of the drawing surface, and the angle helpers
// that the wire, the brackets and the solver share.

#include <cstdint>
#include <memory>

namespace torvik {

// An integer point of the drawing surface, in logical units (0.01 mm).
struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

class TPointReal {
public:
    double x = 0.0;
    double y = 0.0;

    TPointReal() = default;
    TPointReal(double ax, double ay) { SetXY(ax, ay); }

    void SetXY(double newX, double newY) { x = newX; y = newY; }

    // Turns this point about aPt by theta; a positive angle turns from +x
    // towards +y, clockwise as displayed.
    void Rotate(const TPointReal& aPt, double theta);

    // Both coordinates rounded half to even; (0, 0) when either does not fit
    // a 32-bit integer or is not a number.
    TPoint AsTPoint() const;

    // Direction from this point to aPt in [0, 2pi), counter-clockwise as
    // displayed (the y component is negated).
    double Slope(const TPointReal& aPt) const;

    // Signed angle in (-pi, pi] between this->aPt1 and aPt2->aPt3.
    double Angle(const TPointReal& aPt1, const TPointReal& aPt2, const TPointReal& aPt3) const;

    friend bool operator==(const TPointReal&, const TPointReal&) = default;
};

// Points shared by reference: a bracket's origin is also the wire's start and
// a force's point of application.
using TPointRef = std::shared_ptr<TPointReal>;

inline TPointRef MakePoint(double ax, double ay) { return std::make_shared<TPointReal>(ax, ay); }

constexpr double Pi = 3.141592653589793238462643383279502884;
constexpr double TwoPi = 2.0 * Pi;

double Distance(const TPointReal& a, const TPointReal& b);
double AngleBetween(const TPointReal& a, const TPointReal& b, const TPointReal& c, const TPointReal& d);
// a - b folded once into [-pi, pi].
double AngleDiff(double a, double b);
// a folded once into [0, 2pi).
double NormalizeAngle(double a);
double ToDegrees(double a);
double ToRadians(double a);

// Rounds half to even; the program's rounding of reals to integers.
double RoundHalfEven(double v);
// Rounds half to even and checks that the result fits a 32-bit integer;
// throws std::range_error otherwise (also for NaN).
std::int32_t RoundToInt32(double v);
// As RoundToInt32, but reports failure instead of throwing.
bool TryRoundToInt32(double v, std::int32_t& out);

}  // namespace torvik
