// Protects the layer order of the composed design picture and when markers are left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "geometry/force_moment.h"
#include "render/recording_canvas.h"
#include "render/scene.h"
#include "render/view_settings.h"
#include "wire/bracket.h"
#include "wire/wire.h"

namespace torvik {
namespace {

// A small design: a two-segment wire from the left bracket at (10, 10), the
// right bracket at (30, 10), forces at both bracket origins.
class SceneDraw : public ::testing::Test {
protected:
    TBracket left, right;
    TWire wire{0.25};
    TForceMoment rightForce, leftForce;
    std::vector<TMarker> bracketMarkers;
    TViewSettings view;
    TScene scene;

    void SetUp() override {
        left.SetOrigin(MakePoint(10, 10));
        left.SetDirection(Pi);
        right.SetOrigin(MakePoint(30, 10));
        wire.SetOrigin(left.Origin());
        wire.SetDirection(0);
        wire.AddSeg(0.25, 0);
        rightForce = TForceMoment(right.Origin(), 50, 0, 100);
        leftForce = TForceMoment(left.Origin(), -50, 0, -100);
        bracketMarkers = right.Markers();
        scene = TScene{&wire, &left, &right, &rightForce, &leftForce, &bracketMarkers};
        view.DrawThickness = true;
        view.ViewFlags = ViewForcesBit | ViewMomentsBit;
    }
};

// The layer each recorded figure belongs to, from its pen and brush.
char Layer(const TRecordedOp& op) {
    if (op.pen.color == colors::Grey) return 'g';
    if (op.kind == TOpKind::Polygon) return 'w';
    if (op.kind == TOpKind::Ellipse) return op.brush.color == colors::Black && op.pen.color == colors::Red ? 'm' : '?';
    if (op.pen.width == 7) return 'b';
    if (op.pen.color == colors::Blue) return 'f';
    if (op.pen.color == colors::Red) return 'f';
    if (op.pen.color == colors::Black && op.pen.width == 0) return 'w';
    return '?';
}

std::string Layers(const TRecordingCanvas& c) {
    std::string s;
    for (const TRecordedOp& op : c.ops) {
        const char l = Layer(op);
        if (s.empty() || s.back() != l) s += l;
    }
    return s;
}

TEST_F(SceneDraw, LayersComeInOrderAndMarkersOnlyWhenAsked) {
    TRecordingCanvas c;
    DrawDesignLayers(c, scene, view, true, 0, true);
    EXPECT_EQ(Layers(c), "gwbfm");
    // Brackets left then right; forces right then left.
    const auto walls = c.ofKind(TOpKind::Line);
    const auto firstWall = std::find_if(walls.begin(), walls.end(), [](const auto& op) { return op.pen.width == 7; });
    ASSERT_NE(firstWall, walls.end());
    EXPECT_EQ(firstWall->points[0], left.Corners()[0].AsTPoint());
    const auto arcs = c.ofKind(TOpKind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].points[0], (TPoint{3000, 1000}));
    EXPECT_EQ(arcs[1].points[0], (TPoint{1000, 1000}));
    // The bracket markers take the forces' 10-unit pen.
    const auto markers = c.ofKind(TOpKind::Ellipse);
    ASSERT_EQ(markers.size(), 6u);
    EXPECT_EQ(markers[0].pen.width, 10);

    // Without forces the markers take the brackets' width.
    c.clear();
    view.ViewFlags = 0;
    DrawDesignLayers(c, scene, view, false, 2, true);
    EXPECT_EQ(Layers(c), "wbm");
    EXPECT_EQ(c.ofKind(TOpKind::Ellipse).at(0).pen.width, 7);

    // The clipboard picture leaves the bracket markers out; a run leaves out
    // both bracket and node markers.
    c.clear();
    view.MarkersShown = true;
    DrawDesignLayers(c, scene, view, false, 2, false);
    EXPECT_EQ(c.count(TOpKind::Ellipse), 2u);  // the node markers only
    c.clear();
    view.Running = true;
    DrawDesignLayers(c, scene, view, false, 2, true);
    EXPECT_EQ(c.count(TOpKind::Ellipse), 0u);

    // An empty scene draws only the grid.
    c.clear();
    DrawDesignLayers(c, TScene{}, view, true, 0, true);
    EXPECT_EQ(Layers(c), "g");
}

TEST_F(SceneDraw, ATemplateDrawsTheWireAsBentInBlackAndTheActivatedWireThinAndGreyOverIt) {
    TWire bent{0.25};
    bent.SetOrigin(left.Origin());
    bent.SetDirection(0);
    bent.AddSeg(0.25, 0);
    wire.Deform(*right.Origin(), 0, 50, 0);
    scene.passiveWire = &bent;
    TRecordingCanvas c;
    DrawDesignLayers(c, scene, view, false, 0, false);
    // No bands: two black lines of the wire's 0.4064 mm, then two grey lines
    // of 0.1 mm where the loaded wire lies, then the brackets.
    EXPECT_EQ(c.count(TOpKind::Polygon), 0u);
    const std::vector<TRecordedOp> lines = c.ofKind(TOpKind::Line);
    ASSERT_GE(lines.size(), 4u);
    for (int i : {0, 1}) {
        EXPECT_EQ(lines[i].pen, (TPen{colors::Black, 41, TPenStyle::Solid, TPenMode::Copy})) << i;
        EXPECT_EQ(lines[i].points, (std::vector<TPoint>{{1000 + 25 * i, 1000}, {1025 + 25 * i, 1000}})) << i;
        EXPECT_EQ(lines[i + 2].pen, (TPen{colors::Grey, 10, TPenStyle::Solid, TPenMode::Copy})) << i;
        const TPointReal end = wire.Segment(i).Corner();
        EXPECT_EQ(lines[i + 2].points[1], (TPoint{RoundToInt32(end.x * 100), RoundToInt32(end.y * 100)})) << i;
    }
    EXPECT_GT(lines[3].points[1].Y, 1000);  // bent down by the load
    EXPECT_EQ(lines[4].pen.width, 7);       // the brackets follow
}

}  // namespace
}  // namespace torvik
