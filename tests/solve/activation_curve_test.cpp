// Protects the activation curve: its first steps follow the wire's linear
// (Castigliano) stiffness, its last step is the plain activation, it stops
// at the first step that overstrains or fails and says why, its load rate is
// the documented difference quotient, and the caller's design is untouched.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "solve/activation_curve.h"
#include "wire/design_copy.h"
#include "../wire/mechanics_test_support.h"

using namespace torvik;

namespace {

using test::BuildL;
using test::Compliance;
using test::Mat3;
using test::Solve3;

// The linear load (Fx, Fy, M) that moves the free end of the unloaded wire
// by u = (dx, dy, dtheta); Point leaves the moment at zero and the angle free.
std::array<double, 3> LinearLoad(const TWire& w, int aMode, const std::array<double, 3>& u) {
    const Mat3 c = Compliance(w);
    if (aMode == TargetSlot) return Solve3(c, u);
    const double det = c[0][0] * c[1][1] - c[0][1] * c[1][0];
    return {(c[1][1] * u[0] - c[0][1] * u[1]) / det, (c[0][0] * u[1] - c[1][0] * u[0]) / det, 0};
}

TStepEnd PlainActivation(TDesign& d, const TActivationSettings& s) {
    TActivationRun run;
    for (int i = 0; i < 10000; ++i) {
        const TIterationResult r = run.Iterate(d, s);
        switch (r.stop) {
            case TStopReason::Tolerance: return TStepEnd::Met;
            case TStopReason::Overstrain: return TStepEnd::Overstrain;
            case TStopReason::Error: return TStepEnd::Error;
            case TStopReason::None: break;
        }
    }
    return TStepEnd::IterationLimit;
}

}  // namespace

TEST(ActivationCurveTest, FirstStepsFollowTheLinearStiffness) {
    const std::array<double, 3> u = {0.01, -0.0075, 0.0005};  // the whole activation: mm, mm, rad
    for (int mode : {TargetPoint, TargetSlot}) {
        SCOPED_TRACE(TargetName(mode));
        TDesign d(0.25, DefaultStock());
        BuildL(d, u[0], u[1], u[2]);
        TCurveSettings s;
        s.TargetMode = mode;
        s.Steps = 10;
        s.ToleranceDistance = 1e-7;
        s.ToleranceAngle = 1e-7;
        TActivationCurve curve(d, s);
        curve.Run();
        ASSERT_TRUE(curve.Complete());
        ASSERT_EQ(curve.Steps().size(), 10u);
        EXPECT_NEAR(curve.PathLength(), 0.0125, 1e-12);
        EXPECT_NEAR(curve.PathTurn(), 0.0005, 1e-12);

        const std::array<double, 3> full = LinearLoad(*d.CurrentWire, mode, u);
        const double fullForce = std::hypot(full[0], full[1]);
        for (int k = 1; k <= 3; ++k) {
            SCOPED_TRACE(k);
            const TCurveStep& st = curve.Steps()[k - 1];
            const double f = k / 10.0;
            EXPECT_EQ(st.index, k);
            EXPECT_EQ(st.end, TStepEnd::Met);
            EXPECT_NEAR(st.activation, f * 0.0125, 1e-12);
            EXPECT_NEAR(st.turn, f * 0.0005, 1e-12);
            const double scale = f * fullForce;
            EXPECT_LT(std::abs(st.right.x - f * full[0]) / scale, 0.005) << st.right.x << " vs " << f * full[0];
            EXPECT_LT(std::abs(st.right.y - f * full[1]) / scale, 0.005) << st.right.y << " vs " << f * full[1];
            if (mode == TargetSlot)
                EXPECT_LT(std::abs(st.right.m - f * full[2]) / std::abs(f * full[2]), 0.005);
            else
                EXPECT_EQ(st.right.m, 0);
            // The load rises in proportion: d|F|/da is the stiffness along the path.
            ASSERT_TRUE(st.rate.has_value());
            EXPECT_LT(std::abs(*st.rate - fullForce / 0.0125) / (fullForce / 0.0125), 0.005);
            // The left bracket balances the right one about the step's target.
            EXPECT_EQ(st.left.x, -st.right.x);
            EXPECT_EQ(st.left.y, -st.right.y);
            const TPointReal& lo = st.leftOrigin;
            const TPointReal& ro = st.rightOrigin;
            EXPECT_NEAR(st.left.m, -st.right.m - (lo.y - ro.y) * st.right.x + (lo.x - ro.x) * st.right.y, 1e-9);
        }
    }
}

TEST(ActivationCurveTest, LastStepIsThePlainActivationAndTheDesignIsUntouched) {
    for (int mode : {TargetPoint, TargetAngle, TargetSlot}) {
        SCOPED_TRACE(TargetName(mode));
        TDesign d(0.25, DefaultStock());
        BuildL(d, 0.3, -0.2, 0.03);
        // The caller's design is loaded: the curve starts from the unloaded
        // wire all the same and gives the design back as it was.
        d.RightForce.x = 7;
        d.RightForce.m = -20;
        d.CalcLeftForce();
        d.CurrentWire->Deform(*d.RightBracket.Origin(), 7, 0, -20);
        const TPointReal bracket = *d.RightBracket.Origin(), corner = d.CurrentWire->Corner();
        const double direction = d.RightBracket.Direction(), strain = d.CurrentWire->MaxStrain();

        TCurveSettings s;
        s.TargetMode = mode;
        s.Steps = 6;
        TActivationCurve curve(d, s);
        while (curve.NextStep()) {
        }
        ASSERT_TRUE(curve.Complete());
        EXPECT_EQ(*d.RightBracket.Origin(), bracket);
        EXPECT_EQ(d.RightBracket.Direction(), direction);
        EXPECT_EQ(d.CurrentWire->Corner(), corner);
        EXPECT_EQ(d.CurrentWire->MaxStrain(), strain);
        EXPECT_EQ(d.RightForce.x, 7);
        EXPECT_EQ(d.RightForce.m, -20);

        // The plain activation from zero load, to the same tolerances.
        TActivationSettings plain;
        plain.TargetMode = mode;
        plain.ToleranceDistance = s.ToleranceDistance;
        plain.ToleranceAngle = s.ToleranceAngle;
        const auto fresh = CopyDesign(d);
        fresh->RightForce.x = fresh->RightForce.y = fresh->RightForce.m = 0;
        fresh->CurrentWire->Unload();
        ASSERT_EQ(PlainActivation(*fresh, plain), TStepEnd::Met);

        const TCurveStep& last = curve.Steps().back();
        EXPECT_EQ(last.rightOrigin, bracket);
        EXPECT_EQ(last.rightDirection, direction);
        EXPECT_NEAR(last.activation, std::hypot(0.3, 0.2), 1e-12);
        const TForceMoment& f = fresh->RightForce;
        const double force = std::max(std::hypot(f.x, f.y), 1e-9);
        EXPECT_LT(std::abs(last.right.x - f.x) / force, 0.005) << last.right.x << " vs " << f.x;
        EXPECT_LT(std::abs(last.right.y - f.y) / force, 0.005) << last.right.y << " vs " << f.y;
        if (mode == TargetPoint) {
            EXPECT_EQ(last.right.m, 0);
        } else {
            EXPECT_LT(std::abs(last.right.m - f.m) / std::abs(f.m), 0.005) << last.right.m << " vs " << f.m;
        }
        // The working copy ends on the bracket within the tolerances.
        if (mode != TargetAngle) {
            EXPECT_LE(EndDistance(curve.Design()), s.ToleranceDistance);
        }
        if (mode != TargetPoint) {
            EXPECT_LE(EndAngle(curve.Design()), s.ToleranceAngle);
        }
    }
}

TEST(ActivationCurveTest, StopsAtTheFirstStepThatCannotBeMet) {
    // A straight wire of four 1 mm segments turned at its end: a couple bends
    // every segment alike, so each takes a quarter of the end's turn. Turned
    // by 60 degrees in five steps, the fourth step (48 degrees, 12 per
    // segment) is the first beyond the 10 degree limit.
    TWireStock stock = DefaultStock();
    TDesign d(1.0, stock);
    for (int i = 1; i < 4; ++i) d.CurrentWire->AddSeg(1.0, 0);
    const TPointReal end = d.CurrentWire->Corner();
    d.RightBracket.Origin()->SetXY(end.x, end.y);
    d.RightBracket.SetDirection(ToRadians(60));
    TCurveSettings s;
    s.TargetMode = TargetAngle;
    s.Steps = 5;
    TActivationCurve curve(d, s);
    curve.Run();
    EXPECT_TRUE(curve.Finished());
    EXPECT_FALSE(curve.Complete());
    ASSERT_EQ(curve.Steps().size(), 4u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(curve.Steps()[k].end, TStepEnd::Met);
        EXPECT_NEAR(ToDegrees(curve.Steps()[k].maxStrain), 3.0 * (k + 1), 0.01);
    }
    const TCurveStep& failed = curve.Steps().back();
    EXPECT_EQ(failed.index, 4);
    EXPECT_EQ(failed.end, TStepEnd::Overstrain);
    EXPECT_EQ(StepEndText(failed.end), "Excessive activation detected!");
    EXPECT_STREQ(StepEndName(failed.end), "overstrain");
    EXPECT_GT(failed.maxStrain, MaxElasticStrain);
    EXPECT_FALSE(failed.rate.has_value());
    EXPECT_FALSE(curve.Iterate());
    EXPECT_FALSE(curve.NextStep());

    // In Slot mode: the L-shaped wire's end held in place and turned by
    // 1.25 rad. The strain of the equilibria grows by about 0.6 degrees per
    // 0.05 rad and passes 10 degrees a little below 1 rad, so a curve of 20
    // steps stops at step 16 (1 rad). A curve ten times finer over the same
    // path, whose steps take other solver paths to the same equilibria,
    // stops within the same twentieth of the path.
    TDesign turned(0.25, DefaultStock());
    BuildL(turned, 0, 0, 1.25);
    TCurveSettings ts;
    ts.Steps = 20;
    TActivationCurve coarse(turned, ts);
    coarse.Run();
    ts.Steps = 200;
    TActivationCurve fine(turned, ts);
    fine.Run();
    ASSERT_EQ(fine.Steps().back().end, TStepEnd::Overstrain);
    ASSERT_EQ(coarse.Steps().back().end, TStepEnd::Overstrain);
    EXPECT_EQ(coarse.Steps().back().index, (fine.Steps().back().index + 9) / 10);
    EXPECT_EQ(coarse.Steps().back().index, 16);
    for (std::size_t k = 0; k + 1 < coarse.Steps().size(); ++k) {
        EXPECT_EQ(coarse.Steps()[k].end, TStepEnd::Met);
        EXPECT_LT(coarse.Steps()[k].maxStrain, MaxElasticStrain);
        if (k > 0) {
            EXPECT_GT(coarse.Steps()[k].maxStrain, coarse.Steps()[k - 1].maxStrain);
        }
    }
}

TEST(ActivationCurveTest, StepsEndForEveryReasonAndRatesAreDifferences) {
    // An error: a wire without stiffness cannot be activated at all.
    TWireStock soft = DefaultStock();
    soft.Material.Modulus = 0;
    TDesign z(0.25, soft);
    for (int i = 1; i < 8; ++i) z.CurrentWire->AddSeg(0.25, 0.1);
    z.RightBracket.Origin()->SetXY(13, 12);
    TActivationCurve broken(z, TCurveSettings{});
    EXPECT_FALSE(broken.NextStep());
    ASSERT_EQ(broken.Steps().size(), 1u);
    EXPECT_EQ(broken.Steps()[0].end, TStepEnd::Error);
    EXPECT_FALSE(broken.Steps()[0].detail.empty());
    EXPECT_EQ(StepEndText(TStepEnd::Error), "Error in activation!");

    // The iteration limit, one iteration at a time, on a step that no
    // solver meets exactly.
    TDesign d(0.25, DefaultStock());
    BuildL(d, 0.3, -0.2, 0.03);
    TCurveSettings limited;
    limited.MaxIterations = 3;
    limited.ToleranceDistance = limited.ToleranceAngle = 0;
    TActivationCurve shortRun(d, limited);
    int calls = 0;
    while (shortRun.Iterate()) ++calls;
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(shortRun.Steps().size(), 1u);
    EXPECT_EQ(shortRun.Steps()[0].end, TStepEnd::IterationLimit);
    EXPECT_EQ(shortRun.Steps()[0].iterations, 3);
    EXPECT_STREQ(StepEndName(TStepEnd::IterationLimit), "max-iterations");

    // Progress by steps; rates as central differences with the unloaded
    // start before the first step and one-sided at the last.
    TCurveSettings s;
    s.Steps = 4;
    TActivationCurve curve(d, s);
    EXPECT_EQ(curve.Progress(), 0);
    EXPECT_TRUE(curve.NextStep());
    EXPECT_EQ(curve.Progress(), 0.25);
    curve.Run();
    EXPECT_EQ(curve.Progress(), 1);
    const auto& st = curve.Steps();
    ASSERT_EQ(st.size(), 4u);
    const auto F = [&](int i) { return i < 0 ? 0.0 : st[i].right.Force(); };
    const auto a = [&](int i) { return i < 0 ? 0.0 : st[i].activation; };
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(*st[i].rate, (F(i + 1) - F(i - 1)) / (a(i + 1) - a(i - 1))) << i;
    EXPECT_DOUBLE_EQ(*st[3].rate, (F(3) - F(2)) / (a(3) - a(2)));
    // The read-out's ratios: M/Fx divides by the size of Fx.
    const TBracketLoad l{-10, 0, 50};
    EXPECT_EQ(*l.MomentOverForce(), 5);
    EXPECT_EQ(*l.MomentOverForceX(), 5);
    EXPECT_FALSE((TBracketLoad{0, 20, -30}).MomentOverForceX().has_value());
    EXPECT_EQ(*(TBracketLoad{0, 20, -30}).MomentOverForce(), -1.5);

    // No path to follow: the rate is undefined, the steps still run.
    TDesign still(0.25, DefaultStock());
    for (int i = 1; i < 20; ++i) still.CurrentWire->AddSeg(0.25, i == 10 ? 0.3 : 0);
    const TPointReal tip = still.CurrentWire->Corner();
    still.RightBracket.Origin()->SetXY(tip.x, tip.y);
    still.RightBracket.SetDirection(still.CurrentWire->EndDirection());
    TActivationCurve none(still, s);
    none.Run();
    ASSERT_TRUE(none.Complete());
    for (const TCurveStep& step : none.Steps()) EXPECT_FALSE(step.rate.has_value());

    // Settings out of range are refused.
    for (const auto& bad : {TCurveSettings{.Steps = 0}, TCurveSettings{.Steps = MaxCurveSteps + 1},
                            TCurveSettings{.ToleranceDistance = -1}, TCurveSettings{.ToleranceAngle = std::nan("")},
                            TCurveSettings{.MaxIterations = 0}})
        EXPECT_THROW(TActivationCurve(d, bad), std::invalid_argument);
}

TEST(ActivationCurveTest, AWayOrTurnBelowTheTolerancesIsReportedAsNone) {
    TCurveSettings s;
    s.Steps = 2;
    // A bracket turned by a millionth of a radian (the rounding of a design
    // file's angles), under the 0.01 degrees the curve reports: the path does not
    // turn, but the last target is still the bracket itself.
    TDesign d(0.25, DefaultStock());
    BuildL(d, 0.3, -0.2, 1e-6);
    TActivationCurve straight(d, s);
    straight.Run();
    ASSERT_TRUE(straight.Complete());
    EXPECT_EQ(straight.PathTurn(), 0);
    EXPECT_DOUBLE_EQ(straight.PathLength(), std::hypot(0.3, 0.2));
    for (const TCurveStep& step : straight.Steps()) EXPECT_EQ(step.turn, 0);
    EXPECT_EQ(straight.Steps()[1].rightDirection, d.RightBracket.Direction());

    // A turn the steps can tell is reported as it is; a way of a picometre
    // is none, and has no load-deflection rate.
    TDesign turned(0.25, DefaultStock());
    BuildL(turned, 1e-9, 0, 0.01);
    TActivationCurve turn(turned, s);
    turn.Run();
    ASSERT_TRUE(turn.Complete());
    EXPECT_NEAR(turn.PathTurn(), 0.01, 1e-12);
    EXPECT_EQ(turn.PathLength(), 0);
    for (const TCurveStep& step : turn.Steps()) {
        EXPECT_NEAR(step.turn, 0.01 * step.index / 2, 1e-12);
        EXPECT_EQ(step.activation, 0);
        EXPECT_FALSE(step.rate.has_value());
    }
}

TEST(ActivationCurveTest, CopiesKeepTheShapeOnPointsOfTheirOwn) {
    TWireStock stock = DefaultStock();
    TDesign d(0.3, stock);
    BuildL(d, 0.1, 0.1, 0);
    d.CurrentWire->Segment(5).material.Modulus = 50000;
    d.RightForce = TForceMoment(d.RightBracket.Origin(), 4, -3, 12);
    d.CalcLeftForce();
    d.CurrentWire->Deform(*d.RightBracket.Origin(), 4, -3, 12);
    const auto c = CopyDesign(d);
    ASSERT_EQ(c->CurrentWire->Count(), d.CurrentWire->Count());
    EXPECT_EQ(c->CurrentWire->Segment(0).length, 0.3);
    EXPECT_EQ(c->CurrentWire->Segment(5).material.Modulus, 50000);
    EXPECT_EQ(c->CurrentWire->Corner(), d.CurrentWire->Corner());
    EXPECT_EQ(c->CurrentWire->EndDirection(), d.CurrentWire->EndDirection());
    EXPECT_EQ(c->LeftForce.m, d.LeftForce.m);
    EXPECT_EQ(c->CurrentWire->Origin(), c->LeftBracket.Origin());
    EXPECT_EQ(c->RightForce.origin, c->RightBracket.Origin());
    EXPECT_NE(c->RightBracket.Origin(), d.RightBracket.Origin());
    c->LeftBracket.Origin()->SetXY(0, 0);
    c->CurrentWire->Unload();
    EXPECT_EQ(d.LeftBracket.Origin()->x, 10);
    EXPECT_NE(d.CurrentWire->MaxStrain(), 0);
}

TEST(ActivationCurveTest, SlidingSlotStepsCarryNoForceAlongTheSlot) {
    // A straight 15 mm wire with a 2 degree V-bend 1.5 mm from the left
    // bracket, the right bracket on the left one's line: engaged in a slot
    // it slides along.
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    for (int i = 1; i < 60; ++i) w.AddSeg(0.25, 0);
    w.BendSeg(5, ToRadians(2));
    d.RightBracket.Origin()->SetXY(25, 10);
    d.RightBracket.SetDirection(0);
    TCurveSettings s;
    s.Steps = 4;
    s.WireSlides = true;
    s.ToleranceDistance = 1e-6;
    s.ToleranceAngle = 1e-5;
    TActivationCurve curve(d, s);
    curve.Run();
    ASSERT_TRUE(curve.Complete());
    EXPECT_TRUE(SlidingTarget(curve.RunSettings()));
    for (const TCurveStep& st : curve.Steps()) {
        // No force along the step's slot, and the load acts on its line.
        const double b = st.rightDirection;
        EXPECT_NEAR(st.right.x * std::cos(b) + st.right.y * std::sin(b), 0, 1e-9 * (1 + std::abs(st.right.y)));
        const TPointReal& p = st.rightLoadPoint;
        const TPointReal& t = st.rightOrigin;
        EXPECT_NEAR(-std::sin(b) * (p.x - t.x) + std::cos(b) * (p.y - t.y), 0, 1e-9);
    }
    EXPECT_EQ(curve.Steps().back().rightDirection, 0);
    const TCurveStep& last = curve.Steps().back();
    EXPECT_NE(last.rightLoadPoint, last.rightOrigin);  // the end slid along the slot

    // The last step is the plain sliding activation.
    TActivationSettings plain = curve.RunSettings();
    const auto fresh = CopyDesign(d);
    ASSERT_EQ(PlainActivation(*fresh, plain), TStepEnd::Met);
    EXPECT_LT(std::abs(last.right.y - fresh->RightForce.y) / std::abs(fresh->RightForce.y), 0.005);
    const double freshAtBracket = LoadMovedTo(fresh->RightForce, fresh->RightBracket.Origin()).m;
    const double lastAtBracket =
        LoadMovedTo(TForceMoment(MakePoint(last.rightLoadPoint.x, last.rightLoadPoint.y), last.right.x, last.right.y,
                                 last.right.m),
                    MakePoint(last.rightOrigin.x, last.rightOrigin.y))
            .m;
    EXPECT_LT(std::abs(lastAtBracket - freshAtBracket) / std::abs(freshAtBracket), 0.005);
}
