// Protects the Newton solver on the loads: it finds the classic iteration's converged loads for every target, refines a stopped run to full engagement, and leaves the design untouched when it fails.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "../wire/mechanics_test_support.h"
#include "solve/newton.h"
#include "wire/design_copy.h"
#include "wire/design_file.h"
#include "wire/wire_edit.h"

using namespace torvik;

namespace {

const std::string kBenchData = TORVIK_BENCH_DATA;

std::unique_ptr<TDesign> Open(const std::string& aFile, double aSegmentSize, TWireStock aStock = DefaultStock()) {
    return LoadDesign(kBenchData + "/" + aFile, aSegmentSize, aStock);
}

// The sample closing loop, 311 segments of 0.1 mm, opened by 1 mm.
std::unique_ptr<TDesign> ClosingLoop() { return Open("closing_loop.tvk", 0.1); }

// A vertical loop in 0.016 x 0.022 steel as the tool panel builds it: 4 mm
// straight, up 6 mm, a 180 degree turn over 2 mm, down 6 mm, 4 mm on with a
// little toe-in; the right bracket 1 mm beyond the end in its direction.
std::unique_ptr<TDesign> VerticalLoop() {
    TWireStock stock = DefaultStock();
    stock.Size = DefaultCrossSectionTable()[4];
    auto d = std::make_unique<TDesign>(0.25, stock);
    TWire& w = *d->CurrentWire;
    const auto straight = [&](int mm) {
        for (int i = 0; i < mm; ++i) AppendPiece(w, PresetPiece(TPreset::Straight, 0.25));
    };
    const auto bend = [&](double deg) { BendNode(w, w.Count() - 1, deg); };
    straight(4);
    bend(-90);
    straight(6);
    AppendPiece(w, PresetPiece(TPreset::Right180, 0.25));
    straight(6);
    bend(-90);
    straight(4);
    bend(10);
    straight(1);
    bend(-10);
    straight(1);
    const TPointReal tip = w.Corner();
    const double dir = w.EndDirection();
    d->RightBracket.Origin()->SetXY(tip.x + std::cos(dir), tip.y + std::sin(dir));
    d->RightBracket.SetDirection(dir);
    return d;
}

// An L of 5 + 5 mm in 0.25 mm segments, the right bracket off its end.
std::unique_ptr<TDesign> LWire(double dx, double dy, double aTurn) {
    auto d = std::make_unique<TDesign>(0.25, DefaultStock());
    test::BuildL(*d, dx, dy, aTurn);
    return d;
}

TActivationSettings Settings(int aTarget, bool aSlides = false, double aDistance = 0.1, double aAngle = Pi / 180) {
    TActivationSettings s;
    s.TargetMode = aTarget;
    s.WireSlides = aSlides;
    s.ToleranceDistance = aDistance;
    s.ToleranceAngle = aAngle;
    return s;
}

// The load at the right bracket's point, whatever point it acts at.
TForceMoment AtBracket(const TDesign& d) { return LoadMovedTo(d.RightForce, d.RightBracket.Origin()); }

// The classic iteration from the design's load until it stops.
TStopReason Classic(TDesign& d, const TActivationSettings& s) { return test::RunToStop(d, s, 20000); }

// Loads equal within aRelative of the force's size (forces) and of the
// moment's size (moment).
void ExpectSameLoads(const TForceMoment& a, const TForceMoment& b, double aRelative) {
    const double force = std::hypot(b.x, b.y);
    EXPECT_NEAR(a.x, b.x, aRelative * force);
    EXPECT_NEAR(a.y, b.y, aRelative * force);
    EXPECT_NEAR(a.m, b.m, aRelative * std::abs(b.m));
}

// Every number of the design's loads and of the wire's shape.
std::vector<double> Snapshot(const TDesign& d) {
    std::vector<double> v = {d.RightForce.x, d.RightForce.y, d.RightForce.m, d.RightForce.origin->x,
                             d.RightForce.origin->y, d.LeftForce.x, d.LeftForce.y, d.LeftForce.m};
    for (const TWireSeg& s : d.CurrentWire->Segments())
        v.insert(v.end(), {s.origin->x, s.origin->y, s.direction, s.dAngle, s.deflection});
    return v;
}

// The design holds the converged load: its balance at the left bracket, the
// wire deformed under it (a further pass moves nothing), the gap closed.
void ExpectConvergedState(TDesign& d, const TActivationSettings& s, const TSolveTolerances& tol) {
    const TForceMoment right = d.RightForce, left = d.LeftForce;
    d.CalcLeftForce();
    EXPECT_EQ(d.LeftForce.x, left.x);
    EXPECT_EQ(d.LeftForce.m, left.m);
    EXPECT_EQ(d.RightForce.m, right.m);
    const TPointReal corner = d.CurrentWire->Corner();
    d.DeformUnderLoad();
    EXPECT_NEAR(Distance(d.CurrentWire->Corner(), corner), 0, 1e-3 * tol.Distance);
    if (s.TargetMode != TargetAngle) {
        EXPECT_LE(TargetDistance(d, s), tol.Distance);
    }
    if (s.TargetMode != TargetPoint) {
        EXPECT_LE(EndAngle(d), tol.Angle);
    }
}

}  // namespace

TEST(NewtonTest, FindsTheLoadsTheClassicIterationConvergesTo) {
    struct TCase {
        const char* name;
        std::unique_ptr<TDesign> d;
        TActivationSettings s;
    };
    TCase cases[] = {{"closing loop, Point", ClosingLoop(), Settings(TargetPoint)},
                     {"closing loop, Slot", ClosingLoop(), Settings(TargetSlot)},
                     {"vertical loop, Point", VerticalLoop(), Settings(TargetPoint)},
                     {"vertical loop, Slot", VerticalLoop(), Settings(TargetSlot)},
                     {"L, Angle", LWire(0.3, -0.2, 0.03), Settings(TargetAngle)},
                     {"L, Slot", LWire(0.3, -0.2, 0.03), Settings(TargetSlot)},
                     {"V-bend, sliding", Open("v_bend.tvk", 0.25), Settings(TargetSlot, true)}};
    // Both solvers taken far below the default tolerances, so that what is
    // compared is where they converge to.
    TSolveTolerances tight;
    tight.Distance = 1e-9;
    tight.Angle = 1e-9;
    for (TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto classic = CopyDesign(*c.d);
        ASSERT_EQ(Classic(*classic, Settings(c.s.TargetMode, c.s.WireSlides, 1e-11, 1e-11)), TStopReason::Tolerance);

        const TSolveResult r = SolveActivation(*c.d, c.s, tight);
        ASSERT_EQ(r.end, TSolveEnd::Converged) << r.message;
        EXPECT_TRUE(r.message.empty());
        EXPECT_LE(r.iterations, 6);  // Newton alone, from zero load
        EXPECT_GE(r.deforms, r.iterations * (c.s.TargetMode == TargetAngle ? 2 : 3));
        EXPECT_EQ(r.distance, TargetDistance(*c.d, c.s));
        EXPECT_EQ(r.angle, EndAngle(*c.d));
        ExpectSameLoads(AtBracket(*c.d), AtBracket(*classic), 1e-6);
        ExpectConvergedState(*c.d, c.s, tight);
        // Each target changes only its own load components.
        if (c.s.TargetMode == TargetPoint) {
            EXPECT_EQ(c.d->RightForce.m, 0);
        }
        if (c.s.TargetMode == TargetAngle) {
            EXPECT_EQ(c.d->RightForce.x, 0);
        }
        if (c.s.WireSlides) {
            // The sliding wire's load acts where its end sits in the slot,
            // with no force along the slot (here the x axis).
            EXPECT_FALSE(c.d->LoadAtBracket());
            EXPECT_EQ(c.d->RightForce.x, 0);
            EXPECT_EQ(*c.d->RightForce.origin, SlotFoot(*c.d));
        }
    }
}

TEST(NewtonTest, RefinesAStoppedRunToFullEngagement) {
    struct TCase {
        const char* name;
        std::unique_ptr<TDesign> d;
        TActivationSettings s;
    };
    TCase cases[] = {{"vertical loop", VerticalLoop(), Settings(TargetSlot)},
                     {"closing loop", ClosingLoop(), Settings(TargetSlot)},
                     {"V-bend, sliding", Open("v_bend.tvk", 0.25), Settings(TargetSlot, true, 1e-3, 1e-3)}};
    for (TCase& c : cases) {
        SCOPED_TRACE(c.name);
        // The run to a micrometre: the loads of full engagement.
        auto full = CopyDesign(*c.d);
        ASSERT_EQ(Classic(*full, Settings(TargetSlot, c.s.WireSlides, 1e-6, ToRadians(1e-5))), TStopReason::Tolerance);
        const TForceMoment engaged = AtBracket(*full);

        // The run at its tolerances stops short of them: the loops' loads
        // some ten per cent low.
        ASSERT_EQ(Classic(*c.d, c.s), TStopReason::Tolerance);
        const TForceMoment stopped = AtBracket(*c.d);
        if (!c.s.WireSlides) {
            EXPECT_LT(std::hypot(stopped.x, stopped.y), 0.95 * std::hypot(engaged.x, engaged.y));
        }

        const TSolveResult r = RefineLoads(*c.d, c.s);
        ASSERT_EQ(r.end, TSolveEnd::Converged) << r.message;
        EXPECT_LE(r.iterations, 3);
        ExpectSameLoads(AtBracket(*c.d), engaged, 5e-4);
        ExpectConvergedState(*c.d, c.s, TSolveTolerances{});
        if (c.s.WireSlides) {
            EXPECT_EQ(*c.d->RightForce.origin, SlotFoot(*c.d));
        }

        // Refined once more: nothing left to do, and nothing changes.
        const TForceMoment refined = c.d->RightForce;
        const TSolveResult again = RefineLoads(*c.d, c.s);
        EXPECT_EQ(again.end, TSolveEnd::Converged);
        EXPECT_EQ(again.iterations, 0);
        ExpectSameLoads(c.d->RightForce, refined, 1e-12);
    }
}

TEST(NewtonTest, FailureLeavesTheLoadsAndTheShapeAsTheyWere) {
    // A stopped run of the L-shaped wire held at its end and turned by
    // 1.25 rad: its equilibrium bends segments by more than 10 degrees.
    {
        auto d = LWire(0, 0, 1.25);
        const TActivationSettings s = Settings(TargetSlot);
        TActivationRun run;
        for (int i = 0; i < 5; ++i) ASSERT_EQ(run.Iterate(*d, s).stop, TStopReason::None);
        const std::vector<double> before = Snapshot(*d);
        const auto point = d->RightForce.origin;
        for (auto solve : {&RefineLoads, &SolveActivation}) {
            const TSolveResult r = solve(*d, s, {});
            EXPECT_EQ(r.end, TSolveEnd::Overstrain);
            EXPECT_EQ(r.message, "a segment would be bent by more than 10°");
            EXPECT_EQ(Snapshot(*d), before);
            EXPECT_EQ(d->RightForce.origin, point);
        }
    }
    // Too few iterations for the closing loop from zero load.
    {
        auto d = ClosingLoop();
        const std::vector<double> before = Snapshot(*d);
        TSolveTolerances one;
        one.MaxIterations = 1;
        const TSolveResult r = RefineLoads(*d, Settings(TargetSlot), one);
        EXPECT_EQ(r.end, TSolveEnd::NoConvergence);
        EXPECT_EQ(r.iterations, 1);
        EXPECT_EQ(r.message, "the solver did not converge within 1 iterations");
        EXPECT_EQ(Snapshot(*d), before);
        EXPECT_EQ(r.distance, EndDistance(*d));
    }
    // A wire without stiffness cannot take any load.
    {
        TWireStock soft = DefaultStock();
        soft.Material.Modulus = 0;
        TDesign d(0.25, soft);
        for (int i = 1; i < 8; ++i) d.CurrentWire->AddSeg(0.25, 0.1);
        d.RightBracket.Origin()->SetXY(13, 12);
        const std::vector<double> before = Snapshot(d);
        for (auto solve : {&RefineLoads, &SolveActivation}) {
            const TSolveResult r = solve(d, Settings(TargetSlot), {});
            EXPECT_EQ(r.end, TSolveEnd::Error);
            EXPECT_FALSE(r.message.empty());
            EXPECT_EQ(Snapshot(d), before);
        }
        EXPECT_STREQ(SolveEndName(TSolveEnd::Error), "error");
    }
}
