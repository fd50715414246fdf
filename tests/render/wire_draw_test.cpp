// Protects how the wire draws: strain range, thin lines, thick bands, node markers and their outline width, and segments far beyond any drawing surface.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/drawable.h"
#include "render/recording_canvas.h"
#include "render/strain_color.h"
#include "render/view_settings.h"
#include "wire/wire.h"

namespace torvik {
namespace {

// A wire of n segments of 0.25 mm from (10, 10) along +x.
class WireDraw : public ::testing::Test {
protected:
    TWire wire{0.25};
    TViewSettings view;
    TRecordingCanvas canvas;

    void Build(int n) {
        wire.SetOrigin(MakePoint(10, 10));
        wire.SetDirection(0);
        for (int i = 1; i < n; ++i) wire.AddSeg(0.25, 0);
    }
};

TEST_F(WireDraw, ThickBandOfAHorizontalSegment) {
    Build(1);
    view.DrawThickness = true;
    wire.Draw(canvas, view);
    ASSERT_EQ(canvas.count(TOpKind::Polygon), 1u);
    const TRecordedOp band = canvas.ofKind(TOpKind::Polygon)[0];
    // A, C, D, B with h = 20.32 and n = (0, -20.32).
    EXPECT_EQ(band.points, (std::vector<TPoint>{{1000, 980}, {1025, 980}, {1025, 1020}, {1000, 1020}}));
    EXPECT_EQ(band.pen.style, TPenStyle::Clear);
    EXPECT_EQ(band.pen.width, 0);
    EXPECT_EQ(band.brush, (TBrush{colors::White, TBrushStyle::Solid}));
    const auto edges = canvas.ofKind(TOpKind::Line);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_EQ(edges[0].points, (std::vector<TPoint>{{1000, 980}, {1025, 980}}));
    EXPECT_EQ(edges[1].points, (std::vector<TPoint>{{1000, 1020}, {1025, 1020}}));
    for (const auto& e : edges) EXPECT_EQ(e.pen, (TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy}));
}

TEST_F(WireDraw, ThinLinesAreBlackOrStrainColouredWithATenUnitPen) {
    Build(3);
    view.DrawThickness = false;
    wire.Segment(1).dAngle = -ToRadians(1.0);
    wire.Segment(2).dAngle = ToRadians(3.0);
    wire.Draw(canvas, view);
    auto lines = canvas.ofKind(TOpKind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{1000, 1000}, {1025, 1000}}));
    EXPECT_EQ(lines[2].points, (std::vector<TPoint>{{1050, 1000}, {1075, 1000}}));
    for (const auto& l : lines) EXPECT_EQ(l.pen, (TPen{colors::Black, 10, TPenStyle::Solid, TPenMode::Copy}));

    // Fixed range of 2 degrees: 0 blue, |-1| green, 3 red.
    canvas.clear();
    view.ViewStrain = true;
    wire.Draw(canvas, view);
    lines = canvas.ofKind(TOpKind::Line);
    EXPECT_EQ(lines[0].pen.color, TColor(0, 0, 255));
    EXPECT_EQ(lines[1].pen.color, TColor(0, 255, 0));
    EXPECT_EQ(lines[2].pen.color, TColor(255, 0, 0));

    // Automatic range: the most strained segment is red, so 1 of 3 degrees is 33 %.
    canvas.clear();
    view.StrainAutoRange = true;
    wire.Draw(canvas, view);
    lines = canvas.ofKind(TOpKind::Line);
    EXPECT_EQ(lines[1].pen.color, StrainColor(ToRadians(1.0), ToRadians(3.0)));
    EXPECT_EQ(lines[2].pen.color, TColor(255, 0, 0));

    // Thick mode colours the fill instead.
    canvas.clear();
    view.DrawThickness = true;
    wire.Draw(canvas, view);
    EXPECT_EQ(canvas.ofKind(TOpKind::Polygon).at(2).brush.color, TColor(255, 0, 0));
}

TEST_F(WireDraw, ZeroOrAbsurdRangeFallsBackToTwoDegrees) {
    Build(2);
    view.DrawThickness = false;
    view.ViewStrain = true;
    view.StrainAutoRange = true;  // nothing activated: the range is 0
    wire.Draw(canvas, view);
    for (const auto& l : canvas.ofKind(TOpKind::Line)) EXPECT_EQ(l.pen.color, TColor(0, 0, 255));

    wire.Segment(1).dAngle = ToRadians(1.0);
    view.StrainAutoRange = false;
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        canvas.clear();
        view.StrainMaxRange = bad;
        wire.Draw(canvas, view);
        EXPECT_EQ(canvas.ofKind(TOpKind::Line).at(1).pen.color, TColor(0, 255, 0)) << bad;
    }
}

TEST_F(WireDraw, ZeroLengthSegmentDrawsNoBandButLeavesTheEdgePen) {
    TWire dot(0.0);
    dot.SetOrigin(MakePoint(10, 10));
    view.DrawThickness = true;
    canvas.pen = TPen{colors::Red, 33, TPenStyle::Dot, TPenMode::NotXor};
    dot.Draw(canvas, view);
    EXPECT_TRUE(canvas.ops.empty());
    // The node markers drawn next get the one-pixel outline of thick mode.
    EXPECT_EQ(canvas.pen, (TPen{colors::Black, 0, TPenStyle::Solid, TPenMode::Copy}));

    // Inside a wire the neighbours still draw their bands.
    Build(1);
    wire.AddSeg(0.0, 0);
    wire.AddSeg(0.25, 0);
    canvas.clear();
    wire.Draw(canvas, view);
    EXPECT_EQ(canvas.count(TOpKind::Polygon), 2u);
    EXPECT_EQ(canvas.count(TOpKind::Line), 4u);
}

TEST_F(WireDraw, ASegmentFarBeyondAnySurfaceIsDrawnInItsDirectionUpToTheDrawableEdge) {
    // An overstrained wire: its second segment ends some 2e11 logical units
    // to the left, a little upwards; the third starts out there and runs
    // wholly outside.
    Build(1);
    wire.AddSeg(2e9, 0);
    wire.AddSeg(1.0, 0);
    wire.BendSeg(0, Pi - 1e-4);
    const TPointReal far = wire.Segment(1).Corner();
    ASSERT_LT(far.x * 100, -1.9e11);

    for (const bool thick : {false, true}) {
        view.DrawThickness = thick;
        canvas.clear();
        EXPECT_NO_THROW(wire.Draw(canvas, view)) << thick;
        const auto lines = canvas.ofKind(TOpKind::Line);
        ASSERT_EQ(lines.size(), thick ? 4u : 2u) << thick;
        // The line leaves the segment's start in its own direction and stops
        // at the edge of the drawable range.
        const TRecordedOp& out = lines[thick ? 2 : 1];
        const TPoint from = out.points[0], to = out.points[1];
        EXPECT_EQ(to.X, -static_cast<int>(DrawableLimit)) << thick;
        EXPECT_NEAR(std::atan2(to.Y - from.Y, to.X - from.X), Pi - 1e-4, 1e-6) << thick;
        EXPECT_EQ(canvas.count(TOpKind::Polygon), thick ? 2u : 0u);
    }
}

TEST_F(WireDraw, NodeMarkersOnlyWhenShownAndNotRunningWithTheSegmentPenWidth) {
    Build(3);
    view.DrawThickness = false;
    view.SelectedNode = 1;
    wire.Draw(canvas, view);
    EXPECT_EQ(canvas.count(TOpKind::Ellipse), 0u);

    view.MarkersShown = true;
    view.Running = true;
    canvas.clear();
    wire.Draw(canvas, view);
    EXPECT_EQ(canvas.count(TOpKind::Ellipse), 0u);

    view.Running = false;
    canvas.clear();
    wire.Draw(canvas, view);
    auto markers = canvas.ofKind(TOpKind::Ellipse);
    ASSERT_EQ(markers.size(), 3u);
    // Drawn after every segment, centred on the node, a third of the wire's width.
    EXPECT_EQ(canvas.ops.back().kind, TOpKind::Ellipse);
    EXPECT_EQ(markers[0].points, (std::vector<TPoint>{{1011, 986}, {1039, 1014}}));
    EXPECT_EQ(markers[0].pen.color, colors::Red);
    EXPECT_EQ(markers[1].pen.color, colors::Blue);
    EXPECT_EQ(markers[0].brush.color, colors::Black);
    for (const auto& m : markers) EXPECT_EQ(m.pen.width, 10);

    view.DrawThickness = true;
    canvas.clear();
    wire.Draw(canvas, view);
    markers = canvas.ofKind(TOpKind::Ellipse);
    ASSERT_EQ(markers.size(), 3u);
    for (const auto& m : markers) EXPECT_EQ(m.pen.width, 0);
}

}  // namespace
}  // namespace torvik
