// Protects the drawing of the teeth's centres of resistance: a dotted line
// from each bracket to its centre and a cross along and across the tooth's
// axis, only in scenes that ask for them, leaving the canvas as it was so the
// bracket markers keep their pen.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/force_moment.h"
#include "render/recording_canvas.h"
#include "render/resistance_draw.h"
#include "render/scene.h"
#include "render/view_settings.h"
#include "wire/bracket.h"
#include "wire/wire.h"

namespace torvik {
namespace {

bool Same(const TRecordedOp& op, TPoint a, TPoint b) {
    return (op.points[0] == a && op.points[1] == b) || (op.points[0] == b && op.points[1] == a);
}

TEST(ResistanceDrawTest, DottedLinesAndCrossesAtTheCentres) {
    TBracket left, right;
    left.SetOrigin(MakePoint(10, 10));
    left.SetDirection(Pi);
    right.SetOrigin(MakePoint(30, 12));
    right.SetDirection(Pi / 2 + 0.3);  // tilted: its normal has an x part

    TRecordingCanvas c;
    c.pen = TPen{colors::Blue, 10, TPenStyle::Solid, TPenMode::Copy};
    DrawResistanceCentres(c, left, right, TToothSettings{8, TRootSide::Down});
    const std::vector<TRecordedOp> lines = c.ofKind(TOpKind::Line);
    ASSERT_EQ(lines.size(), 6u);
    // The left tooth: roots down, 8 mm below the bracket.
    EXPECT_TRUE(Same(lines[0], TPoint{1000, 1000}, TPoint{1000, 1800}));
    EXPECT_EQ(lines[0].pen, (TPen{ResistanceColor, 0, TPenStyle::Dot, TPenMode::Copy}));
    EXPECT_TRUE(lines[0].transparentBackground);
    // Its arms at 45 degrees, 0.5 mm long each way.
    EXPECT_TRUE(Same(lines[1], TPoint{1035, 1765}, TPoint{965, 1835})) << lines[1];
    EXPECT_TRUE(Same(lines[2], TPoint{965, 1765}, TPoint{1035, 1835})) << lines[2];
    EXPECT_EQ(lines[1].pen.style, TPenStyle::Solid);
    EXPECT_EQ(lines[2].pen.color, ResistanceColor);
    // The right tooth: its centre on the bracket's normal, the arms at 45
    // degrees to it.
    const TPointReal n = RootNormal(right.Direction(), TRootSide::Down);
    const TPointReal cr = CentreOfResistance(*right.Origin(), right.Direction(), TToothSettings{8, TRootSide::Down});
    EXPECT_GT(n.y, 0);
    EXPECT_EQ(lines[3].points[1], (TPointReal(cr.x * 100, cr.y * 100).AsTPoint()));
    const TPoint a0 = lines[4].points[0], a1 = lines[4].points[1];
    const double along = (a1.X - a0.X) * n.x + (a1.Y - a0.Y) * n.y;
    const double across = (a1.X - a0.X) * n.y - (a1.Y - a0.Y) * n.x;
    EXPECT_NEAR(std::abs(along), std::abs(across), 3);
    EXPECT_NEAR(std::hypot(a1.X - a0.X, a1.Y - a0.Y), 2 * ResistanceCrossArm, 2);
    // The canvas is given back as it came.
    EXPECT_EQ(c.pen, (TPen{colors::Blue, 10, TPenStyle::Solid, TPenMode::Copy}));
    EXPECT_FALSE(c.transparentBackground);

    // In a scene: only with a tooth, after the forces and before the
    // markers, which keep the pen the forces left them.
    TWire wire{0.25};
    wire.SetOrigin(left.Origin());
    wire.SetDirection(0);
    TForceMoment rightForce(right.Origin(), 50, 0, 100), leftForce(left.Origin(), -50, 0, -100);
    const std::vector<TMarker> markers = right.Markers();
    TViewSettings view;
    view.ViewFlags = ViewForcesBit;
    TScene scene{&wire, &left, &right, &rightForce, &leftForce, &markers};
    TRecordingCanvas plain, with;
    DrawDesignLayers(plain, scene, view, false, 0, true);
    const TToothSettings tooth;
    scene.tooth = &tooth;
    DrawDesignLayers(with, scene, view, false, 0, true);
    EXPECT_EQ(with.count(TOpKind::Line), plain.count(TOpKind::Line) + 6);
    ASSERT_EQ(with.ops.size(), plain.ops.size() + 6);
    for (std::size_t i = 0; i < plain.ops.size(); ++i) {
        const std::size_t j = i < plain.ops.size() - markers.size() ? i : i + 6;
        EXPECT_EQ(with.ops[j].pen, plain.ops[i].pen) << i;
    }
}

}  // namespace
}  // namespace torvik
