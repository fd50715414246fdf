// Protects the arithmetic of force systems: resultants, moments about points.
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
