// Protects the spool, cutter, plier and pencil: what each button and modifier does at a node or the wire's
// end, one undo state per change and none for a press that changes nothing, the node read-out and cursors.
#include <gtest/gtest.h>

#include "tool_test_context.h"
#include "tools/wire_tools.h"

namespace torvik::test {
namespace {

// A straight wire of aCount segments of 0.25 mm from the left bracket.
void Straight(TTestToolContext& ctx, int aCount) {
    for (int i = 1; i < aCount; ++i) ctx.Wire().AddSeg(0.25, 0);
    ctx.Wire().dirty = false;
}

void Click(TTool& aTool, TMouseButton aButton, TShiftState aShift, TPoint aAt) {
    aTool.MouseDown(aButton, aShift, aAt.X, aAt.Y);
    aTool.MouseUp(aButton, aShift, aAt.X, aAt.Y);
}

TEST(SpoolToolTest, InsertsAfterTheNodeUnderTheMouse) {
    TTestToolContext ctx;
    Straight(ctx, 10);
    ctx.Wire().BendSeg(5, 0.2);
    ctx.selectedNode = 6;
    const double bendAfter = ctx.Wire().Segment(5).angle;
    const TPointReal end = ctx.Wire().Corner();
    TSpoolTool tool(ctx);

    // A middle click or a miss changes nothing and records nothing.
    Click(tool, TMouseButton::Middle, NoKeys, ctx.Node(3));
    Click(tool, TMouseButton::Left, NoKeys, TPoint{5000, 5000});
    EXPECT_EQ(ctx.Wire().Count(), 10);
    EXPECT_EQ(ctx.undoStates, 0);
    EXPECT_EQ(ctx.redraws, 0);

    // The right button inserts four straight segments after node 3; the wire
    // beyond keeps its shape and is carried along.
    Click(tool, TMouseButton::Right, NoKeys, ctx.Node(3));
    ASSERT_EQ(ctx.Wire().Count(), 14);
    for (int i = 4; i <= 7; ++i) {
        EXPECT_DOUBLE_EQ(ctx.Wire().Segment(i).length, 0.25) << i;
        EXPECT_DOUBLE_EQ(ctx.Wire().Segment(i).angle, 0) << i;
    }
    EXPECT_DOUBLE_EQ(ctx.Wire().Segment(9).angle, bendAfter);
    EXPECT_NEAR(ctx.Wire().Corner().x, end.x + 1.0, 1e-12);
    EXPECT_NEAR(ctx.Wire().Corner().y, end.y, 1e-12);
    EXPECT_EQ(ctx.undoStates, 1);
    EXPECT_EQ(ctx.refreshes, 1);
    EXPECT_EQ(ctx.selectedNode, 6);  // keeps its index
    EXPECT_TRUE(ctx.Wire().dirty);

    // The left button inserts one, of the current segment size.
    ctx.segmentSize = 0.5;
    Click(tool, TMouseButton::Left, NoKeys, ctx.Node(0));
    ASSERT_EQ(ctx.Wire().Count(), 15);
    EXPECT_DOUBLE_EQ(ctx.Wire().Segment(1).length, 0.5);
    EXPECT_EQ(ctx.undoStates, 2);
    // Undo steps back one click at a time.
    ctx.Wire().Undo();
    EXPECT_EQ(ctx.Wire().Count(), 14);

    // The spool cursor shows over a node only.
    tool.MouseMove(NoKeys, ctx.Node(2).X, ctx.Node(2).Y);
    EXPECT_EQ(ctx.cursor, TCursorId::Spool);
    tool.MouseMove(NoKeys, 5000, 5000);
    EXPECT_EQ(ctx.cursor, TCursorId::Default);
}

TEST(CutterToolTest, CutsAfterTheNodeAndKeepsTheSelection) {
    TTestToolContext ctx;
    Straight(ctx, 10);
    ctx.selectedNode = 5;
    TCutterTool tool(ctx);

    // Nothing follows the last node: nothing to cut, nothing recorded.
    Click(tool, TMouseButton::Left, NoKeys, ctx.Node(9));
    Click(tool, TMouseButton::Right, NoKeys, ctx.Node(9));
    Click(tool, TMouseButton::Middle, NoKeys, ctx.Node(2));
    Click(tool, TMouseButton::Left, NoKeys, TPoint{5000, 5000});
    EXPECT_EQ(ctx.Wire().Count(), 10);
    EXPECT_EQ(ctx.undoStates, 0);
    EXPECT_FALSE(ctx.Wire().dirty);

    // Left: the segment after node 2 goes; the selected node moves down one
    // index, so that the same node stays selected.
    const TPointReal selectedAt = ctx.Wire().Segment(5).Corner();
    Click(tool, TMouseButton::Left, NoKeys, ctx.Node(2));
    EXPECT_EQ(ctx.Wire().Count(), 9);
    EXPECT_EQ(ctx.selectedNode, 4);
    EXPECT_NEAR(ctx.Wire().Segment(4).Corner().x, selectedAt.x - 0.25, 1e-12);
    EXPECT_EQ(ctx.undoStates, 1);
    EXPECT_EQ(ctx.refreshes, 1);
    // After the selected node the selection stays.
    Click(tool, TMouseButton::Left, NoKeys, ctx.Node(6));
    EXPECT_EQ(ctx.Wire().Count(), 8);
    EXPECT_EQ(ctx.selectedNode, 4);

    // Right on node 0: a single segment is left, and its node is selected.
    Click(tool, TMouseButton::Right, NoKeys, ctx.Node(0));
    EXPECT_EQ(ctx.Wire().Count(), 1);
    EXPECT_EQ(ctx.selectedNode, 0);
    EXPECT_EQ(ctx.undoStates, 3);
    ctx.Wire().Undo();
    EXPECT_EQ(ctx.Wire().Count(), 8);

    tool.MouseMove(NoKeys, ctx.Node(1).X, ctx.Node(1).Y);
    EXPECT_EQ(ctx.cursor, TCursorId::Cutter);
    tool.MouseMove(NoKeys, 5000, 5000);
    EXPECT_EQ(ctx.cursor, TCursorId::Default);
}

TEST(PlierToolTest, BendsByButtonAndModifiersWithReadout) {
    TTestToolContext ctx;
    Straight(ctx, 6);
    TPlierTool tool(ctx);
    const TPoint at = ctx.Node(2);

    // Ctrl wins over Shift: 1 degree; the left button bends anticlockwise.
    Click(tool, TMouseButton::Left, ShiftCtrl, at);
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(2).angle), -1, 1e-12);
    EXPECT_EQ(ctx.cursor, TCursorId::Plier1);
    EXPECT_EQ(ctx.status, " Angle: -1.0  Strain angle: 0.000");
    EXPECT_EQ(ctx.hint, ctx.status);
    Click(tool, TMouseButton::Left, ShiftKey, at);
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(2).angle), -91, 1e-12);
    EXPECT_EQ(ctx.cursor, TCursorId::Plier90);
    EXPECT_EQ(ctx.undoStates, 2);
    EXPECT_EQ(ctx.refreshes, 2);
    // Everything after the node turned with it.
    EXPECT_NEAR(ctx.Wire().Segment(3).direction, NormalizeAngle(ToRadians(-91)), 1e-12);

    // A right click bends clockwise by 10; two on an unbent node read 20.0.
    const TPoint other = ctx.Node(4);
    Click(tool, TMouseButton::Right, NoKeys, other);
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(4).angle), 10, 1e-12);
    EXPECT_EQ(ctx.cursor, TCursorId::Plier10);
    Click(tool, TMouseButton::Right, NoKeys, ctx.Node(4));
    EXPECT_EQ(ctx.status, " Angle: 20.0  Strain angle: 0.000");
    EXPECT_EQ(ctx.undoStates, 4);
    // The middle button bends clockwise too.
    EXPECT_DOUBLE_EQ(TPlierTool::BendDegrees(TMouseButton::Middle, NoKeys), 10);

    // The read-out shows the elastic rotation too.
    ctx.Wire().Segment(4).dAngle = ToRadians(0.25);
    tool.MouseMove(CtrlKey, ctx.Node(4).X, ctx.Node(4).Y);
    EXPECT_EQ(ctx.status, " Angle: 20.0  Strain angle: 0.250");
    EXPECT_EQ(ctx.hint, ctx.status);
    EXPECT_EQ(ctx.cursor, TCursorId::Plier1);
    tool.MouseMove(NoKeys, ctx.Node(4).X, ctx.Node(4).Y);
    EXPECT_EQ(ctx.cursor, TCursorId::Plier10);
    // Away from the nodes: the arrow, and no read-out.
    tool.MouseMove(ShiftKey, 5000, 5000);
    EXPECT_EQ(ctx.cursor, TCursorId::Default);
    EXPECT_EQ(ctx.status, "");
    EXPECT_EQ(ctx.hint, "");
    EXPECT_EQ(ctx.undoStates, 4);

    // A miss bends nothing and records nothing.
    Click(tool, TMouseButton::Left, NoKeys, TPoint{5000, 5000});
    EXPECT_EQ(ctx.undoStates, 4);
    // Undo restores the wire before the last bend.
    ctx.Wire().Undo();
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(4).angle), 10, 1e-12);
}

TEST(PencilToolTest, ExtendsTheWireTowardsTheMouse) {
    TTestToolContext ctx;
    TPencilTool tool(ctx);
    // The new wire ends at (10.25, 10) mm. Within half a segment: nothing.
    Click(tool, TMouseButton::Left, NoKeys, TPoint{1025 + 12, 1000});
    Click(tool, TMouseButton::Right, NoKeys, TPoint{1025, 1000 + 12});
    EXPECT_EQ(ctx.Wire().Count(), 1);
    EXPECT_EQ(ctx.undoStates, 0);

    // 1.1 mm to the right with 0.25 mm segments: four are appended.
    Click(tool, TMouseButton::Left, NoKeys, TPoint{1025 + 110, 1000});
    ASSERT_EQ(ctx.Wire().Count(), 5);
    EXPECT_NEAR(ctx.Wire().Corner().x, 11.25, 1e-12);
    EXPECT_NEAR(ctx.Wire().Corner().y, 10, 1e-12);
    EXPECT_EQ(ctx.undoStates, 1);
    EXPECT_EQ(ctx.refreshes, 1);

    // 1 mm straight up (as displayed), any button: the end turns towards the
    // mouse and reaches it.
    Click(tool, TMouseButton::Middle, NoKeys, TPoint{1125, 900});
    ASSERT_EQ(ctx.Wire().Count(), 9);
    EXPECT_NEAR(ctx.Wire().Corner().x, 11.25, 1e-12);
    EXPECT_NEAR(ctx.Wire().Corner().y, 9, 1e-12);
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(4).angle), -90, 1e-9);

    // An oblique stroke ends within half a segment of the mouse, on the line
    // towards it.
    ctx.segmentSize = 0.5;
    const TPointReal from = ctx.Wire().Corner();
    const TPointReal mouse(14.0, 7.3);
    Click(tool, TMouseButton::Left, NoKeys, TPoint{1400, 730});
    const TPointReal end = ctx.Wire().Corner();
    EXPECT_LE(Distance(end, mouse), 0.25 + 1e-9);
    const double cross = (end.x - from.x) * (mouse.y - from.y) - (end.y - from.y) * (mouse.x - from.x);
    EXPECT_NEAR(cross, 0, 1e-9);
    EXPECT_DOUBLE_EQ(ctx.Wire().Segment(ctx.Wire().Count() - 1).length, 0.5);
    EXPECT_EQ(ctx.undoStates, 3);
}

TEST(WireToolsTest, NoToolGrowsTheWireBeyondWhatAFileHolds) {
    TTestToolContext ctx;
    ctx.segmentSize = 1e-9;
    TPencilTool pencil(ctx);
    Click(pencil, TMouseButton::Left, NoKeys, TPoint{1100, 1000});
    EXPECT_EQ(ctx.Wire().Count(), MaxFileSegments);
    Click(pencil, TMouseButton::Left, NoKeys, TPoint{1200, 1000});
    TSpoolTool spool(ctx);
    Click(spool, TMouseButton::Right, NoKeys, ctx.Node(0));
    EXPECT_EQ(ctx.Wire().Count(), MaxFileSegments);
    EXPECT_EQ(ctx.undoStates, 1);
}

TEST(WireToolsTest, NoToolBendsANodeBeyondWhatAFileHolds) {
    TTestToolContext ctx;
    Straight(ctx, 3);
    TPlierTool plier(ctx);
    ctx.Wire().BendSeg(1, MaxFileBend - ToRadians(5));
    Click(plier, TMouseButton::Right, NoKeys, ctx.Node(1));
    EXPECT_NEAR(ctx.Wire().Segment(1).angle, MaxFileBend - ToRadians(5), 1e-12);
    EXPECT_EQ(ctx.undoStates, 0);
    Click(plier, TMouseButton::Right, CtrlKey, ctx.Node(1));
    EXPECT_NEAR(ctx.Wire().Segment(1).angle, MaxFileBend - ToRadians(4), 1e-12);
    Click(plier, TMouseButton::Left, NoKeys, ctx.Node(1));
    EXPECT_EQ(ctx.undoStates, 2);

    // The pencil's bend at the end is not folded into one turn either.
    TPencilTool pencil(ctx);
    ctx.Wire().BendSeg(2, -MaxFileBend + 1);
    const TPointReal end = ctx.Wire().Corner();
    Click(pencil, TMouseButton::Left, NoKeys, TPointReal(end.x * 100 + 100, end.y * 100 - 100).AsTPoint());
    EXPECT_EQ(ctx.Wire().Count(), 3);
    EXPECT_EQ(ctx.undoStates, 2);
}

}  // namespace
}  // namespace torvik::test
