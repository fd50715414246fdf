// Protects the bracket outline, its hit test, markers and direction folding.
#include <gtest/gtest.h>

#include "wire/bracket.h"

using namespace torvik;

TEST(BracketTest, OutlineFollowsOriginAndDirection) {
    TBracket b;
    EXPECT_EQ(b.Name, "Bracket");
    b.SetDirection(Pi);
    b.SetOrigin(MakePoint(10, 10));
    const TPoint expected[6] = {{1100, 1050}, {1000, 1030}, {900, 1030}, {1100, 950}, {1000, 970}, {900, 970}};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(b.Corners()[i].AsTPoint(), expected[i]) << "corner " << i + 1;
    const auto markers = b.Markers();
    ASSERT_EQ(markers.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(markers[i].origin, expected[i]);
        EXPECT_EQ(markers[i].size, MarkerSize);
        EXPECT_EQ(markers[i].Shape(), "circle");
    }

    b.SetDirection(-Pi / 2);
    EXPECT_DOUBLE_EQ(b.Direction(), 3 * Pi / 2);
    b.SetDirection(7);
    EXPECT_DOUBLE_EQ(b.Direction(), 7 - 2 * Pi);
}

TEST(BracketTest, ContainsTheSlotAndFlareOnly) {
    TBracket b;
    b.SetOrigin(MakePoint(20, 10));
    EXPECT_TRUE(b.Contains(2000, 1000));
    EXPECT_TRUE(b.Contains(1950, 1035));   // inside the flare, wider than the slot
    EXPECT_FALSE(b.Contains(2050, 1040));  // outside the parallel walls
    EXPECT_FALSE(b.Contains(2150, 1000));  // beyond the slot's end
    b.SetDirection(Pi / 2);                // the hit test turns with the bracket
    EXPECT_TRUE(b.Contains(2000, 2050 - 1000));
    EXPECT_FALSE(b.Contains(2050, 1000));

    EXPECT_EQ(b.BoundsRect(), (TRect{1970, 970, 2030, 1030}));
    b.SetOrigin(MakePoint(3.0e7, 0));
    EXPECT_THROW(b.BoundsRect(), std::range_error);
    EXPECT_FALSE(b.Contains(0, 0));
}
