// Protects the background picture's place and size: resolution, handles, the image tool's move, resize, cancel and double click, and the part a redraw copies.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "render/image_placement.h"
#include "render/recording_canvas.h"
#include "support/numbers.h"

namespace torvik {
namespace {

// A 600 x 400 pixel picture at the start values.
TImagePlacement Picture600x400() {
    TImagePlacement p;
    p.SetPicture(600, 400);
    return p;
}

std::string Mm(double aUnits) { return FormatMask(aUnits / 100, "0.00"); }

// Hovers over (X, Y), presses there and drags to (toX, toY).
void DragFrom(TImagePlacement& p, int X, int Y, int toX, int toY, bool aFree = false) {
    p.PlaceHandles();
    p.Hover(X, Y);
    ASSERT_TRUE(p.Press(X, Y, false));
    ASSERT_TRUE(p.Drag(toX, toY, aFree));
}

TEST(ImagePlacement, StartValuesAndResolution) {
    TImagePlacement p;
    EXPECT_FALSE(p.HasPicture());
    EXPECT_FALSE(p.Active());
    EXPECT_TRUE(p.Visible());
    EXPECT_EQ(p.Offset(), (TPoint{0, 0}));
    EXPECT_DOUBLE_EQ(p.ScaleX(), 2540.0 / 150);
    EXPECT_DOUBLE_EQ(p.ScaleY(), 2540.0 / 150);

    // 600 x 400 pixels at 150 dpi span 101.6 x 67.73 mm from the origin, and
    // the resolution proposed is "150".
    p = Picture600x400();
    EXPECT_TRUE(p.Active());
    TRealRect r = p.Rect();
    EXPECT_EQ(Mm(r.Left), "0.00");
    EXPECT_EQ(Mm(r.Right), "101.60");
    EXPECT_EQ(Mm(r.Bottom), "67.73");
    EXPECT_EQ(FormatMask(p.Resolution(), "#.##"), "150");

    // 300 dpi halves it about its top-left corner; an unevenly stretched
    // picture gets square pixels again.
    p.SetOffset(TPoint{120, 50});
    p.SetScale(10, 30);
    p.SetResolution(300);
    r = p.Rect();
    EXPECT_EQ(p.Offset(), (TPoint{120, 50}));
    EXPECT_DOUBLE_EQ(r.Right - r.Left, 5080);
    EXPECT_DOUBLE_EQ(r.Bottom - r.Top, 400 * 2540.0 / 300);
    EXPECT_EQ(FormatMask(p.Resolution(), "#.##"), "300");

    // A resolution that is not positive changes nothing.
    for (double bad : {0.0, -150.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_THROW(p.SetResolution(bad), std::invalid_argument) << bad;
    EXPECT_EQ(FormatMask(p.Resolution(), "#.##"), "300");
    EXPECT_THROW(p.SetPicture(-1, 10), std::invalid_argument);

    // A new picture keeps the place and scale; hiding keeps everything.
    p.SetPicture(100, 100);
    EXPECT_EQ(p.Offset(), (TPoint{120, 50}));
    EXPECT_EQ(FormatMask(p.Resolution(), "#.##"), "300");
    p.SetVisible(false);
    EXPECT_FALSE(p.Active());
}

TEST(ImagePlacement, HandlesAndHovering) {
    TImagePlacement p = Picture600x400();
    p.SetOffset(TPoint{100, 200});
    p.PlaceHandles();
    const double s = 2540.0 / 150;
    const std::vector<TMarkerExtended>& h = p.Handles();
    ASSERT_EQ(h.size(), 8u);
    const TPoint expected[8] = {{100, 200},
                                {static_cast<int>(std::lround(300 * s + 100)), 200},
                                {10260, 200},
                                {100, static_cast<int>(std::lround(200 * s + 200))},
                                {10260, static_cast<int>(std::lround(200 * s + 200))},
                                {100, 6973},
                                {static_cast<int>(std::lround(300 * s + 100)), 6973},
                                {10260, 6973}};
    const int cursors[8] = {SizeCursorNWSE, SizeCursorNS, SizeCursorNESW, SizeCursorWE,
                            SizeCursorWE,   SizeCursorNESW, SizeCursorNS, SizeCursorNWSE};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(h[i].origin, expected[i]) << i;
        EXPECT_EQ(h[i].Action(), std::to_string(i));
        EXPECT_EQ(h[i].Cursor(), cursors[i]);
        EXPECT_EQ(h[i].size, 5);
        EXPECT_EQ(h[i].Shape(), "square");
        EXPECT_EQ(h[i].pen.color, colors::Red);
        EXPECT_EQ(h[i].brush.color, colors::Black);
    }
    // Odd sizes: halves of the pixel count, taken before scaling.
    TImagePlacement odd;
    odd.SetPicture(601, 401);
    odd.PlaceHandles();
    EXPECT_EQ(odd.Handles()[1].origin.X, static_cast<int>(std::lround(300 * s)));

    // Within 5 units on both axes of a handle its cursor shows and a drag
    // would act on it; elsewhere the picture moves.
    EXPECT_EQ(p.Hover(10260 + 5, 6973 - 5), SizeCursorNWSE);
    EXPECT_EQ(p.ActiveHandle(), 8);
    EXPECT_EQ(p.Hover(10260 + 6, 6973), ImageMoveCursor);
    EXPECT_EQ(p.ActiveHandle(), 0);
    EXPECT_EQ(p.Hover(104, 3590), SizeCursorWE);
    EXPECT_EQ(p.ActiveHandle(), 4);

    // The handles are drawn as they are placed.
    TRecordingCanvas canvas;
    p.DrawHandles(canvas);
    ASSERT_EQ(canvas.count(TOpKind::Rectangle), 8u);
    EXPECT_EQ(canvas.ops[0].points[0], (TPoint{95, 195}));
    EXPECT_EQ(canvas.ops[0].points[1], (TPoint{105, 205}));

    // Zoomed out, where a pixel is 10 logical units, the handles are drawn and
    // hit 4 pixels either side of their points instead of a fraction of one.
    struct TZoomedOut : TRecordingCanvas {
        TPoint DeviceToLogical(TPoint aP) const override { return TPoint{aP.X * 10, aP.Y * 10}; }
    } zoomedOut;
    p.DrawHandles(zoomedOut);
    EXPECT_EQ(zoomedOut.ops[0].points[0], (TPoint{60, 160}));
    EXPECT_EQ(zoomedOut.ops[0].points[1], (TPoint{140, 240}));
    EXPECT_EQ(p.Hover(100 + 40, 200 - 40), SizeCursorNWSE);
    EXPECT_EQ(p.Hover(100 + 41, 200), ImageMoveCursor);
    p.DrawHandles(canvas);  // back at the first zoom: 5 units again
    EXPECT_EQ(p.Hover(100 + 6, 200), ImageMoveCursor);

    // A position beyond 32 bits is a range error and moves no handle.
    p.SetOffset(TPoint{std::numeric_limits<std::int32_t>::max() - 100, 0});
    EXPECT_THROW(p.PlaceHandles(), std::range_error);
    EXPECT_EQ(p.Handles()[0].origin, (TPoint{100, 200}));
}

TEST(ImagePlacement, MovingAndTheReadout) {
    TImagePlacement p = Picture600x400();
    DragFrom(p, 3000, 3000, 3100, 3000);
    EXPECT_EQ(p.Offset(), (TPoint{100, 0}));
    ASSERT_TRUE(p.Drag(3050, 2960, true));  // Ctrl makes no difference
    EXPECT_EQ(p.Offset(), (TPoint{50, -40}));
    EXPECT_DOUBLE_EQ(p.ScaleX(), DefaultImageScale);
    // Press point minus current point: a drag 1 mm to the right reads -100.
    const auto format = [](double v) { return FormatMask(v, "0.#"); };
    EXPECT_EQ(ImageDragText(p.PressPoint(), TPoint{3100, 3000}, format), " dx: -100 dy: 0");
    EXPECT_EQ(ImageDragText(p.PressPoint(), TPoint{3050, 2960}, format), " dx: -50 dy: 40");
    EXPECT_TRUE(p.Release());
    EXPECT_FALSE(p.Drag(0, 0, false));
    EXPECT_EQ(p.Offset(), (TPoint{50, -40}));
}

TEST(ImagePlacement, CornerHandlesKeepOrFreeTheAspect) {
    // Bottom right without Ctrl: the smaller scale for both axes, top-left
    // corner fixed.
    TImagePlacement p = Picture600x400();
    DragFrom(p, 10160, 6773, 6000, 6000);
    EXPECT_DOUBLE_EQ(p.ScaleX(), 10);
    EXPECT_DOUBLE_EQ(p.ScaleY(), 10);
    EXPECT_EQ(p.Offset(), (TPoint{0, 0}));
    // With Ctrl, width and height follow the mouse independently.
    ASSERT_TRUE(p.Drag(6000, 6000, true));
    EXPECT_DOUBLE_EQ(p.ScaleX(), 10);
    EXPECT_DOUBLE_EQ(p.ScaleY(), 15);

    // Top left without Ctrl: the bottom-right corner stays where it was.
    p = Picture600x400();
    DragFrom(p, 0, 0, 5080, 0);
    const double s = (10160 - 5080) / 600.0;
    EXPECT_DOUBLE_EQ(p.ScaleX(), s);
    EXPECT_DOUBLE_EQ(p.ScaleY(), s);
    EXPECT_EQ(p.Offset(), (TPoint{5080, static_cast<int>(std::lround(400 * 2540.0 / 150 - 400 * s))}));
    EXPECT_NEAR(p.Rect().Right, 10160, 1);
    EXPECT_NEAR(p.Rect().Bottom, 400 * 2540.0 / 150, 1);

    // Top right without Ctrl keeps the bottom-left corner; bottom left keeps
    // the top-right one.
    p = Picture600x400();
    DragFrom(p, 10160, 0, 6000, 1000);
    EXPECT_EQ(p.Offset().X, 0);
    EXPECT_DOUBLE_EQ(p.ScaleX(), 10);
    EXPECT_NEAR(p.Rect().Bottom, 400 * 2540.0 / 150, 1);
    p = Picture600x400();
    DragFrom(p, 0, 6773, 4160, 9000);
    EXPECT_EQ(p.Offset(), (TPoint{4160, 0}));
    EXPECT_DOUBLE_EQ(p.ScaleY(), 10);

    // Top left with Ctrl: each edge follows on its own.
    p = Picture600x400();
    DragFrom(p, 0, 0, 1000, 2000, true);
    EXPECT_EQ(p.Offset(), (TPoint{1000, 2000}));
    EXPECT_DOUBLE_EQ(p.ScaleX(), (10160 - 1000) / 600.0);
    EXPECT_DOUBLE_EQ(p.ScaleY(), (400 * 2540.0 / 150 - 2000) / 400);
}

TEST(ImagePlacement, NoHandleCrossesTheOppositeEdge) {
    // The top-left handle beyond the right (or bottom) edge freezes the
    // picture until the mouse comes back.
    TImagePlacement p = Picture600x400();
    DragFrom(p, 0, 0, 12000, 1000);
    EXPECT_EQ(p.Offset(), (TPoint{0, 0}));
    EXPECT_DOUBLE_EQ(p.ScaleX(), DefaultImageScale);
    ASSERT_TRUE(p.Drag(1000, 9000, false));
    EXPECT_DOUBLE_EQ(p.ScaleY(), DefaultImageScale);
    ASSERT_TRUE(p.Drag(1000, 1000, false));
    EXPECT_LT(p.ScaleX(), DefaultImageScale);
    // With Ctrl the axis that would cross stays, the other follows.
    p = Picture600x400();
    DragFrom(p, 0, 0, 12000, 1000, true);
    EXPECT_EQ(p.Offset(), (TPoint{0, 1000}));
    EXPECT_DOUBLE_EQ(p.ScaleX(), DefaultImageScale);

    // Edge handles move their own edge only, never across the opposite one.
    p = Picture600x400();
    DragFrom(p, 10160, 3387, -500, 1000);  // middle right, left of the left edge
    EXPECT_DOUBLE_EQ(p.ScaleX(), DefaultImageScale);
    ASSERT_TRUE(p.Drag(5080, 1000, false));
    EXPECT_DOUBLE_EQ(p.ScaleX(), 5080 / 600.0);
    EXPECT_DOUBLE_EQ(p.ScaleY(), DefaultImageScale);
    p = Picture600x400();
    DragFrom(p, 0, 3387, 2000, 0);  // middle left
    EXPECT_EQ(p.Offset(), (TPoint{2000, 0}));
    EXPECT_NEAR(p.Rect().Right, 10160, 1e-9);
    p = Picture600x400();
    DragFrom(p, 5080, 0, 5080, 7000);  // top middle, below the bottom edge
    EXPECT_EQ(p.Offset(), (TPoint{0, 0}));
    EXPECT_DOUBLE_EQ(p.ScaleY(), DefaultImageScale);
    p = Picture600x400();
    DragFrom(p, 5080, 6773, 5080, 2000);  // bottom middle
    EXPECT_DOUBLE_EQ(p.ScaleY(), 5.0);
    EXPECT_DOUBLE_EQ(p.ScaleX(), DefaultImageScale);
}

TEST(ImagePlacement, CancelDoubleClickAndInactivePictures) {
    TImagePlacement p = Picture600x400();
    p.SetOffset(TPoint{333, 777});
    p.SetScale(12.345, 23.456);
    EXPECT_FALSE(p.Cancel());  // no drag: nothing happens
    p.PlaceHandles();
    DragFrom(p, 7740, 10160, 9000, 12000);
    ASSERT_TRUE(p.Drag(8000, 11000, true));
    ASSERT_TRUE(p.Drag(100, 100, false));
    EXPECT_TRUE(p.Cancel());
    EXPECT_FALSE(p.Dragging());
    EXPECT_EQ(p.Offset(), (TPoint{333, 777}));
    EXPECT_EQ(p.ScaleX(), 12.345);
    EXPECT_EQ(p.ScaleY(), 23.456);

    // What a drag acts on is kept while dragging.
    p.PlaceHandles();
    p.Hover(333, 777);
    ASSERT_EQ(p.ActiveHandle(), 1);
    ASSERT_TRUE(p.Press(333, 777, false));
    p.Hover(5000, 5000);
    EXPECT_EQ(p.ActiveHandle(), 1);
    p.Release();

    // A double click moves the corner to the origin; its size stays and no
    // drag starts.
    EXPECT_TRUE(p.Press(5000, 5000, true));
    EXPECT_EQ(p.Offset(), (TPoint{0, 0}));
    EXPECT_EQ(p.ScaleX(), 12.345);
    EXPECT_FALSE(p.Dragging());

    // Without a picture, or with it hidden, presses do nothing.
    TImagePlacement none;
    EXPECT_FALSE(none.Press(10, 10, false));
    EXPECT_FALSE(none.Press(10, 10, true));
    p.SetOffset(TPoint{5, 5});
    p.SetVisible(false);
    EXPECT_FALSE(p.Press(10, 10, true));
    EXPECT_EQ(p.Offset(), (TPoint{5, 5}));
    EXPECT_FALSE(p.Dragging());

    // A picture without pixels still moves; its handles do nothing.
    TImagePlacement empty;
    empty.SetPicture(0, 0);
    DragFrom(empty, 0, 0, 400, 300);
    EXPECT_EQ(empty.Offset(), (TPoint{0, 0}));
    EXPECT_DOUBLE_EQ(empty.ScaleX(), DefaultImageScale);
    empty.Release();
    DragFrom(empty, 3000, 3000, 3400, 3300);
    EXPECT_EQ(empty.Offset(), (TPoint{400, 300}));
}

TEST(ImagePlacement, PartCopiedByARedraw) {
    TImagePlacement p = Picture600x400();
    p.SetOffset(TPoint{100, 200});
    // Wholly visible: the whole picture, one unit up and left.
    std::optional<TImageBlit> b = ImageBlit(p, TRect{0, 0, 20000, 20000});
    ASSERT_TRUE(b);
    EXPECT_EQ(b->source, (TRect{0, 0, 600, 400}));
    EXPECT_EQ(b->dest, (TRect{99, 199, 10259, 6972}));

    // Partly visible: only the visible part, at its place.
    b = ImageBlit(p, TRect{5000, 3000, 8000, 20000});
    ASSERT_TRUE(b);
    const double s = 2540.0 / 150;
    EXPECT_EQ(b->source, (TRect{static_cast<int>(std::lround(4900 / s)), static_cast<int>(std::lround(2800 / s)),
                               static_cast<int>(std::lround(7900 / s)), 400}));
    EXPECT_EQ(b->dest, (TRect{4999, 2999, 7999, 6972}));

    // Wholly outside, hidden or without pixels: nothing is copied.
    EXPECT_FALSE(ImageBlit(p, TRect{10300, 0, 20000, 20000}));
    EXPECT_FALSE(ImageBlit(p, TRect{0, 7000, 20000, 20000}));
    EXPECT_FALSE(ImageBlit(p, TRect{-5000, -5000, 100, 200}));
    p.SetVisible(false);
    EXPECT_FALSE(ImageBlit(p, TRect{0, 0, 20000, 20000}));
    TImagePlacement empty;
    empty.SetPicture(0, 10);
    EXPECT_FALSE(ImageBlit(empty, TRect{0, 0, 20000, 20000}));
}

}  // namespace
}  // namespace torvik
