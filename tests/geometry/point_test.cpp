// Protects the angle conventions every other part of the model relies on.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/point.h"

using namespace torvik;

TEST(PointTest, SlopeQuadrantsAndAxes) {
    const TPointReal o(0, 0);
    EXPECT_DOUBLE_EQ(o.Slope(o), 0);
    EXPECT_DOUBLE_EQ(o.Slope({-1, 0}), Pi);
    EXPECT_DOUBLE_EQ(o.Slope({0, -1}), Pi / 2);  // above as displayed
    EXPECT_DOUBLE_EQ(o.Slope({0, 1}), 3 * Pi / 2);
    EXPECT_DOUBLE_EQ(o.Slope({1, -1}), Pi / 4);
    EXPECT_DOUBLE_EQ(o.Slope({-1, -1}), 3 * Pi / 4);
    EXPECT_DOUBLE_EQ(o.Slope({-1, 1}), 5 * Pi / 4);
    EXPECT_DOUBLE_EQ(o.Slope({1, 1}), 7 * Pi / 4);
}

TEST(PointTest, AngleIsInHalfOpenTurn) {
    const TPointReal o(0, 0);
    // An exact half turn is +pi, never -pi.
    EXPECT_DOUBLE_EQ(o.Angle({1, 0}, {0, 0}, {-1, 0}), -Pi + 2 * Pi);
    EXPECT_DOUBLE_EQ(o.Angle({-1, 0}, {0, 0}, {1, 0}), Pi);
    EXPECT_NEAR(AngleBetween(o, {0, -1}, o, {1, 0}), Pi / 2, 1e-15);
    EXPECT_NEAR(AngleBetween(o, {1, 0}, o, {0, -1}), -Pi / 2, 1e-15);
}

TEST(PointTest, AngleArithmeticFoldsOnce) {
    EXPECT_NEAR(AngleDiff(0.1, 6.2), 0.1 - 6.2 + 2 * Pi, 1e-15);
    EXPECT_NEAR(AngleDiff(6.2, 0.1), -(0.1 - 6.2 + 2 * Pi), 1e-15);
    EXPECT_EQ(AngleDiff(1.3, 1.3), 0);
    EXPECT_DOUBLE_EQ(NormalizeAngle(-0.5), 2 * Pi - 0.5);
    EXPECT_EQ(NormalizeAngle(2 * Pi), 0);
    EXPECT_DOUBLE_EQ(NormalizeAngle(7), 7 - 2 * Pi);
    EXPECT_DOUBLE_EQ(ToDegrees(Pi), 180);
    EXPECT_DOUBLE_EQ(ToRadians(10), 0.17453292519943295);
}

TEST(PointTest, RoundingAndRotation) {
    EXPECT_EQ(TPointReal(2.5, -2.5).AsTPoint(), (TPoint{2, -2}));
    EXPECT_EQ(TPointReal(1.5, 0.5).AsTPoint(), (TPoint{2, 0}));
    EXPECT_EQ(TPointReal(3.0e9, 1).AsTPoint(), (TPoint{0, 0}));
    EXPECT_EQ(TPointReal(std::nan(""), 1).AsTPoint(), (TPoint{0, 0}));
    EXPECT_THROW(RoundToInt32(3.0e9), std::range_error);

    TPointReal p(1, 0);
    p.Rotate({0, 0}, Pi / 2);  // a quarter turn clockwise as displayed
    EXPECT_NEAR(p.x, 0, 1e-15);
    EXPECT_NEAR(p.y, 1, 1e-15);
    EXPECT_DOUBLE_EQ(Distance({0, 0}, {3, 4}), 5);
}
