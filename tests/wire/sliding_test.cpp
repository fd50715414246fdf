// Protects the sliding slot: a straight wire with a V-bend or a step bend, engaged in a slot it slides along, gets the bracket couples of linear beam theory and no force along the slot, while the load's point, the balance and the return to a fixed slot stay right.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "wire/activation_run.h"
#include "mechanics_test_support.h"

using namespace torvik;

namespace {

constexpr double Span = 15.0;  // mm: 60 segments of 0.25 mm

// A straight wire of aSpan along direction phi from the left bracket at
// (10, 10), bent by the given angles at the given distances (mm, multiples
// of 0.25) from the bracket; the right bracket lies on the left bracket's
// line at aSpan, in the same direction, so that the bends alone activate it.
void BuildBent(TDesign& d, const std::vector<std::pair<double, double>>& bends, double phi = 0,
               double aSpan = Span) {
    d.LeftBracket.SetDirection(Pi + phi);
    d.AttachToBrackets();
    TWire& w = *d.CurrentWire;
    const int segments = static_cast<int>(std::lround(aSpan / 0.25));
    for (int i = 1; i < segments; ++i) w.AddSeg(0.25, 0);
    for (const auto& [at, angle] : bends) w.BendSeg(static_cast<int>(std::lround(at / 0.25)) - 1, angle);
    d.RightBracket.Origin()->SetXY(10 + aSpan * std::cos(phi), 10 + aSpan * std::sin(phi));
    d.RightBracket.SetDirection(phi);
}

TActivationSettings Sliding() {
    TActivationSettings s;
    s.WireSlides = true;
    s.ToleranceDistance = 1e-9;
    s.ToleranceAngle = 1e-9;
    return s;
}

using test::RunToStop;

// The force of the right load along the slot, cN.
double ForceAlongSlot(const TDesign& d) {
    const double b = d.RightBracket.Direction();
    return d.RightForce.x * std::cos(b) + d.RightForce.y * std::sin(b);
}

// The loads on the wire are in equilibrium, each taken at its own point.
void ExpectBalanced(const TDesign& d) {
    const TForceMoment& r = d.RightForce;
    const TForceMoment& l = d.LeftForce;
    EXPECT_EQ(l.x, -r.x);
    EXPECT_EQ(l.y, -r.y);
    const TPointReal p(3, 7);
    const auto moment = [&p](const TForceMoment& f) {
        return f.m + (f.origin->x - p.x) * f.y - (f.origin->y - p.y) * f.x;
    };
    EXPECT_NEAR(moment(l) + moment(r), 0, 1e-9 * (1 + std::abs(r.m) + std::abs(l.m)));
    EXPECT_EQ(l.origin, d.LeftBracket.Origin());
}

double Rel(double got, double want) { return std::abs(got - want) / std::abs(want); }

}  // namespace

// The bracket couples of a V-bend, from linear beam theory.
//
// Take the wire as a beam along x from the left bracket (x = 0) to the wire
// end (x = L), y downwards as displayed, angles and moments positive from +x
// towards +y. Each segment turns by its length / EI times the moment m(x),
// about the section at x, of the load at the wire end, counted in that sense
// (the segment's Deform uses minus this moment): so w'' = m(x) / EI, and
// m(L) = RightForce.m while the balance gives LeftForce.m = -m(0). With no
// force along the wire, m is linear: m(x) = m0 (1 - x/L) + mL x/L.
//
// A kink theta at x = a (the `angle` of the segment ending there) adds theta
// to the slope. The wire end in the slot has slope 0 and deflection 0:
//   slope:      integral of m / EI over [0, L] + theta = 0
//               => m0 + mL = -2 EI theta / L
//   deflection: integral of (L - x) m / EI over [0, L] + theta (L - a) = 0
//               => L^2 (m0 / 3 + mL / 6) = -EI theta (L - a)
// so m0 = -2 EI theta (2L - 3a) / L^2 and mL = -2 EI theta (3a - L) / L^2.
// The internal moments at the brackets are 2 EI theta (2L - 3a) / L^2 and
// 2 EI theta (3a - L) / L^2 in size, and the program reads out
//   LeftForce.m  =  2 EI theta (2L - 3a) / L^2
//   RightForce.m = -2 EI theta (3a - L) / L^2,
// whose ratio right / left is -(3a - L) / (2L - 3a): +0.41, +0.29, 0, -0.25
// and -1 at a / L = 0.1, 0.2, 1/3, 0.4 and 0.5.
TEST(SlidingTest, VBendGivesTheCouplesOfBeamTheory) {
    struct TCase {
        double a;      // mm from the left bracket
        double ratio;  // right / left couple, the table's value
    };
    const std::array<TCase, 5> table = {{{1.5, 0.41}, {3, 0.29}, {5, 0}, {6, -0.25}, {7.5, -1}}};
    for (const double theta : {ToRadians(1), ToRadians(-2)}) {
        for (const TCase& c : table) {
            SCOPED_TRACE("a/L " + std::to_string(c.a / Span) + " theta " + std::to_string(ToDegrees(theta)));
            TDesign d(0.25, DefaultStock());
            BuildBent(d, {{c.a, theta}});
            const double EI = d.CurrentWire->Segment(0).Stiffness();
            const double L = Span, a = c.a;
            ASSERT_EQ(RunToStop(d, Sliding()), TStopReason::Tolerance);

            const double left = 2 * EI * theta * (2 * L - 3 * a) / (L * L);
            const double right = -2 * EI * theta * (3 * a - L) / (L * L);
            EXPECT_LT(Rel(d.LeftForce.m, left), 0.005) << d.LeftForce.m << " vs " << left;
            if (c.ratio == 0) {
                EXPECT_LT(std::abs(d.RightForce.m), 0.01 * std::abs(d.LeftForce.m)) << d.RightForce.m;
            } else {
                EXPECT_LT(Rel(d.RightForce.m, right), 0.005) << d.RightForce.m << " vs " << right;
                EXPECT_NEAR(d.RightForce.m / d.LeftForce.m, c.ratio, 0.005);
            }
            // The slot holds the wire across itself only.
            EXPECT_EQ(d.RightForce.x, 0);
            EXPECT_NE(d.RightForce.y, 0);
            EXPECT_LE(std::abs(EndOffsetAcross(d)), 1e-9);
            EXPECT_LE(EndAngle(d), 1e-9);
            ExpectBalanced(d);
        }
    }
}

// A step bend: the kinks +beta at a1 and -beta at a2 add up, by the formulas
// above, to LeftForce.m = RightForce.m = 6 EI beta (a2 - a1) / L^2 wherever
// the step lies: equal couples of the same sense.
TEST(SlidingTest, StepBendGivesEqualCouplesOfTheSameSense) {
    const double beta = ToRadians(1.5);
    for (const auto& [a1, a2] : {std::pair{6.0, 9.0}, std::pair{2.0, 4.5}}) {
        SCOPED_TRACE("step from " + std::to_string(a1) + " to " + std::to_string(a2));
        TDesign d(0.25, DefaultStock());
        BuildBent(d, {{a1, beta}, {a2, -beta}});
        const double EI = d.CurrentWire->Segment(0).Stiffness();
        ASSERT_EQ(RunToStop(d, Sliding()), TStopReason::Tolerance);
        const double couple = 6 * EI * beta * (a2 - a1) / (Span * Span);
        EXPECT_LT(Rel(d.LeftForce.m, couple), 0.005) << d.LeftForce.m << " vs " << couple;
        EXPECT_LT(Rel(d.RightForce.m, couple), 0.005) << d.RightForce.m << " vs " << couple;
        EXPECT_EQ(d.RightForce.x, 0);
        ExpectBalanced(d);
    }
}

TEST(SlidingTest, TheSlotsDirectionDoesNotMatter) {
    // The V-bend at a fifth of the span, the whole design turned: the same
    // couples, and the force stays across the turned slot.
    TDesign flat(0.25, DefaultStock()), turned(0.25, DefaultStock());
    BuildBent(flat, {{3, ToRadians(1)}});
    BuildBent(turned, {{3, ToRadians(1)}}, 2.2);
    ASSERT_EQ(RunToStop(flat, Sliding()), TStopReason::Tolerance);
    ASSERT_EQ(RunToStop(turned, Sliding()), TStopReason::Tolerance);
    EXPECT_LT(Rel(turned.LeftForce.m, flat.LeftForce.m), 1e-4);
    EXPECT_LT(Rel(turned.RightForce.m, flat.RightForce.m), 1e-4);
    EXPECT_LT(Rel(turned.RightForce.Magnitude(), flat.RightForce.Magnitude()), 1e-4);
    EXPECT_LT(std::abs(ForceAlongSlot(turned)), 1e-12 * turned.RightForce.Magnitude());
    ExpectBalanced(turned);
}

TEST(SlidingTest, TheLoadActsWhereTheWireEndSitsInTheSlot) {
    TDesign d(0.25, DefaultStock());
    BuildBent(d, {{1.5, ToRadians(2)}});
    const TPointRef bracketPoint = d.RightBracket.Origin();
    ASSERT_EQ(RunToStop(d, Sliding()), TStopReason::Tolerance);

    // The bracket's point has not moved; the load has a point of its own, at
    // the wire end, short of the bracket's point because the bent wire is
    // shorter than the span it was placed for.
    EXPECT_EQ(d.RightBracket.Origin(), bracketPoint);
    EXPECT_EQ(*bracketPoint, TPointReal(10 + Span, 10));
    EXPECT_FALSE(d.LoadAtBracket());
    EXPECT_EQ(d.CurrentWire->Origin(), d.LeftBracket.Origin());
    const TPointReal end = d.CurrentWire->Corner();
    EXPECT_NEAR(d.RightForce.origin->x, end.x, 1e-6);
    EXPECT_EQ(d.RightForce.origin->y, 10);
    EXPECT_LT(EndOffsetAlong(d), -1e-4);
    EXPECT_GT(EndOffsetAlong(d), -0.01);
    EXPECT_NEAR(EndOffsetAlong(d), end.x - bracketPoint->x, 1e-12);
    // The wire is deformed under RightForce where it acts. (A wire deformed
    // once from rest differs a little from one deformed step by step: each
    // pass starts from the previous deflection.)
    TDesign twin(0.25, DefaultStock());
    BuildBent(twin, {{1.5, ToRadians(2)}});
    twin.RightForce = d.RightForce;
    twin.DeformUnderLoad();
    const TPointReal twinEnd = twin.CurrentWire->Corner();
    EXPECT_NEAR(twinEnd.x, end.x, 1e-6);
    EXPECT_NEAR(twinEnd.y, end.y, 1e-6);

    // Back to the fixed slot: the same load returns to the bracket's point
    // first, so the wire keeps its shape, and the run then holds the end there.
    TDesign moved(0.25, DefaultStock());
    BuildBent(moved, {{1.5, ToRadians(2)}});
    moved.RightForce = LoadMovedTo(d.RightForce, moved.RightBracket.Origin());
    EXPECT_TRUE(moved.LoadAtBracket());
    moved.DeformUnderLoad();
    EXPECT_NEAR(moved.CurrentWire->Corner().x, twinEnd.x, 1e-12);
    EXPECT_NEAR(moved.CurrentWire->Corner().y, twinEnd.y, 1e-12);
    TActivationSettings fixed = Sliding();
    fixed.WireSlides = false;
    TActivationRun run;
    ASSERT_EQ(run.Iterate(d, fixed).stop, TStopReason::None);
    EXPECT_TRUE(d.LoadAtBracket());
    EXPECT_EQ(d.RightForce.origin, bracketPoint);
    EXPECT_EQ(*bracketPoint, TPointReal(10 + Span, 10));
    ExpectBalanced(d);
}

TEST(SlidingTest, StepsFollowTheSlotStepsRecipe) {
    // A twin design is put through the recipe by hand: the load moved to the
    // foot of the wire end, its force along the slot taken off, probes of
    // 0.1 cN across and 10 cN.mm first and a tenth of the last step after,
    // signed to close the gap, and a fifth of the solve applied.
    const auto prepare = [](TDesign& d) {
        BuildBent(d, {{4, ToRadians(1)}}, 0.3);
        d.RightForce.x = 40;  // left from a fixed slot: along the slot too
        d.RightForce.y = -5;
        d.RightForce.m = 30;
        d.DeformUnderLoad();
    };
    TDesign d(0.25, DefaultStock()), twin(0.25, DefaultStock());
    prepare(d);
    prepare(twin);
    TWire& w = *twin.CurrentWire;
    const TPointReal T = *twin.RightBracket.Origin();
    const double B = twin.RightBracket.Direction();
    const double ux = std::cos(B), uy = std::sin(B), nx = -std::sin(B), ny = std::cos(B);
    TActivationSettings s = Sliding();
    s.AutoStop = false;
    TActivationRun run;
    double deltaN = 0, deltaM = 0;
    for (int iteration = 0; iteration < 3; ++iteration) {
        const TForceMoment F0 = twin.RightForce;
        const TPointReal C = w.Corner();
        const double along = (C.x - T.x) * ux + (C.y - T.y) * uy;
        const TPointReal P(T.x + along * ux, T.y + along * uy);
        const double fn = F0.x * nx + F0.y * ny;
        const double fm = F0.m + (F0.origin->x - P.x) * F0.y - (F0.origin->y - P.y) * F0.x;
        const double fx = fn * nx, fy = fn * ny;
        w.Deform(P, fx, fy, fm);
        const TPointReal C0 = w.Corner();
        const double D0 = w.EndDirection();
        const double en = (T.x - C0.x) * nx + (T.y - C0.y) * ny, ea = AngleDiff(B, D0);
        const double pn = deltaN != 0 ? std::abs(0.1 * deltaN) : 0.1;
        const double pm = deltaM != 0 ? std::abs(0.1 * deltaM) : 10;
        const double sn = en >= 0 ? pn : -pn, sm = AngleDiff(D0, B) > 0 ? -pm : pm;
        w.Deform(P, fx + sn * nx, fy + sn * ny, fm);
        const double dn1 = (w.Corner().x - C0.x) * nx + (w.Corner().y - C0.y) * ny;
        const double da1 = AngleDiff(w.EndDirection(), D0);
        w.Deform(P, fx, fy, fm + sm);
        const double dn2 = (w.Corner().x - C0.x) * nx + (w.Corner().y - C0.y) * ny;
        const double da2 = AngleDiff(w.EndDirection(), D0);
        const double det = dn1 * da2 - dn2 * da1;
        const double stepN = sn * ((en * da2 - ea * dn2) / det) / 5;
        const double stepM = sm * ((dn1 * ea - da1 * en) / det) / 5;
        w.Deform(P, fx + stepN * nx, fy + stepN * ny, fm + stepM);
        twin.RightForce = TForceMoment(MakePoint(P.x, P.y), fx + stepN * nx, fy + stepN * ny, fm + stepM);
        deltaN = stepN;
        deltaM = stepM;

        ASSERT_EQ(run.Iterate(d, s).stop, TStopReason::None);
        EXPECT_NEAR(run.Delta().x * nx + run.Delta().y * ny, stepN, 1e-12 * std::abs(stepN)) << iteration;
        EXPECT_NEAR(run.Delta().m, stepM, 1e-12 * std::abs(stepM)) << iteration;
        EXPECT_NEAR(d.RightForce.m, twin.RightForce.m, 1e-12 * std::abs(fm)) << iteration;
        EXPECT_NEAR(d.CurrentWire->Corner().x, w.Corner().x, 1e-12) << iteration;
        EXPECT_NEAR(d.CurrentWire->Corner().y, w.Corner().y, 1e-12) << iteration;
        EXPECT_LT(std::abs(ForceAlongSlot(d)), 1e-12 * d.RightForce.Magnitude()) << iteration;
        ExpectBalanced(d);
    }
}

TEST(SlidingTest, StopsAndFailsByTheSlotsRules) {
    // Already in the slot, wherever along it: one iteration, then a stop.
    TDesign in(0.25, DefaultStock());
    BuildBent(in, {});
    in.RightBracket.Origin()->SetXY(10 + Span + 0.7, 10);
    TActivationRun once;
    EXPECT_EQ(once.Iterate(in, TActivationSettings{.WireSlides = true}).stop, TStopReason::Tolerance);
    EXPECT_EQ(once.Iterations(), 1);
    // The fixed slot would have to stretch the wire by 0.7 mm.
    EXPECT_NE(RunToStop(in, TActivationSettings{}, 3), TStopReason::Tolerance);

    // The tolerances are the offset across the slot and the angle: a wire
    // end 0.13 mm across the slot is not in it at 0.01 mm after one step.
    TDesign off(0.25, DefaultStock());
    BuildBent(off, {{7.5, ToRadians(1)}});
    TActivationSettings loose;
    loose.WireSlides = true;
    loose.ToleranceDistance = 0.01;
    TActivationRun r;
    TIterationResult first = r.Iterate(off, loose);
    EXPECT_EQ(first.stop, TStopReason::None);
    ASSERT_EQ(RunToStop(off, loose), TStopReason::Tolerance);
    EXPECT_LE(std::abs(EndOffsetAcross(off)), 0.01);

    // A V-bend too sharp for a short wire overstrains it.
    TDesign sharp(0.25, DefaultStock());
    BuildBent(sharp, {{0.5, ToRadians(60)}}, 0, 1.0);
    TIterationResult strained;
    TActivationRun sr;
    for (int i = 0; i < 2000 && strained.stop == TStopReason::None; ++i) strained = sr.Iterate(sharp, Sliding());
    EXPECT_EQ(strained.stop, TStopReason::Overstrain);
    EXPECT_EQ(strained.message, "Excessive activation detected!");

    // A zero modulus: the step fails, and RightForce keeps its value and its
    // point at the bracket.
    TWireStock soft = DefaultStock();
    soft.Material.Modulus = 0;
    TDesign z(0.25, soft);
    BuildBent(z, {{3, 0.1}});
    z.RightForce.y = 1;
    TActivationRun zr;
    const TIterationResult e = zr.Iterate(z, Sliding());
    EXPECT_EQ(e.stop, TStopReason::Error);
    EXPECT_EQ(e.message, "Error in activation!");
    EXPECT_EQ(z.RightForce.y, 1);
    EXPECT_EQ(z.RightForce.m, 0);
    EXPECT_TRUE(z.LoadAtBracket());
}

TEST(SlidingTest, TheTargetIsTheSlotWithTheWireSliding) {
    TActivationSettings s;
    EXPECT_FALSE(SlidingTarget(s));
    EXPECT_STREQ(TargetCaption(s), "Slot");
    s.WireSlides = true;
    EXPECT_TRUE(SlidingTarget(s));
    EXPECT_STREQ(TargetCaption(s), "Slot (sliding)");
    // The switch only concerns the slot.
    s.TargetMode = TargetPoint;
    EXPECT_FALSE(SlidingTarget(s));
    EXPECT_STREQ(TargetCaption(s), "Point");
    s.TargetMode = TargetAngle;
    EXPECT_STREQ(TargetCaption(s), "Angle");
    s.TargetMode = 7;  // solved as a slot
    EXPECT_TRUE(SlidingTarget(s));
}
