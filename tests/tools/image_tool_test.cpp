// Protects the image tool's gestures: sizing cursors while hovering, move and resize with the read-out, Ctrl, Esc, double click, and leaving the tool.
#include <gtest/gtest.h>

#include "render/image_placement.h"
#include "tool_test_context.h"
#include "tools/image_tool.h"

namespace torvik::test {
namespace {

class ImageToolGestures : public ::testing::Test {
protected:
    TTestToolContext ctx;
    TToolSet tools{ctx};

    void SetUp() override {
        ctx.image.SetPicture(600, 400);  // 0 .. 10160 x 0 .. 6773 at 150 dpi
        ctx.image.PlaceHandles();        // as the display draws them
        tools.Select(ToolImage);
    }
    TImageTool& Tool() { return static_cast<TImageTool&>(tools.Tool(ToolImage)); }
};

TEST_F(ImageToolGestures, HoverChoosesHandleAndCursor) {
    tools.MouseMove(NoKeys, 10160, 6773);
    EXPECT_EQ(ctx.cursor, TCursorId::SizeNWSE);
    tools.MouseMove(NoKeys, 5080, 0);
    EXPECT_EQ(ctx.cursor, TCursorId::SizeNS);
    tools.MouseMove(NoKeys, 10160, 0);
    EXPECT_EQ(ctx.cursor, TCursorId::SizeNESW);
    tools.MouseMove(NoKeys, 0, 3387);
    EXPECT_EQ(ctx.cursor, TCursorId::SizeWE);
    tools.MouseMove(NoKeys, 3000, 3000);
    EXPECT_EQ(ctx.cursor, TCursorId::ImageTrans);
    EXPECT_EQ(ctx.image.ActiveHandle(), 0);
    // Hovering changes nothing and redraws nothing.
    EXPECT_EQ(ctx.redraws, 0);
    EXPECT_EQ(ctx.image.Offset(), (TPoint{0, 0}));
}

TEST_F(ImageToolGestures, DragMovesAndReadsTheDistance) {
    tools.MouseMove(NoKeys, 3000, 3000);
    tools.MouseDown(TMouseButton::Left, NoKeys, 3000, 3000);
    EXPECT_TRUE(Tool().Dragging());
    tools.MouseMove(NoKeys, 3100, 3000);
    EXPECT_EQ(ctx.image.Offset(), (TPoint{100, 0}));
    // 1 mm to the right reads dx -100: press point minus current point.
    EXPECT_EQ(ctx.status, " dx: -100 dy: 0");
    tools.MouseMove(NoKeys, 3100, 2950);
    EXPECT_EQ(ctx.status, " dx: -100 dy: 50");
    EXPECT_EQ(ctx.redraws, 2);
    tools.MouseUp(TMouseButton::Left, NoKeys, 3100, 2950);
    EXPECT_FALSE(Tool().Dragging());
    EXPECT_EQ(ctx.image.Offset(), (TPoint{100, -50}));
    // Nothing of the wire changed, and no undo state was recorded.
    EXPECT_EQ(ctx.undoStates, 0);
    EXPECT_EQ(*ctx.design.LeftBracket.Origin(), TPointReal(10, 10));
}

TEST_F(ImageToolGestures, CornerWithAndWithoutCtrlThenEsc) {
    tools.MouseMove(NoKeys, 10160, 6773);
    tools.MouseDown(TMouseButton::Left, NoKeys, 10160, 6773);
    tools.MouseMove(NoKeys, 6000, 6000);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleX(), 10);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleY(), 10);
    tools.MouseMove(CtrlKey, 6000, 6000);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleX(), 10);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleY(), 15);
    const int redraws = ctx.redraws;
    EXPECT_TRUE(tools.Escape());
    EXPECT_EQ(ctx.redraws, redraws + 1);
    EXPECT_FALSE(Tool().Dragging());
    EXPECT_DOUBLE_EQ(ctx.image.ScaleX(), DefaultImageScale);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleY(), DefaultImageScale);
    // Esc without a drag is not the tool's.
    EXPECT_FALSE(tools.Escape());
    // A release after Esc does nothing.
    tools.MouseUp(TMouseButton::Left, NoKeys, 6000, 6000);
    EXPECT_DOUBLE_EQ(ctx.image.ScaleX(), DefaultImageScale);
}

TEST_F(ImageToolGestures, DoubleClickLeavingTheToolAndHiddenImages) {
    ctx.image.SetOffset(TPoint{700, 800});
    TShiftState second;
    second.Double = true;
    tools.MouseDown(TMouseButton::Left, NoKeys, 3000, 3000);
    tools.MouseUp(TMouseButton::Left, NoKeys, 3000, 3000);
    tools.MouseDown(TMouseButton::Left, second, 3000, 3000);
    EXPECT_EQ(ctx.image.Offset(), (TPoint{0, 0}));
    EXPECT_EQ(ctx.redraws, 1);
    EXPECT_FALSE(Tool().Dragging());
    tools.MouseUp(TMouseButton::Left, NoKeys, 3000, 3000);

    // Choosing another tool mid-drag puts the image back.
    tools.MouseDown(TMouseButton::Left, NoKeys, 3000, 3000);
    tools.MouseMove(NoKeys, 4000, 4000);
    tools.Select(ToolPlier);
    EXPECT_EQ(ctx.image.Offset(), (TPoint{0, 0}));
    EXPECT_FALSE(ctx.image.Dragging());

    // A hidden image: presses, moves and double clicks do nothing.
    tools.Select(ToolImage);
    ctx.image.SetVisible(false);
    ctx.image.SetOffset(TPoint{5, 5});
    tools.MouseDown(TMouseButton::Left, second, 3000, 3000);
    tools.MouseDown(TMouseButton::Left, NoKeys, 3000, 3000);
    tools.MouseMove(NoKeys, 4000, 4000);
    EXPECT_EQ(ctx.image.Offset(), (TPoint{5, 5}));
    EXPECT_FALSE(Tool().Dragging());
}

}  // namespace
}  // namespace torvik::test
