// Protects the centre-of-resistance arithmetic: where the centre lies for
// either side of the roots, the moment carried over to it, and the ratio and
// movement for a pure force, a pure couple and the translating combination,
// and the ratio bands that name the movements.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <utility>

#include "wire/centre_of_resistance.h"

using namespace torvik;

namespace {

// The moment about c of a force f at p with moment m, counted from +x
// towards +y: the direct sum, for comparison with the derived formula.
double MomentAbout(const TPointReal& c, const TPointReal& p, double fx, double fy, double m) {
    return m + (p.x - c.x) * fy - (p.y - c.y) * fx;
}

}  // namespace

TEST(CentreOfResistanceTest, ThreeLoadingsWithTheRootsUpAndDown) {
    const TPointReal bracket(20, 10);
    TToothSettings up;  // 10 mm, roots up
    TToothSettings down{10, TRootSide::Down};

    // The centre lies 10 mm up (towards -y) or down from a level bracket.
    EXPECT_EQ(CentreOfResistance(bracket, 0, up), TPointReal(20, 0));
    EXPECT_EQ(CentreOfResistance(bracket, 0, down), TPointReal(20, 20));

    // A pure force tips the tooth: r = 0, and the force's moment about the
    // centre is all there is.
    TResistanceLoad f = AtCentreOfResistance(bracket, 0, 50, 0, 0, up);
    ASSERT_TRUE(f.ratio.has_value());
    EXPECT_EQ(*f.ratio, 0);
    EXPECT_EQ(f.movement, TMovement::UncontrolledTipping);
    EXPECT_STREQ(MovementName(f.movement), "uncontrolled tipping");
    EXPECT_DOUBLE_EQ(f.moment, MomentAbout(f.centre, bracket, 50, 0, 0));
    EXPECT_DOUBLE_EQ(f.moment, -500);
    const TResistanceLoad fd = AtCentreOfResistance(bracket, 0, 50, 0, 0, down);
    EXPECT_EQ(fd.movement, TMovement::UncontrolledTipping);
    EXPECT_DOUBLE_EQ(fd.moment, 500);

    // A pure couple turns the tooth about its centre: no ratio.
    const TResistanceLoad c = AtCentreOfResistance(bracket, 0, 0, 0, 300, up);
    EXPECT_FALSE(c.ratio.has_value());
    EXPECT_EQ(c.moment, 300);
    EXPECT_EQ(c.movement, TMovement::Rotation);
    EXPECT_STREQ(MovementName(c.movement), "rotation about the centre of resistance");

    // The translating combination cancels the moment at the centre: r = 1.
    // Its moment has the opposite sign when the roots point the other way;
    // the same moment there adds to the tipping.
    const TResistanceLoad t = AtCentreOfResistance(bracket, 0, 50, 0, 500, up);
    EXPECT_DOUBLE_EQ(*t.ratio, 1);
    EXPECT_DOUBLE_EQ(t.moment, 0);
    EXPECT_EQ(t.movement, TMovement::Translation);
    const TResistanceLoad td = AtCentreOfResistance(bracket, 0, 50, 0, -500, down);
    EXPECT_DOUBLE_EQ(*td.ratio, 1);
    EXPECT_DOUBLE_EQ(td.moment, 0);
    const TResistanceLoad wrong = AtCentreOfResistance(bracket, 0, 50, 0, 500, down);
    EXPECT_DOUBLE_EQ(*wrong.ratio, -1);
    EXPECT_EQ(wrong.movement, TMovement::IncreasedTipping);
    EXPECT_STREQ(MovementName(wrong.movement), "tipping increased by the moment");

    // The ratio is that of the opposite system too: load on the wire or on
    // the tooth gives the same movement.
    EXPECT_DOUBLE_EQ(*AtCentreOfResistance(bracket, 0, -50, 0, -500, up).ratio, 1);
    // The left bracket's slot points the other way (direction pi): its
    // normal towards the roots, and so the ratio, is the same.
    EXPECT_EQ(CentreOfResistance(bracket, Pi, up), TPointReal(20, 0));
    EXPECT_DOUBLE_EQ(*AtCentreOfResistance(bracket, Pi, 50, 0, 500, up).ratio, 1);
    // A force along the tooth's axis passes through the centre, also when
    // the axis is tilted and rounding leaves a residue across it; no load is
    // no movement.
    const double tilt = 0.3;
    const TResistanceLoad axial =
        AtCentreOfResistance(bracket, tilt, 40 * std::sin(tilt), -40 * std::cos(tilt), 25, up);
    EXPECT_FALSE(axial.ratio.has_value());
    EXPECT_EQ(axial.movement, TMovement::Rotation);
    EXPECT_EQ(AtCentreOfResistance(bracket, 0, 0, 30, 0, up).movement, TMovement::Translation);
    EXPECT_EQ(AtCentreOfResistance(bracket, 0, 0, 0, 0, up).movement, TMovement::None);
    EXPECT_STREQ(MovementName(TMovement::None), "no load");
}

TEST(CentreOfResistanceTest, TiltedBracketsAndTheRatioBands) {
    // A bracket turned by 30 degrees: the centre lies on its normal, and the
    // translating moment is the one that cancels the moment about it.
    const TPointReal p(5, 5);
    const double dir = ToRadians(30);
    const TToothSettings tooth{8, TRootSide::Up};
    const TPointReal cr = CentreOfResistance(p, dir, tooth);
    EXPECT_NEAR(Distance(cr, p), 8, 1e-12);
    EXPECT_NEAR((cr.x - p.x) * std::cos(dir) + (cr.y - p.y) * std::sin(dir), 0, 1e-12);
    EXPECT_LT(cr.y, p.y);
    const double fx = 30, fy = -12;
    const double translating = -MomentAbout(cr, p, fx, fy, 0);
    const TResistanceLoad t = AtCentreOfResistance(p, dir, fx, fy, translating, tooth);
    EXPECT_NEAR(*t.ratio, 1, 1e-12);
    EXPECT_NEAR(t.moment, 0, 1e-9);
    const TResistanceLoad half = AtCentreOfResistance(p, dir, fx, fy, translating / 2, tooth);
    EXPECT_NEAR(*half.ratio, 0.5, 1e-12);
    EXPECT_NEAR(half.moment, MomentAbout(cr, p, fx, fy, translating / 2), 1e-9);
    EXPECT_EQ(half.movement, TMovement::ControlledTipping);

    // An upright slot has no up: the roots' side picks -x or +x.
    EXPECT_EQ(RootNormal(Pi / 2, TRootSide::Up), TPointReal(-1, 0));
    EXPECT_EQ(RootNormal(Pi / 2, TRootSide::Down), TPointReal(1, 0));
    EXPECT_EQ(RootNormal(1.570796, TRootSide::Up), TPointReal(-1, 0));  // as a design file keeps it
    EXPECT_EQ(RootNormal(3 * Pi / 2 + 3e-7, TRootSide::Up), TPointReal(-1, 0));
    EXPECT_LT(RootNormal(Pi / 2 - 0.001, TRootSide::Up).y, 0);

    // The bands of the accepted teaching, inside and at their edges.
    const std::pair<double, TMovement> named[] = {
        {-0.2, TMovement::IncreasedTipping},   {-1e-9, TMovement::IncreasedTipping},
        {0.0, TMovement::UncontrolledTipping}, {0.3, TMovement::UncontrolledTipping},
        {0.4999999, TMovement::UncontrolledTipping}, {0.5, TMovement::ControlledTipping},
        {0.7, TMovement::ControlledTipping},   {0.8999999, TMovement::ControlledTipping},
        {0.9, TMovement::Translation},         {1.0, TMovement::Translation},
        {1.1, TMovement::Translation},         {1.1000001, TMovement::RootMovement},
        {1.3, TMovement::RootMovement},        {1e300, TMovement::RootMovement},
        {-1e300, TMovement::IncreasedTipping},
    };
    for (const auto& [r, movement] : named) EXPECT_EQ(MovementForRatio(r), movement) << r;
    EXPECT_EQ(MovementForRatio(std::nan("")), TMovement::None);
    // With h = 10 mm: M/Fx of 3 mm tips uncontrolled, 7 mm controlled.
    EXPECT_EQ(AtCentreOfResistance(p, 0, 50, 0, 150, TToothSettings{}).movement, TMovement::UncontrolledTipping);
    EXPECT_EQ(AtCentreOfResistance(p, 0, 50, 0, 350, TToothSettings{}).movement, TMovement::ControlledTipping);
    // The table's bands follow one another without gap or overlap.
    for (std::size_t i = 1; i < std::size(MovementBands); ++i) {
        EXPECT_EQ(MovementBands[i].from, MovementBands[i - 1].to);
        EXPECT_NE(MovementBands[i].fromIncluded, MovementBands[i - 1].toIncluded);
    }
    EXPECT_STREQ(MovementName(TMovement::ControlledTipping), "controlled tipping");
    EXPECT_STREQ(MovementName(TMovement::RootMovement), "root movement");
    EXPECT_STREQ(MovementName(TMovement::Translation), "translation");
}
