// Protects the bracket tool: picking, snapped dragging with its ghost and read-out, the click that switches
// between moving and rotating, snapped rotation, the wire and forces staying on the bracket's point, and one undo
// step per gesture that changes a bracket.
#include <cmath>

#include <gtest/gtest.h>

#include "tool_test_context.h"
#include "tools/bracket_tools.h"
#include "tools/snapping.h"

namespace torvik::test {
namespace {

// The left bracket's centre of a new design, in logical units.
constexpr int LeftX = 1000, LeftY = 1000;

// The wire start and both forces share the brackets' own origin points.
void ExpectAttached(const TDesign& d) {
    EXPECT_EQ(d.CurrentWire->Origin().get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(d.LeftForce.origin.get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(d.RightForce.origin.get(), d.RightBracket.Origin().get());
}

std::vector<TPoint> LineEnds(const std::vector<TRecordedOp>& aOps, std::size_t aFrom, std::size_t aCount) {
    std::vector<TPoint> ends;
    for (std::size_t i = aFrom; i < aFrom + aCount; ++i) ends.push_back(aOps.at(i).points.at(1));
    return ends;
}

std::vector<TPoint> WallEnds(const TBracket& b) {
    // The ends of the ghost's four lines: corners 2, 3, 5 and 6.
    return {b.Corners()[1].AsTPoint(), b.Corners()[2].AsTPoint(), b.Corners()[4].AsTPoint(),
            b.Corners()[5].AsTPoint()};
}

TEST(SnappingTest, StepsAndDegrees) {
    EXPECT_EQ(SnapToStep(1234, 1.0), 1200);
    EXPECT_EQ(SnapToStep(567, 1.0), 600);
    EXPECT_EQ(SnapToStep(1234, 0.25), 1225);
    EXPECT_EQ(SnapToStep(567, 0.25), 575);
    EXPECT_EQ(SnapToStep(-567, 0.25), -575);
    EXPECT_EQ(SnapToStep(1250, 1.0), 1200);  // halves to even
    EXPECT_EQ(SnapToStep(1234, 0.1), 1230);
    EXPECT_DOUBLE_EQ(SnapStepOf(2), 0.25);
    EXPECT_DOUBLE_EQ(SnapStepOf(4), 1.0);
    EXPECT_DOUBLE_EQ(SnapStepOf(9), 1.0);
    EXPECT_DOUBLE_EQ(SnapToDegree(ToRadians(30.4)), ToRadians(30));
    EXPECT_DOUBLE_EQ(SnapToDegree(ToRadians(30.6)), ToRadians(31));
}

TEST(BracketMoveToolTest, SnappedDragFollowsTheMouseWithGhostAndReadout) {
    TTestToolContext ctx;
    TBracketMoveTool tool(ctx);
    const TPointReal* pressedOn = ctx.design.LeftBracket.Origin().get();
    tool.MouseDown(TMouseButton::Left, NoKeys, LeftX, LeftY);
    EXPECT_EQ(ctx.selectedBracket, &ctx.design.LeftBracket);
    EXPECT_EQ(ctx.bracketMarkers.size(), 6u);
    EXPECT_EQ(ctx.redraws, 1);

    tool.MouseMove(NoKeys, 1234, 567);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(12, 6));
    EXPECT_EQ(ctx.status, " x: 12.00  y: 6.00");
    // The bracket has a new point, and the wire and the force went with it
    // at once: nothing holds the point the bracket gave up.
    EXPECT_NE(ctx.design.LeftBracket.Origin().get(), pressedOn);
    ExpectAttached(ctx.design);
    EXPECT_EQ(ctx.design.CurrentWire->Corner(), TPointReal(12.25, 6));
    // One ghost, dotted and inverting, at the new place; no redraw.
    auto lines = ctx.overlay.ofKind(TOpKind::Line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].pen, (TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor}));
    EXPECT_EQ(LineEnds(lines, 0, 4), WallEnds(ctx.design.LeftBracket));
    EXPECT_EQ(ctx.redraws, 1);

    // With the 0.25 mm step; the last ghost is erased first.
    ctx.snapStep = 0.25;
    const std::vector<TPoint> before = WallEnds(ctx.design.LeftBracket);
    tool.MouseMove(NoKeys, 1234, 567);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(12.25, 5.75));
    EXPECT_EQ(ctx.status, " x: 12.25  y: 5.75");
    lines = ctx.overlay.ofKind(TOpKind::Line);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(LineEnds(lines, 4, 4), before);
    EXPECT_EQ(LineEnds(lines, 8, 4), WallEnds(ctx.design.LeftBracket));
    ExpectAttached(ctx.design);

    // Without snapping the centre is the mouse point.
    ctx.snapGrid = false;
    tool.MouseMove(NoKeys, 1234, 567);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(12.34, 5.67));

    // The release draws the design afresh with fresh markers. The whole
    // drag was one step of the design's history, recorded before its first
    // move, and the design (not the wire) has changed.
    tool.MouseUp(TMouseButton::Left, NoKeys, 1234, 567);
    EXPECT_FALSE(tool.Dragging());
    EXPECT_EQ(ctx.redraws, 2);
    ASSERT_EQ(ctx.bracketMarkers.size(), 6u);
    EXPECT_EQ(ctx.bracketMarkers[0].origin, ctx.design.LeftBracket.Corners()[0].AsTPoint());
    EXPECT_TRUE(ctx.bracketModes.empty());
    EXPECT_EQ(ctx.undoStates, 1);
    EXPECT_TRUE(ctx.design.BracketsDirty);
    EXPECT_FALSE(ctx.Wire().dirty);
    ASSERT_TRUE(ctx.design.Undo());
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(10, 10));
    ExpectAttached(ctx.design);
    ASSERT_TRUE(ctx.design.Redo());
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(12.34, 5.67));
    EXPECT_EQ(*ctx.design.CurrentWire->Origin(), TPointReal(12.34, 5.67));
    ExpectAttached(ctx.design);
    // A redraw after the release shows no ghost.
    TRecordingCanvas canvas;
    tool.DrawOverlay(canvas);
    EXPECT_TRUE(canvas.ops.empty());

    // A later move without a press does nothing.
    tool.MouseMove(NoKeys, 3000, 3000);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(12.34, 5.67));
}

TEST(BracketMoveToolTest, RightBracketTakesItsForceAlong) {
    TTestToolContext ctx;
    TBracketMoveTool tool(ctx);
    const TPointReal wireStart = *ctx.design.CurrentWire->Origin();
    tool.MouseDown(TMouseButton::Left, NoKeys, 2000, 1000);
    ASSERT_EQ(ctx.selectedBracket, &ctx.design.RightBracket);
    tool.MouseMove(NoKeys, 2500, 1500);
    ExpectAttached(ctx.design);
    tool.MouseUp(TMouseButton::Left, NoKeys, 2500, 1500);
    EXPECT_EQ(*ctx.design.RightForce.origin, TPointReal(25, 15));
    ExpectAttached(ctx.design);
    EXPECT_EQ(*ctx.design.CurrentWire->Origin(), wireStart);
}

TEST(BracketMoveToolTest, ASlidingWiresLoadIsTakenToTheBracketAsTheSameLoadBeforeItMoves) {
    for (const bool rotate : {false, true}) {
        TTestToolContext ctx;
        TDesign& d = ctx.design;
        // The load where a sliding wire's end sits, 0.4 mm along the slot
        // from the bracket's point.
        d.RightForce = TForceMoment(MakePoint(20.4, 10), 3, -40, 25);
        const TForceMoment same = LoadMovedTo(d.RightForce, d.RightBracket.Origin());
        ASSERT_NE(same.m, d.RightForce.m);
        if (rotate) {
            ctx.selectedBracket = &d.RightBracket;
            TBracketRotateTool tool(ctx);
            tool.MouseDown(TMouseButton::Left, NoKeys, 2000, 1500);
            tool.MouseMove(NoKeys, 2500, 1000);
            tool.MouseUp(TMouseButton::Left, NoKeys, 2500, 1000);
        } else {
            TBracketMoveTool tool(ctx);
            tool.MouseDown(TMouseButton::Left, NoKeys, 2000, 1000);
            tool.MouseMove(NoKeys, 2500, 1500);
            tool.MouseUp(TMouseButton::Left, NoKeys, 2500, 1500);
        }
        ExpectAttached(d);
        EXPECT_EQ(d.RightForce.x, 3) << rotate;
        EXPECT_EQ(d.RightForce.y, -40) << rotate;
        EXPECT_DOUBLE_EQ(d.RightForce.m, same.m) << rotate;
    }
}

TEST(BracketMoveToolTest, ADragFarBeyondTheWindowStopsWhereADesignFileCanStillHoldTheBracket) {
    TTestToolContext ctx;
    ctx.snapGrid = false;
    TBracketMoveTool tool(ctx);
    tool.MouseDown(TMouseButton::Left, NoKeys, 2000, 1000);
    tool.MouseMove(NoKeys, 2000000000, -2000000000);
    tool.MouseUp(TMouseButton::Left, NoKeys, 2000000000, -2000000000);
    EXPECT_EQ(*ctx.design.RightBracket.Origin(), TPointReal(MaxFilePosition, -MaxFilePosition));
    ExpectAttached(ctx.design);
}

TEST(BracketMoveToolTest, PickingDeselectingAndOverlap) {
    TTestToolContext ctx;
    TBracketMoveTool tool(ctx);
    // A release without a press does nothing.
    tool.MouseUp(TMouseButton::Left, NoKeys, LeftX, LeftY);
    EXPECT_TRUE(ctx.bracketModes.empty());
    EXPECT_EQ(ctx.redraws, 0);

    // Empty space deselects and hides the markers.
    tool.MouseDown(TMouseButton::Left, NoKeys, LeftX, LeftY);
    tool.MouseUp(TMouseButton::Left, NoKeys, LeftX, LeftY);
    tool.MouseDown(TMouseButton::Left, NoKeys, 5000, 5000);
    EXPECT_EQ(ctx.selectedBracket, nullptr);
    EXPECT_TRUE(ctx.bracketMarkers.empty());
    EXPECT_FALSE(tool.Dragging());
    tool.MouseMove(NoKeys, 5100, 5100);
    tool.MouseUp(TMouseButton::Left, NoKeys, 5100, 5100);
    EXPECT_EQ(ctx.bracketModes.size(), 1u);  // only the first click switched

    // Where the outlines overlap the left bracket wins.
    ctx.design.RightBracket.SetOrigin(MakePoint(10.5, 10));
    ASSERT_TRUE(ctx.design.RightBracket.Contains(1050, 1000));
    ASSERT_TRUE(ctx.design.LeftBracket.Contains(1050, 1000));
    tool.MouseDown(TMouseButton::Left, NoKeys, 1050, 1000);
    EXPECT_EQ(ctx.selectedBracket, &ctx.design.LeftBracket);
}

TEST(BracketRotateToolTest, ClicksSwitchModesAndSnappedTurns) {
    TTestToolContext ctx;
    TToolSet tools(ctx);
    ctx.tools = &tools;
    // A click on a bracket switches to rotating it.
    tools.MouseDown(TMouseButton::Left, NoKeys, LeftX, LeftY);
    tools.MouseUp(TMouseButton::Left, NoKeys, LeftX, LeftY);
    EXPECT_EQ(ctx.bracketModes, std::vector<int>{ToolRotate});
    ASSERT_EQ(tools.Current(), ToolRotate);
    EXPECT_EQ(tools.CurrentTool().Cursor(), TCursorId::Rotate);

    // A quarter turn clockwise about the centre, pressed anywhere.
    TBracket& left = ctx.design.LeftBracket;
    tools.MouseDown(TMouseButton::Left, NoKeys, 1500, 1000);
    tools.MouseMove(NoKeys, 1000, 1500);
    EXPECT_NEAR(ToDegrees(left.Direction()), 270, 1e-9);
    EXPECT_EQ(ctx.status, " angulation: 270.00");
    // The wire's clamp turns with the bracket.
    EXPECT_NEAR(ctx.design.CurrentWire->Direction(), left.Direction() - Pi, 1e-12);
    EXPECT_EQ(ctx.overlay.count(TOpKind::Line), 4u);
    EXPECT_EQ(ctx.redraws, 1);

    // Slow moves, each under half a degree, are rounded away with snapping.
    const TPointReal centre = *left.Origin();
    for (int i = 1; i <= 20; ++i) {
        const double a = ToRadians(90 + 0.3 * i);
        tools.MouseMove(NoKeys, static_cast<int>(RoundHalfEven((centre.x + 5 * std::cos(a)) * 100)),
                        static_cast<int>(RoundHalfEven((centre.y + 5 * std::sin(a)) * 100)));
        EXPECT_NEAR(ToDegrees(left.Direction()), 270, 1e-9) << "move " << i;
    }
    // The turn was one step of the history, recorded before it was made;
    // the moves that changed nothing recorded nothing.
    EXPECT_EQ(ctx.undoStates, 1);
    // Without snapping a turn by 30.5 degrees stays as swept.
    ctx.snapGrid = false;
    tools.MouseDown(TMouseButton::Left, NoKeys, 1500, 1000);
    const double a = ToRadians(30.5);
    tools.MouseMove(NoKeys, static_cast<int>(RoundHalfEven((centre.x + 50 * std::cos(a)) * 100)),
                    static_cast<int>(RoundHalfEven((centre.y + 50 * std::sin(a)) * 100)));
    EXPECT_NEAR(ToDegrees(left.Direction()), 300.5, 0.01);
    tools.MouseUp(TMouseButton::Left, NoKeys, 0, 0);
    EXPECT_EQ(tools.Current(), ToolRotate);
    EXPECT_EQ(ctx.bracketMarkers[0].origin, left.Corners()[0].AsTPoint());
    EXPECT_NEAR(ctx.design.CurrentWire->Direction(), left.Direction() - Pi, 1e-12);
    ExpectAttached(ctx.design);
    EXPECT_EQ(ctx.undoStates, 2);
    EXPECT_TRUE(ctx.design.BracketsDirty);
    EXPECT_FALSE(ctx.Wire().dirty);

    // A click anywhere switches back to moving.
    tools.MouseDown(TMouseButton::Left, NoKeys, 7000, 7000);
    tools.MouseUp(TMouseButton::Left, NoKeys, 7000, 7000);
    EXPECT_EQ(ctx.bracketModes, (std::vector<int>{ToolRotate, ToolBracket}));
    EXPECT_EQ(tools.Current(), ToolBracket);
    EXPECT_EQ(tools.CurrentTool().Cursor(), TCursorId::Default);
}

TEST(BracketRotateToolTest, ReleaseWithoutPressOrBracketDoesNothing) {
    TTestToolContext ctx;
    TBracketRotateTool tool(ctx);
    tool.MouseUp(TMouseButton::Left, NoKeys, 0, 0);
    EXPECT_TRUE(ctx.bracketModes.empty());
    // No bracket selected: the gesture turns nothing.
    tool.MouseDown(TMouseButton::Left, NoKeys, 1500, 1000);
    tool.MouseMove(NoKeys, 1000, 1500);
    tool.MouseUp(TMouseButton::Left, NoKeys, 1000, 1500);
    EXPECT_DOUBLE_EQ(ctx.design.LeftBracket.Direction(), Pi);
    EXPECT_TRUE(ctx.bracketModes.empty());
    EXPECT_EQ(ctx.redraws, 0);
}

}  // namespace
}  // namespace torvik::test
