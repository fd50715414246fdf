// Protects setting the load directly: load, balance and wire shape change together, and a load the wire cannot take changes nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

#include "support/errors.h"
#include "wire/applied_load.h"

using namespace torvik;

namespace {

void BuildL(TDesign& d) {
    TWire& w = *d.CurrentWire;
    for (int i = 1; i < 20; ++i) w.AddSeg(0.25, i == 19 ? Pi / 2 : 0);
    for (int i = 0; i < 20; ++i) w.AddSeg(0.25, 0);
}

std::vector<double> Shape(const TWire& w) {
    std::vector<double> v;
    for (const TWireSeg& s : w.Segments()) {
        v.push_back(s.origin->x);
        v.push_back(s.origin->y);
        v.push_back(s.direction);
        v.push_back(s.dAngle);
        v.push_back(s.deflection);
    }
    return v;
}

TEST(AppliedLoad, SetsTheLoadItsBalanceAndTheShapeAndZeroReturnsTheWireToRest) {
    TDesign d(0.25, DefaultStock());
    BuildL(d);
    const std::vector<double> rest = Shape(*d.CurrentWire);
    const TPointReal restTip = d.CurrentWire->Corner();

    ApplyLoad(d, 3, 4, 10);
    EXPECT_EQ(d.RightForce.x, 3);
    EXPECT_EQ(d.RightForce.y, 4);
    EXPECT_EQ(d.RightForce.m, 10);
    EXPECT_EQ(d.LeftForce.x, -3);
    EXPECT_EQ(d.LeftForce.y, -4);
    // The left bracket at (10, 10), the right one at (20, 10): the force's
    // lever arm is 10 mm along x.
    EXPECT_DOUBLE_EQ(d.LeftForce.m, -10 + (10 - 20) * 4);
    EXPECT_GT(d.CurrentWire->MaxStrain(), 0);
    EXPECT_GT(Distance(d.CurrentWire->Corner(), restTip), 0.001);

    ZeroLoad(d);
    EXPECT_EQ(d.RightForce.x, 0);
    EXPECT_EQ(d.RightForce.y, 0);
    EXPECT_EQ(d.RightForce.m, 0);
    EXPECT_EQ(d.LeftForce.x, 0);
    EXPECT_EQ(d.LeftForce.y, 0);
    EXPECT_EQ(d.LeftForce.m, 0);
    const std::vector<double> after = Shape(*d.CurrentWire);
    ASSERT_EQ(after.size(), rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) EXPECT_NEAR(after[i], rest[i], 1e-12) << i;
}

TEST(AppliedLoad, ALoadActsWhereTheRightForceActs) {
    // After a sliding run the load acts where the wire end sits in the slot;
    // a load typed then acts there too, so the balance at the left bracket
    // and the shape drawn agree.
    TDesign d(0.25, DefaultStock());
    BuildL(d);
    const TPointReal tip = d.CurrentWire->Corner();
    d.RightForce = LoadMovedTo(d.RightForce, MakePoint(tip.x, tip.y));
    ApplyLoad(d, 0, 5, 0);
    const TPointReal loaded = d.CurrentWire->Corner();
    d.CurrentWire->Deform(tip, 0, 5, 0);
    EXPECT_NEAR(Distance(d.CurrentWire->Corner(), loaded), 0, 1e-9);
    const TPointReal& lo = *d.LeftBracket.Origin();
    EXPECT_NEAR(d.LeftForce.m, (lo.x - tip.x) * 5, 1e-9);
}

TEST(AppliedLoad, ALoadTheWireCannotTakeChangesNothing) {
    TDesign d(0.25, DefaultStock());
    BuildL(d);
    ApplyLoad(d, 5, -2, 7);
    const std::vector<double> before = Shape(*d.CurrentWire);
    const TForceMoment left = d.LeftForce;

    const double huge = std::numeric_limits<double>::max();
    EXPECT_THROW(ApplyLoad(d, huge, huge, huge), TArithmeticError);
    EXPECT_EQ(d.RightForce.x, 5);
    EXPECT_EQ(d.RightForce.y, -2);
    EXPECT_EQ(d.RightForce.m, 7);
    EXPECT_EQ(d.LeftForce.x, left.x);
    EXPECT_EQ(d.LeftForce.m, left.m);
    const std::vector<double> after = Shape(*d.CurrentWire);
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_NEAR(after[i], before[i], 1e-12) << i;
}

TEST(AppliedLoad, ALoadItsCallerRefusesChangesNothing) {
    TDesign d(0.25, DefaultStock());
    BuildL(d);
    ApplyLoad(d, 5, -2, 7);
    const std::vector<double> before = Shape(*d.CurrentWire);
    bool accepted = false;
    EXPECT_THROW(ApplyLoad(d, 50, 0, 0,
                           [&] {
                               // Called with the new load in place.
                               EXPECT_EQ(d.RightForce.x, 50);
                               accepted = true;
                               throw std::range_error("Range check error");
                           }),
                 std::range_error);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(d.RightForce.x, 5);
    EXPECT_EQ(d.LeftForce.x, -5);
    EXPECT_EQ(Shape(*d.CurrentWire), before);
}

TEST(AppliedLoad, AWireWithoutStiffnessRefusesALoadButCanBeZeroed) {
    TWireStock limp = DefaultStock();
    limp.Material.Modulus = 0;
    TDesign d(0.25, limp);
    BuildL(d);
    EXPECT_THROW(ApplyLoad(d, 1, 0, 0), TArithmeticError);
    EXPECT_EQ(d.RightForce.x, 0);
    EXPECT_NO_THROW(ApplyLoad(d, 0, 0, 0));
    EXPECT_NO_THROW(ZeroLoad(d));
    EXPECT_EQ(d.CurrentWire->MaxStrain(), 0);
}

}  // namespace
