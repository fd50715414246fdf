// Protects the wire as bent and the loads' engagement: the activation is measured from the unloaded wire's end without touching the design, and a run's loads read as refined, within the tolerances, not meeting the bracket, or none.
#include <gtest/gtest.h>

#include <cmath>

#include "mechanics_test_support.h"
#include "solve/newton.h"
#include "solve/activation_curve.h"
#include "wire/applied_load.h"
#include "wire/loads_engagement.h"
#include "wire/passive_wire.h"

namespace torvik {
namespace {

// An L-shaped wire, 5 mm out and 5 mm down, whose end lies 0.3 mm left of and
// 0.2 mm below the right bracket, in its direction.
class PassiveWire : public ::testing::Test {
protected:
    TDesign d{0.25, DefaultStock()};
    TActivationSettings settings;

    void SetUp() override { test::BuildL(d, 0.3, -0.2, 0); }
};

TEST_F(PassiveWire, ActivationIsMeasuredFromTheWireAsBentAndChangesNothing) {
    const double bent = std::hypot(0.3, 0.2);
    EXPECT_NEAR(ActivationDistance(d), bent, 1e-12);
    ASSERT_EQ(test::RunToStop(d, settings), TStopReason::Tolerance);
    // The loaded wire ends near the bracket; the activation is still the way
    // from the unloaded end, as the activation curve takes it.
    const TPointReal loadedEnd = d.CurrentWire->Corner();
    const double x = d.RightForce.x, m = d.RightForce.m;
    EXPECT_NEAR(ActivationDistance(d), bent, 1e-12);
    EXPECT_NEAR(ActivationDistance(d), TActivationCurve(d, TCurveSettings()).PathLength(), 1e-12);
    EXPECT_EQ(d.CurrentWire->Corner().x, loadedEnd.x);
    EXPECT_EQ(d.CurrentWire->Corner().y, loadedEnd.y);
    EXPECT_EQ(d.RightForce.x, x);
    EXPECT_EQ(d.RightForce.m, m);

    // The copy as bent: no load, every segment at rest, on its own points.
    const std::unique_ptr<TDesign> copy = UnloadedCopy(d);
    EXPECT_EQ(copy->RightForce.x, 0.0);
    EXPECT_EQ(copy->LeftForce.m, 0.0);
    EXPECT_EQ(copy->CurrentWire->MaxStrain(), 0.0);
    EXPECT_NEAR(Distance(copy->CurrentWire->Corner(), *d.RightBracket.Origin()), bent, 1e-12);
    copy->RightBracket.Origin()->SetXY(0, 0);
    EXPECT_NE(d.RightBracket.Origin()->x, 0.0);
}

TEST_F(PassiveWire, EngagementOfTheLoadsShown) {
    EXPECT_EQ(LoadsEngagement(d, settings), TEngagement::NoLoad);
    // A run stops within its tolerances; refining brings it to full
    // engagement.
    ASSERT_EQ(test::RunToStop(d, settings), TStopReason::Tolerance);
    EXPECT_GT(EndDistance(d), FullEngagementDistance);
    EXPECT_EQ(LoadsEngagement(d, settings), TEngagement::WithinTolerances);
    ASSERT_EQ(RefineLoads(d, settings).end, TSolveEnd::Converged);
    EXPECT_EQ(LoadsEngagement(d, settings), TEngagement::Full);
    // The point target asks nothing of the angle.
    TActivationSettings point = settings;
    point.TargetMode = TargetPoint;
    d.RightBracket.SetDirection(d.RightBracket.Direction() + 0.5);
    EXPECT_EQ(LoadsEngagement(d, settings), TEngagement::NotMet);
    EXPECT_EQ(LoadsEngagement(d, point), TEngagement::Full);
    // A bracket moved away: the loads no longer meet it.
    d.RightBracket.Origin()->SetXY(d.RightBracket.Origin()->x + 1, d.RightBracket.Origin()->y);
    EXPECT_EQ(LoadsEngagement(d, point), TEngagement::NotMet);
    ZeroLoad(d);
    EXPECT_EQ(LoadsEngagement(d, point), TEngagement::NoLoad);
    EXPECT_STREQ(EngagementText(TEngagement::Full), "loads at full engagement");
    EXPECT_STREQ(EngagementText(TEngagement::NotMet), "loads that do not meet the right bracket");
}

}  // namespace
}  // namespace torvik
