// Protects the arithmetic of force systems: resultants, moments about points, and the moment-to-force ratios every read-out shows.
#include <gtest/gtest.h>

#include "geometry/force_moment.h"

using namespace torvik;

TEST(ForceMomentTest, PlusWeightsOriginsByComponents) {
    TForceMoment a(MakePoint(0, 0), 1, 0, 0);
    TForceMoment b(MakePoint(0, 2), 1, 0, 0);
    TForceMoment r = a.Plus(b);
    EXPECT_EQ(r.x, 2);
    EXPECT_EQ(r.y, 0);
    EXPECT_EQ(r.origin->x, 0);
    EXPECT_EQ(r.origin->y, 1);
    EXPECT_NE(r.origin, a.origin);

    // Cancelling forces: the midpoint and the plain sum of the moments.
    TForceMoment c(MakePoint(2, 4), 3, -1, 5);
    TForceMoment d(MakePoint(4, 0), -3, 1, 7);
    TForceMoment s = c.Plus(d);
    EXPECT_EQ(s.x, 0);
    EXPECT_EQ(s.y, 0);
    EXPECT_EQ(s.m, 12);
    EXPECT_EQ(*s.origin, TPointReal(3, 2));
}

TEST(ForceMomentTest, MomentsAndReorient) {
    TForceMoment f(MakePoint(0, 0), 0, 10, 0);
    EXPECT_EQ(f.MomentAtPoint({-1, 0}), -10);
    auto p = MakePoint(-1, 0);
    f.Reorient(p);
    EXPECT_EQ(f.m, -10);
    EXPECT_EQ(f.origin, p);
    EXPECT_DOUBLE_EQ(TForceMoment(MakePoint(0, 0), 3, 4, 0).Magnitude(), 5);
    EXPECT_EQ(TForceMoment(MakePoint(1, 2), 3, 4, 0).Corner(), TPointReal(4, 6));

    // The point of application outlives the force-moment that used it.
    auto shared = MakePoint(5, 5);
    { TForceMoment g(shared, 1, 1, 1); }
    EXPECT_EQ(*shared, TPointReal(5, 5));
}

TEST(ForceMomentTest, MomentToForceRatios) {
    // M / |F| and M / |Fx|: both carry the moment's sign, whichever way the
    // force points.
    EXPECT_EQ(MomentOverForce(-10, 0, 50), 5.0);
    EXPECT_EQ(MomentOverForceX(-10, 50), 5.0);
    EXPECT_EQ(MomentOverForce(3, -4, -10), -2.0);
    EXPECT_EQ(MomentOverForceX(-3, -9), -3.0);
    // From the unrounded values.
    EXPECT_EQ(MomentOverForce(0.004, 0, 1), 250.0);
    // No divisor, no ratio; nor one too large to be a number.
    EXPECT_FALSE(MomentOverForce(0, 0, 12));
    EXPECT_FALSE(MomentOverForceX(0, 12));
    EXPECT_FALSE(MomentOverForceX(-0.0, 12));
    EXPECT_FALSE(MomentOverForce(1e-310, 0, 1e300));
    EXPECT_FALSE(MomentOverForceX(1e-310, 1e300));
    // A force whose magnitude overflows divides to zero.
    EXPECT_EQ(MomentOverForce(1.5e308, 1.5e308, 1), 0.0);
}
