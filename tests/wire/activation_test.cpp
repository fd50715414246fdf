// Protects the activation: the loads it finds agree with linear beam theory
// (Castigliano), the left bracket balances the right one, the run stops for
// the right reasons, and a failed step leaves a consistent state.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "wire/activation_run.h"
#include "mechanics_test_support.h"

using namespace torvik;

namespace {

using test::Compliance;
using test::Mat3;
using test::Solve3;

// 5 mm along the start direction, a 90 degree bend, 5 mm on.
void BuildL(TDesign& d) {
    TWire& w = *d.CurrentWire;
    for (int i = 1; i < 20; ++i) w.AddSeg(0.25, i == 19 ? Pi / 2 : 0);
    for (int i = 0; i < 20; ++i) w.AddSeg(0.25, 0);
}

using test::RunToStop;

void ExpectBalanced(const TDesign& d) {
    const TForceMoment& r = d.RightForce;
    const TForceMoment& l = d.LeftForce;
    EXPECT_EQ(l.x, -r.x);
    EXPECT_EQ(l.y, -r.y);
    // The moments about any point cancel, counted in the direction sense
    // (from +x towards +y) as the wire's mechanics count them.
    const TPointReal p(3, 7);
    const auto moment = [&p](const TForceMoment& f) {
        return f.m + (f.origin->x - p.x) * f.y - (f.origin->y - p.y) * f.x;
    };
    EXPECT_NEAR(moment(l) + moment(r), 0, 1e-9 * (1 + std::abs(r.m)));
    EXPECT_EQ(l.origin, d.LeftBracket.Origin());
}

double Rel(double got, double want) { return std::abs(got - want) / std::abs(want); }

}  // namespace

TEST(ActivationTest, AngleModeNeedsTheBendingMoment) {
    TDesign d(0.25, DefaultStock());
    for (int i = 1; i < 40; ++i) d.CurrentWire->AddSeg(0.25, 0);
    const double L = d.CurrentWire->TotalLength();
    const double EI = d.CurrentWire->Segment(0).Stiffness();
    const double theta = 0.01;
    d.RightBracket.Origin()->SetXY(d.CurrentWire->Corner().x, d.CurrentWire->Corner().y);
    d.RightBracket.SetDirection(theta);
    TActivationSettings s;
    s.TargetMode = TargetAngle;
    s.ToleranceAngle = 1e-9;
    ASSERT_EQ(RunToStop(d, s), TStopReason::Tolerance);
    EXPECT_LT(Rel(d.RightForce.m, EI * theta / L), 0.005);
    EXPECT_EQ(d.RightForce.x, 0);  // only the moment changes
    EXPECT_EQ(d.RightForce.y, 0);
    ExpectBalanced(d);
}

TEST(ActivationTest, PointAndSlotMatchCastigliano) {
    const std::array<std::array<double, 2>, 3> moves = {{{0.004, 0}, {0, -0.003}, {0.003, 0.002}}};
    for (const auto& mv : moves) {
        for (int mode : {TargetPoint, TargetSlot}) {
            SCOPED_TRACE(std::string(TargetName(mode)) + " move " + std::to_string(mv[0]) + "," + std::to_string(mv[1]));
            TDesign d(0.25, DefaultStock());
            BuildL(d);
            const TWire& w = *d.CurrentWire;
            const Mat3 c = Compliance(w);
            const TPointReal tip = w.Corner();
            d.RightBracket.Origin()->SetXY(tip.x + mv[0], tip.y + mv[1]);
            d.RightBracket.SetDirection(w.EndDirection());

            std::array<double, 3> want{};
            if (mode == TargetSlot) {
                want = Solve3(c, {mv[0], mv[1], 0});
            } else {
                const double det = c[0][0] * c[1][1] - c[0][1] * c[1][0];
                want = {(c[1][1] * mv[0] - c[0][1] * mv[1]) / det, (c[0][0] * mv[1] - c[1][0] * mv[0]) / det, 0};
            }
            TActivationSettings s;
            s.TargetMode = mode;
            s.ToleranceDistance = 1e-8;
            s.ToleranceAngle = 1e-8;
            ASSERT_EQ(RunToStop(d, s), TStopReason::Tolerance);
            const double scale = std::hypot(want[0], want[1]);
            EXPECT_LT(std::abs(d.RightForce.x - want[0]) / scale, 0.005) << d.RightForce.x << " vs " << want[0];
            EXPECT_LT(std::abs(d.RightForce.y - want[1]) / scale, 0.005) << d.RightForce.y << " vs " << want[1];
            if (mode == TargetSlot)
                EXPECT_LT(Rel(d.RightForce.m, want[2]), 0.005) << d.RightForce.m << " vs " << want[2];
            else
                EXPECT_EQ(d.RightForce.m, 0);
            ExpectBalanced(d);
        }
    }
}

TEST(ActivationTest, ProbesStartFreshThenFollowTheLastStep) {
    // The first iteration of a run probes with 0.1 cN, 0.1 cN and 10 cN.mm
    // whatever RightForce holds; later ones with a tenth of the last step.
    // A twin design is put through the same recipe by hand.
    const auto prepare = [](TDesign& d) {
        BuildL(d);
        const TPointReal end = d.CurrentWire->Corner();
        d.RightBracket.Origin()->SetXY(end.x + 0.01, end.y - 0.02);
        d.RightBracket.SetDirection(d.CurrentWire->EndDirection() + 0.01);
        d.RightForce.x = 3;
        d.RightForce.y = -2;
        d.RightForce.m = 40;
        d.CurrentWire->Deform(*d.RightBracket.Origin(), 3, -2, 40);
    };
    for (int mode : {TargetPoint, TargetAngle}) {
        SCOPED_TRACE(TargetName(mode));
        TDesign d(0.25, DefaultStock()), twin(0.25, DefaultStock());
        prepare(d);
        prepare(twin);
        TWire& w = *twin.CurrentWire;
        const TPointReal T = *twin.RightBracket.Origin();
        const double B = twin.RightBracket.Direction();
        TActivationSettings s;
        s.TargetMode = mode;
        s.AutoStop = false;
        TActivationRun run;
        std::array<double, 3> delta{0, 0, 0};
        for (int iteration = 0; iteration < 2; ++iteration) {
            const TForceMoment F = twin.RightForce;
            const TPointReal C0 = w.Corner();
            const double D0 = w.EndDirection();
            const double px = delta[0] != 0 ? std::abs(0.1 * delta[0]) : 0.1;
            const double py = delta[1] != 0 ? std::abs(0.1 * delta[1]) : 0.1;
            const double pm = delta[2] != 0 ? std::abs(0.1 * delta[2]) : 10;
            const double sx = T.x - C0.x >= 0 ? px : -px, sy = T.y - C0.y >= 0 ? py : -py;
            const double sm = AngleDiff(D0, B) > 0 ? -pm : pm;
            std::array<double, 3> step{0, 0, 0};
            if (mode == TargetPoint) {
                w.Deform(T, F.x + sx, F.y, F.m);
                const double dx1 = w.Corner().x - C0.x, dy1 = w.Corner().y - C0.y;
                w.Deform(T, F.x, F.y + sy, F.m);
                const double dx2 = w.Corner().x - C0.x, dy2 = w.Corner().y - C0.y;
                const double ex = T.x - C0.x, ey = T.y - C0.y;
                const double k2 = (ex * dy1 - ey * dx1) / (dx2 * dy1 - dy2 * dx1);
                const double k1 = (ex - k2 * dx2) / dx1;
                step = {sx * k1 / 5, sy * k2 / 5, 0};
            } else {
                w.Deform(T, F.x, F.y, F.m + sm);
                const double da = AngleDiff(w.EndDirection(), D0);
                step = {0, 0, sm * AngleDiff(B, D0) / da};
            }
            w.Deform(T, F.x + step[0], F.y + step[1], F.m + step[2]);
            twin.RightForce.x += step[0];
            twin.RightForce.y += step[1];
            twin.RightForce.m += step[2];
            delta = step;

            ASSERT_EQ(run.Iterate(d, s).stop, TStopReason::None);
            EXPECT_EQ(run.Delta().x, step[0]) << iteration;
            EXPECT_EQ(run.Delta().y, step[1]) << iteration;
            EXPECT_EQ(run.Delta().m, step[2]) << iteration;
            EXPECT_EQ(d.CurrentWire->Corner(), w.Corner()) << iteration;
        }
    }
}

TEST(ActivationTest, StopsForTheRightReasons) {
    // Already in the slot: still one iteration, then an automatic stop.
    TDesign d(0.25, DefaultStock());
    for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, i == 10 ? 0.3 : 0);
    const TPointReal tip = d.CurrentWire->Corner();
    d.RightBracket.Origin()->SetXY(tip.x, tip.y);
    d.RightBracket.SetDirection(d.CurrentWire->EndDirection());
    TActivationRun run;
    TActivationSettings s;
    EXPECT_EQ(run.Iterate(d, s).stop, TStopReason::Tolerance);
    EXPECT_EQ(run.Iterations(), 1);

    // Manual stop: the run goes on however close it is.
    s.AutoStop = false;
    TActivationRun manual;
    for (int i = 0; i < 20; ++i) ASSERT_EQ(manual.Iterate(d, s).stop, TStopReason::None);

    // Converged to rounding, a manual run goes on quietly in every mode: the
    // tiny probes of a converged run are replaced by fresh ones.
    for (int mode : {TargetPoint, TargetAngle, TargetSlot}) {
        TDesign l(0.25, DefaultStock());
        BuildL(l);
        const TPointReal end = l.CurrentWire->Corner();
        l.RightBracket.Origin()->SetXY(end.x + 0.01, end.y - 0.02);
        l.RightBracket.SetDirection(l.CurrentWire->EndDirection() + 0.01);
        TActivationSettings manualSettings;
        manualSettings.TargetMode = mode;
        manualSettings.AutoStop = false;
        TActivationRun longRun;
        for (int i = 0; i < 400; ++i)
            ASSERT_EQ(longRun.Iterate(l, manualSettings).stop, TStopReason::None) << TargetName(mode) << " " << i;
        if (mode != TargetAngle) {
            EXPECT_LT(EndDistance(l), 1e-5);
        }
        if (mode != TargetPoint) {
            EXPECT_LT(EndAngle(l), 1e-5);
        }
    }

    // A far target overstrains the wire before it is reached.
    TDesign far(0.25, DefaultStock());
    for (int i = 1; i < 20; ++i) far.CurrentWire->AddSeg(0.25, 0);
    far.RightBracket.Origin()->SetXY(12, 14);
    far.RightBracket.SetDirection(Pi / 2);
    TActivationRun strained;
    TIterationResult r;
    for (int i = 0; i < 2000 && r.stop == TStopReason::None; ++i) r = strained.Iterate(far, TActivationSettings{});
    EXPECT_EQ(r.stop, TStopReason::Overstrain);
    EXPECT_EQ(r.message, "Excessive activation detected!");
    EXPECT_GT(far.CurrentWire->MaxStrain(), MaxElasticStrain);
}

TEST(ActivationTest, ErrorsLeaveAConsistentState) {
    // A straight wire pulled along its own axis: the x probe does not move
    // the end in x, so the solve divides by zero.
    TDesign d(0.25, DefaultStock());
    for (int i = 1; i < 8; ++i) d.CurrentWire->AddSeg(0.25, 0);
    d.RightBracket.Origin()->SetXY(d.CurrentWire->Corner().x + 1, 10);
    d.RightForce = TForceMoment(d.RightBracket.Origin(), 3, 0, 0);
    TActivationRun run;
    TIterationResult r = run.Iterate(d, TActivationSettings{});
    for (int i = 0; i < 100 && r.stop == TStopReason::None; ++i) r = run.Iterate(d, TActivationSettings{});
    ASSERT_EQ(r.stop, TStopReason::Error);
    EXPECT_EQ(r.message, "Error in activation!");
    // The wire shows the shape under the load that RightForce holds.
    const TForceMoment& f = d.RightForce;
    TDesign check(0.25, DefaultStock());
    for (int i = 1; i < 8; ++i) check.CurrentWire->AddSeg(0.25, 0);
    check.CurrentWire->Deform(*d.RightBracket.Origin(), f.x, f.y, f.m);
    EXPECT_NEAR(d.CurrentWire->Corner().x, check.CurrentWire->Corner().x, 1e-6);
    EXPECT_NEAR(d.CurrentWire->Corner().y, check.CurrentWire->Corner().y, 1e-6);
    EXPECT_EQ(f.x, 3);
    EXPECT_EQ(f.y, 0);

    // A zero modulus: the step fails, RightForce is untouched, and the wire
    // cannot even be deformed under it, so it is left unloaded.
    TWireStock soft = DefaultStock();
    soft.Material.Modulus = 0;
    TDesign z(0.25, soft);
    for (int i = 1; i < 8; ++i) z.CurrentWire->AddSeg(0.25, 0.1);
    z.RightForce.x = 1;
    TActivationRun zr;
    const TIterationResult e = zr.Iterate(z, TActivationSettings{});
    EXPECT_EQ(e.stop, TStopReason::Error);
    EXPECT_EQ(z.RightForce.x, 1);
    EXPECT_EQ(z.CurrentWire->MaxStrain(), 0);
    EXPECT_EQ(z.CurrentWire->Segment(3).deflection, 0);
}
