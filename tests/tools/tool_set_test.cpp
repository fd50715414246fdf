// Protects the dispatch to the current tool, the cursors the tools start with, the end of a gesture when the
// tool is left, the zoom tool's band and zooms, and the image tool doing nothing without an image.
#include <gtest/gtest.h>

#include "tool_test_context.h"
#include "tools/zoom_tool.h"

namespace torvik::test {
namespace {

TEST(ToolSetTest, SelectsDispatchesAndCancels) {
    TTestToolContext ctx;
    TToolSet tools(ctx);
    EXPECT_EQ(tools.Current(), ToolBracket);
    const TCursorId cursors[ToolCount] = {TCursorId::Default, TCursorId::Rotate,  TCursorId::Default,
                                          TCursorId::Default, TCursorId::Default, TCursorId::Zoom,
                                          TCursorId::Default, TCursorId::ImageTrans};
    for (int i = 0; i < ToolCount; ++i) EXPECT_EQ(tools.Tool(i).Cursor(), cursors[i]) << i;
    EXPECT_FALSE(tools.Select(8));
    EXPECT_FALSE(tools.Select(-1));
    EXPECT_EQ(tools.Current(), ToolBracket);
    EXPECT_THROW(tools.Tool(8), std::out_of_range);

    // A bracket drag in progress ends when another tool is chosen: coming
    // back, a move drags nothing and the picture shows no ghost.
    tools.MouseDown(TMouseButton::Left, NoKeys, 1000, 1000);
    tools.MouseMove(NoKeys, 1500, 1500);
    ASSERT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(15, 15));
    ASSERT_TRUE(tools.Select(ToolPlier));
    ASSERT_TRUE(tools.Select(ToolBracket));
    tools.MouseMove(NoKeys, 2500, 2500);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(15, 15));
    TRecordingCanvas canvas;
    tools.DrawOverlay(canvas);
    EXPECT_TRUE(canvas.ops.empty());

    // Mouse events reach the current tool only.
    ASSERT_TRUE(tools.Select(ToolPlier));
    const TPointReal c = ctx.Wire().Corner();
    tools.MouseDown(TMouseButton::Right, NoKeys, static_cast<int>(c.x * 100), static_cast<int>(c.y * 100));
    EXPECT_NEAR(ToDegrees(ctx.Wire().Segment(0).angle), 10, 1e-12);
    EXPECT_EQ(ctx.undoStates, 2);  // the bracket's move and the bend
}

TEST(ZoomToolTest, BandAndClicks) {
    TTestToolContext ctx;
    ctx.mapping.ZoomCenterInDisplay(2000, 0, 0);
    TZoomTool tool(ctx);
    // A release without a press does nothing.
    tool.MouseUp(TMouseButton::Left, NoKeys, 100, 100);
    EXPECT_EQ(ctx.viewChanges, 0);

    // The band: drawn inverted as it grows, erased before the zoom.
    tool.MouseDown(TMouseButton::Left, NoKeys, 500, 500);
    tool.MouseMove(NoKeys, 1500, 1200);
    ASSERT_EQ(ctx.overlay.count(TOpKind::Rectangle), 1u);
    tool.MouseMove(NoKeys, 2500, 2000);
    const auto bands = ctx.overlay.ofKind(TOpKind::Rectangle);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[1].points, bands[0].points);  // the first one erased
    EXPECT_EQ(bands[2].points, (std::vector<TPoint>{{500, 500}, {2500, 2000}}));
    EXPECT_EQ(bands[2].pen.mode, TPenMode::NotXor);
    TRecordingCanvas redraw;
    tool.DrawOverlay(redraw);
    EXPECT_EQ(redraw.count(TOpKind::Rectangle), 1u);

    TViewMapping expected = ctx.mapping;
    expected.ZoomToolRelease(TPoint{500, 500}, TPoint{2500, 2000}, TPoint{2500, 2000});
    tool.MouseUp(TMouseButton::Left, NoKeys, 2500, 2000);
    EXPECT_EQ(ctx.overlay.count(TOpKind::Rectangle), 4u);
    EXPECT_EQ(ctx.mapping.Zoom(), expected.Zoom());
    EXPECT_EQ(ctx.mapping.ScrollBarHorz().Position, expected.ScrollBarHorz().Position);
    EXPECT_EQ(ctx.viewChanges, 1);
    EXPECT_FALSE(tool.Dragging());

    // The right button: one step out at once.
    const int zoom = ctx.mapping.Zoom();
    tool.MouseDown(TMouseButton::Right, NoKeys, 1000, 1000);
    EXPECT_EQ(ctx.mapping.Zoom(), NextZoomOut(zoom));
    EXPECT_EQ(ctx.viewChanges, 2);
    EXPECT_FALSE(tool.Dragging());
}

TEST(ImageToolTest, NothingWithoutAnImage) {
    TTestToolContext ctx;
    TToolSet tools(ctx);
    tools.Select(ToolImage);
    tools.MouseDown(TMouseButton::Left, NoKeys, 1000, 1000);
    tools.MouseMove(NoKeys, 2000, 2000);
    tools.MouseUp(TMouseButton::Left, NoKeys, 2000, 2000);
    EXPECT_FALSE(tools.Escape());
    EXPECT_EQ(ctx.redraws, 0);
    EXPECT_EQ(ctx.undoStates, 0);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(10, 10));
}

}  // namespace
}  // namespace torvik::test
