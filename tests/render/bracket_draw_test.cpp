// Protects how a bracket draws its slot walls and its not-xor ghost.
#include <gtest/gtest.h>

#include "render/recording_canvas.h"
#include "wire/bracket.h"

namespace torvik {
namespace {

TEST(BracketDraw, TwoWallsSolidOrAsADottedNotXorGhost) {
    TBracket br;
    br.SetOrigin(MakePoint(10, 10));
    br.SetDirection(Pi);
    TRecordingCanvas c;
    br.Draw(c);
    const auto walls = c.ofKind(TOpKind::Line);
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(c.ops.size(), 4u);  // nothing filled
    EXPECT_EQ(walls[0].points, (std::vector<TPoint>{{1100, 1050}, {1000, 1030}}));
    EXPECT_EQ(walls[1].points, (std::vector<TPoint>{{1000, 1030}, {900, 1030}}));
    EXPECT_EQ(walls[2].points, (std::vector<TPoint>{{1100, 950}, {1000, 970}}));
    EXPECT_EQ(walls[3].points, (std::vector<TPoint>{{1000, 970}, {900, 970}}));
    for (const auto& w : walls) EXPECT_EQ(w.pen, (TPen{colors::Black, 7, TPenStyle::Solid, TPenMode::Copy}));

    TRecordingCanvas g;
    br.DrawGhost(g);
    const auto ghost = g.ofKind(TOpKind::Line);
    ASSERT_EQ(ghost.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ghost[i].points, walls[i].points);
        EXPECT_EQ(ghost[i].pen, (TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor}));
    }
}

}  // namespace
}  // namespace torvik
