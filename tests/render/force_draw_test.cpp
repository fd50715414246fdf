// Protects how force-moments draw: anchors, arrow tips and moment radii, the reaction sense, pens (grey for stale loads) and absurd values.
#include <gtest/gtest.h>

#include <stdexcept>

#include "geometry/force_moment.h"
#include "render/recording_canvas.h"
#include "render/view_settings.h"

namespace torvik {
namespace {

TViewSettings Flags(int aFlags, double aScale = 1.0) {
    TViewSettings v;
    v.ViewFlags = aFlags;
    v.ForceScale = aScale;
    return v;
}

TRecordedOp Shaft(const TRecordingCanvas& c) { return c.ofKind(TOpKind::Line).at(0); }

TEST(ForceDraw, ArrowAndMomentFollowTheFlagsWithTheirPens) {
    TForceMoment fm(MakePoint(10, 10), 30, -40, 700);
    TRecordingCanvas c;
    fm.Draw(c, Flags(ViewForcesBit | ViewMomentsBit));
    // Arrow: shaft and two barbs as four lines; moment: arc and two head lines.
    ASSERT_EQ(c.count(TOpKind::Line), 6u);
    ASSERT_EQ(c.count(TOpKind::Arc), 1u);
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {1030, 960}}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.ops[i].pen, (TPen{colors::Blue, 10, TPenStyle::Solid, TPenMode::Copy}));
    const TRecordedOp arc = c.ofKind(TOpKind::Arc)[0];
    EXPECT_EQ(arc.points[0], (TPoint{1000, 1000}));
    EXPECT_EQ(arc.radius, 140);
    EXPECT_GT(arc.sweepAngle, 0);
    EXPECT_EQ(arc.pen, (TPen{colors::Red, 10, TPenStyle::Solid, TPenMode::Copy}));
    // Loads that no longer meet the bracket: both grey, the same figures.
    c.clear();
    TViewSettings stale = Flags(ViewForcesBit | ViewMomentsBit);
    stale.LoadsStale = true;
    fm.Draw(c, stale);
    ASSERT_EQ(c.count(TOpKind::Line), 6u);
    for (const TRecordedOp& op : c.ops) EXPECT_EQ(op.pen.color, colors::Grey);

    c.clear();
    fm.Draw(c, Flags(ViewMomentsBit));
    EXPECT_EQ(c.count(TOpKind::Arc), 1u);
    EXPECT_EQ(c.count(TOpKind::Line), 2u);
    c.clear();
    fm.Draw(c, Flags(ViewForcesBit));
    EXPECT_EQ(c.count(TOpKind::Arc), 0u);
    c.clear();
    fm.Draw(c, Flags(ViewBracketForcesBit));
    EXPECT_TRUE(c.ops.empty());
}

TEST(ForceDraw, ZeroForceAndSmallMomentDrawDegenerateFigures) {
    TForceMoment fm(MakePoint(10, 10), 0, 0, 2.5);
    TRecordingCanvas c;
    fm.Draw(c, Flags(ViewForcesBit | ViewMomentsBit));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {1000, 1000}}));
    // 2.5 / 5 = 0.5 rounds to the even 0.
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 0);
    c.clear();
    fm.m = 7.5;  // 1.5 rounds to 2
    fm.Draw(c, Flags(ViewMomentsBit));
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 2);
    c.clear();
    fm.m = -2.5 * 0.5;  // at scale 0.5 still within the half
    fm.Draw(c, Flags(ViewMomentsBit, 0.5));
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 0);
}

TEST(ForceDraw, BracketFlagShowsTheReaction) {
    TForceMoment fm(MakePoint(10, 10), 30, 0, 100);
    TRecordingCanvas c;
    fm.Draw(c, Flags(ViewForcesBit | ViewMomentsBit | ViewBracketForcesBit, 1.0));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {970, 1000}}));
    const TRecordedOp arc = c.ofKind(TOpKind::Arc).at(0);
    EXPECT_EQ(arc.radius, 20);
    EXPECT_LT(arc.sweepAngle, 0);  // the moment turns the other way too

    c.clear();
    fm.Draw(c, Flags(ViewForcesBit | ViewBracketForcesBit, 0.5));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {940, 1000}}));

    c.clear();
    fm.Draw(c, Flags(ViewForcesBit, 0.5));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {1060, 1000}}));
}

TEST(ForceDraw, AbsurdLoadsDrawNothingLargeAndAFarAnchorStaysDrawable) {
    TForceMoment fm(MakePoint(10, 10), 1e12, 0, 1e12);
    TRecordingCanvas c;
    fm.Draw(c, Flags(ViewForcesBit | ViewMomentsBit));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{1000, 1000}, {1000, 1000}}));
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 0);

    // A radius that fits but whose circle would not is drawn as a degenerate
    // circle.
    c.clear();
    fm.x = 0;
    fm.m = 5.0 * 2.14e9;
    fm.origin->SetXY(1e5, 0);
    fm.Draw(c, Flags(ViewMomentsBit));
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 0);

    // Zero or undefined scale: no arrow, no circle, no failure.
    c.clear();
    fm.origin->SetXY(1, 1);
    fm.Draw(c, Flags(ViewForcesBit | ViewMomentsBit, 0.0));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{100, 100}, {100, 100}}));
    EXPECT_EQ(c.ofKind(TOpKind::Arc).at(0).radius, 0);

    // A point of application beyond the drawable range (the end of a wildly
    // overstrained sliding wire) anchors the arrow at its edge.
    c.clear();
    fm.origin->SetXY(3e7, -3e9);
    fm.x = 10;
    fm.m = 0;
    fm.Draw(c, Flags(ViewForcesBit));
    EXPECT_EQ(Shaft(c).points, (std::vector<TPoint>{{10000000, -10000000}, {10000010, -10000000}}));
}

}  // namespace
}  // namespace torvik
