// Protects the grid: its extent, line counts, solid and dotted styles and pen.
#include <gtest/gtest.h>

#include "render/grid.h"
#include "render/recording_canvas.h"

namespace torvik {
namespace {

struct TGridCount {
    int vertical = 0, horizontal = 0, solidVertical = 0, solidHorizontal = 0;
};

TGridCount CountGrid(const TRecordingCanvas& c) {
    TGridCount n;
    for (const TRecordedOp& op : c.ofKind(TOpKind::Line)) {
        const TPoint a = op.points[0], b = op.points[1];
        const bool solid = op.pen.style == TPenStyle::Solid;
        if (a.X == b.X) {
            EXPECT_EQ(a.Y, 0);
            EXPECT_EQ(b.Y, 10000);
            ++n.vertical;
            n.solidVertical += solid;
            // Solid exactly on the 10 mm lines.
            EXPECT_EQ(solid, a.X % 1000 == 0) << a.X;
        } else {
            EXPECT_EQ(a.Y, b.Y);
            EXPECT_EQ(a.X, 0);
            EXPECT_EQ(b.X, 10000);
            ++n.horizontal;
            n.solidHorizontal += solid;
        }
        EXPECT_EQ(op.pen.width, 0);
        EXPECT_EQ(op.pen.color, colors::Grey);
        EXPECT_EQ(op.pen.mode, TPenMode::Copy);
        EXPECT_TRUE(op.transparentBackground);
    }
    return n;
}

TEST(Grid, LineCountsAndStylesPerDensity) {
    const struct {
        int density, lines, solid;
    } cases[] = {{0, 11, 11}, {1, 21, 11}, {2, 51, 11}, {3, 101, 11}, {-1, 51, 11}, {4, 51, 11}, {1000, 51, 11}};
    for (const auto& k : cases) {
        TRecordingCanvas c;
        DrawGrid(c, k.density);
        const TGridCount n = CountGrid(c);
        EXPECT_EQ(n.vertical, k.lines) << k.density;
        EXPECT_EQ(n.horizontal, k.lines) << k.density;
        EXPECT_EQ(n.solidVertical, k.solid) << k.density;
        EXPECT_EQ(n.solidHorizontal, k.solid) << k.density;
        EXPECT_EQ(c.ops.size(), c.count(TOpKind::Line));
    }
    EXPECT_EQ(GridSpacing(0), 1000);
    EXPECT_EQ(GridSpacing(3), 100);
}

}  // namespace
}  // namespace torvik
