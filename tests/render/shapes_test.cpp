// Protects the shape primitives: marker hit test and pen handling, arrow barbs, circular arrow heads and overflow checks.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "render/recording_canvas.h"
#include "render/shapes.h"

namespace torvik {
namespace {

std::vector<TPoint> LinePoints(const TRecordingCanvas& c) {
    std::vector<TPoint> pts;
    for (const TRecordedOp& op : c.ofKind(TOpKind::Line)) {
        if (pts.empty() || !(pts.back() == op.points[0])) pts.push_back(op.points[0]);
        pts.push_back(op.points[1]);
    }
    return pts;
}

TEST(ShapeMarker, ContainsIsASquareTestForSquaresAndCircles) {
    TMarker square;
    square.SetShape("square");
    square.origin = {100, 100};
    square.size = 5;
    EXPECT_TRUE(square.Contains(105, 95));
    EXPECT_TRUE(square.Contains(95, 105));
    EXPECT_FALSE(square.Contains(106, 100));
    EXPECT_FALSE(square.Contains(100, 94));

    TMarker circle = square;
    circle.SetShape("circle");
    EXPECT_TRUE(circle.Contains(105, 105));

    // Far-apart coordinates must not overflow into a false hit.
    TMarker edge;
    edge.origin = {std::numeric_limits<int>::max(), 0};
    EXPECT_FALSE(edge.Contains(std::numeric_limits<int>::min(), 0));
}

TEST(ShapeMarker, DefaultsAndDrawingKeepTheCanvasPenWidthAndRestoreTheRest) {
    TMarker m;
    EXPECT_EQ(m.size, MarkerSize);
    EXPECT_EQ(m.Shape(), "circle");
    m.origin = {100, 200};

    TRecordingCanvas c;
    c.pen = TPen{colors::Grey, 10, TPenStyle::Dot, TPenMode::NotXor};
    c.brush = TBrush{colors::White, TBrushStyle::Clear};
    m.Draw(c);
    ASSERT_EQ(c.ops.size(), 1u);
    const TRecordedOp& op = c.ops[0];
    EXPECT_EQ(op.kind, TOpKind::Ellipse);
    EXPECT_EQ(op.points, (std::vector<TPoint>{{96, 196}, {104, 204}}));
    EXPECT_EQ(op.pen, (TPen{colors::Red, 10, TPenStyle::Solid, TPenMode::Copy}));
    EXPECT_EQ(op.brush, (TBrush{colors::Black, TBrushStyle::Clear}));
    // The four values the marker set are given back; width and style never changed.
    EXPECT_EQ(c.pen, (TPen{colors::Grey, 10, TPenStyle::Dot, TPenMode::NotXor}));
    EXPECT_EQ(c.brush, (TBrush{colors::White, TBrushStyle::Clear}));

    // After a one-pixel pen the same marker has a one-pixel outline.
    c.clear();
    c.pen.width = 0;
    m.Draw(c);
    EXPECT_EQ(c.ops.at(0).pen.width, 0);

    c.clear();
    m.SetShape("square");
    m.Draw(c);
    EXPECT_EQ(c.ops.at(0).kind, TOpKind::Rectangle);
    c.clear();
    m.SetShape("Square");  // names are compared exactly
    m.Draw(c);
    EXPECT_TRUE(c.ops.empty());
}

TEST(ShapeRectangle, TransfersItsPenAndBrushAndHasSignedSize) {
    TRectangle band;
    band.origin = {300, 400};
    band.corner = {100, 150};
    EXPECT_EQ(band.Width(), -200.0);
    EXPECT_EQ(band.Height(), -250.0);
    band.pen = TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor};
    band.brush.style = TBrushStyle::Clear;
    TRecordingCanvas c;
    band.Draw(c);
    ASSERT_EQ(c.ops.size(), 1u);
    EXPECT_EQ(c.ops[0].points, (std::vector<TPoint>{{300, 400}, {100, 150}}));
    EXPECT_EQ(c.pen, band.pen);
    EXPECT_EQ(c.brush, band.brush);
}

TEST(ShapeArrow, BarbsReachBackAFifthAndSpreadATenth) {
    TArrow a;
    a.corner = {100, 0};
    a.pen = TPen{colors::Blue, 10, TPenStyle::Solid, TPenMode::Copy};
    TRecordingCanvas c;
    a.Draw(c);
    EXPECT_EQ(LinePoints(c), (std::vector<TPoint>{{0, 0}, {100, 0}, {80, -10}, {100, 0}, {80, 10}}));
    for (const TRecordedOp& op : c.ops) EXPECT_EQ(op.pen, a.pen);

    // A diagonal arrow: barbs rounded half to even (2.5 -> 2, 17.5 -> 18).
    c = TRecordingCanvas();
    a.origin = {0, 0};
    a.corner = {25, -25};
    a.Draw(c);
    // barb1 = (25 - 5 - 2.5, -25 + 5 - 2.5) = (17.5, -22.5); barb2 = (25 - 5 + 2.5, -25 + 5 + 2.5) = (22.5, -17.5)
    EXPECT_EQ(LinePoints(c), (std::vector<TPoint>{{0, 0}, {25, -25}, {18, -22}, {25, -25}, {22, -18}}));

    // A zero-length arrow draws only degenerate lines at its point.
    c = TRecordingCanvas();
    a.origin = a.corner = {7, 9};
    a.Draw(c);
    for (const TRecordedOp& op : c.ops) EXPECT_EQ(op.points, (std::vector<TPoint>{{7, 9}, {7, 9}}));
}

TEST(ShapeArrow, BarbOutside32BitsRaisesAndFitsSaysSo) {
    TArrow a;
    // A vertical arrow near the right edge: its barbs spread beyond it.
    a.origin = {2100000000, -2000000000};
    a.corner = {2100000000, 0};
    EXPECT_FALSE(a.Fits());
    TRecordingCanvas c;
    EXPECT_THROW(a.Draw(c), std::range_error);
    EXPECT_TRUE(c.ops.empty());
    a.corner = {0, 0};
    EXPECT_TRUE(a.Fits());
}

TEST(ShapeCircularArrow, ClockwiseAndCounterClockwiseHeads) {
    TCircularArrow ca;
    ca.corner = {70, 70};
    TRecordingCanvas c;
    ca.Draw(c);
    ASSERT_EQ(c.count(TOpKind::Arc), 1u);
    const TRecordedOp arc = c.ofKind(TOpKind::Arc)[0];
    EXPECT_EQ(arc.points[0], (TPoint{0, 0}));
    EXPECT_EQ(arc.radius, 70);
    EXPECT_DOUBLE_EQ(arc.startAngle, Pi);  // leftmost point
    EXPECT_DOUBLE_EQ(arc.sweepAngle, 1.5 * Pi);  // over the top to the lowest point
    EXPECT_EQ(LinePoints(c), (std::vector<TPoint>{{18, 60}, {0, 70}, {18, 80}}));

    c = TRecordingCanvas();
    ca.corner = {-70, 12345};  // corner.Y is not used
    ca.origin = {0, 0};
    ca.Draw(c);
    const TRecordedOp ccw = c.ofKind(TOpKind::Arc).at(0);
    EXPECT_EQ(ccw.radius, 70);
    EXPECT_DOUBLE_EQ(ccw.startAngle, Pi);
    EXPECT_DOUBLE_EQ(ccw.sweepAngle, -1.5 * Pi);  // under the bottom to the top point
    EXPECT_EQ(LinePoints(c), (std::vector<TPoint>{{18, -60}, {0, -70}, {18, -80}}));

    // Offset origin: the head follows it.
    c = TRecordingCanvas();
    ca.origin = {1000, 2000};
    ca.corner = {28, 28};
    ca.Draw(c);
    EXPECT_EQ(LinePoints(c), (std::vector<TPoint>{{1007, 2024}, {1000, 2028}, {1007, 2032}}));
}

TEST(ShapeCircularArrow, FigureOutside32BitsRaises) {
    TCircularArrow ca;
    ca.origin = {0, 2000000000};
    ca.corner = {200000000, 0};
    EXPECT_FALSE(ca.Fits());
    TRecordingCanvas c;
    EXPECT_THROW(ca.Draw(c), std::range_error);
    EXPECT_TRUE(c.ops.empty());
    ca.corner = {std::numeric_limits<int>::min(), 0};
    ca.origin = {0, 0};
    EXPECT_FALSE(ca.Fits());
    EXPECT_THROW(ca.Draw(c), std::range_error);
}

TEST(RecordingCanvas, RecordsLinesFromTheCurrentPositionWithThePenInEffect) {
    TRecordingCanvas c;
    c.MoveTo(1, 2);
    c.pen.color = colors::Red;
    c.LineTo(3, 4);
    c.pen.color = colors::Blue;
    c.LineTo(5, 6);
    c.Polygon({{0, 0}, {1, 0}, {1, 1}});
    c.TextOut(10, 20, "abc");
    ASSERT_EQ(c.count(TOpKind::Line), 2u);
    const auto lines = c.ofKind(TOpKind::Line);
    EXPECT_EQ(lines[0].points, (std::vector<TPoint>{{1, 2}, {3, 4}}));
    EXPECT_EQ(lines[0].pen.color, colors::Red);
    EXPECT_EQ(lines[1].points, (std::vector<TPoint>{{3, 4}, {5, 6}}));
    EXPECT_EQ(lines[1].pen.color, colors::Blue);
    EXPECT_EQ(c.count(TOpKind::Polygon), 1u);
    EXPECT_EQ(c.ofKind(TOpKind::Text).at(0).text, "abc");
    EXPECT_EQ(c.TextExtent("abcd").cx, 32);
    EXPECT_EQ(c.TextExtent("abcd").cy, 16);
    EXPECT_EQ(c.DeviceToLogical({7, 8}), (TPoint{7, 8}));
    c.clear();
    EXPECT_TRUE(c.ops.empty());
    EXPECT_EQ(c.pen.color, colors::Blue);
}

}  // namespace
}  // namespace torvik
