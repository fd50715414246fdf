// Protects the wire chain: its invariants under every edit, its bounds and
// node markers, and the sharing of the left bracket's origin point.
#include <gtest/gtest.h>

#include <cmath>

#include "wire/design.h"
#include "wire/wire.h"

using namespace torvik;

namespace {

// Every segment after the first starts where the one before ends, in its
// end direction.
void ExpectAttached(const TWire& w) {
    for (int i = 1; i < w.Count(); ++i) {
        const TPointReal c = w.Segment(i - 1).Corner();
        EXPECT_NEAR(w.Segment(i).origin->x, c.x, 1e-12) << i;
        EXPECT_NEAR(w.Segment(i).origin->y, c.y, 1e-12) << i;
        EXPECT_NEAR(w.Segment(i).direction, w.Segment(i - 1).EndDirection(), 1e-12) << i;
        EXPECT_NE(w.Segment(i).origin, w.Segment(i - 1).origin);
    }
}

}  // namespace

TEST(WireTest, NewDesignWireStartsAtTheLeftBracket) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    EXPECT_EQ(w.Count(), 1);
    EXPECT_FALSE(w.dirty);
    EXPECT_EQ(w.Origin(), d.LeftBracket.Origin());
    EXPECT_EQ(*w.Origin(), TPointReal(10, 10));
    EXPECT_EQ(w.Direction(), 0);
    EXPECT_EQ(w.Corner(), TPointReal(10.25, 10));

    w.AddSeg(0.25, Pi / 2);
    EXPECT_TRUE(w.dirty);
    EXPECT_EQ(*w.Segment(1).origin, TPointReal(10.25, 10));
    EXPECT_EQ(w.Segment(1).direction, 0);
    EXPECT_DOUBLE_EQ(w.EndDirection(), Pi / 2);

    // Moving the bracket's point in place moves the wire start; the rest
    // follows at the next rebuild.
    d.LeftBracket.Origin()->SetXY(12, 11);
    w.Rebuild();
    EXPECT_EQ(*w.Segment(1).origin, TPointReal(12.25, 11));

    // The wire never outlives nor frees the bracket's point.
    TPointRef origin = d.LeftBracket.Origin();
    d.CurrentWire.reset();
    EXPECT_EQ(*origin, TPointReal(12, 11));
}

TEST(WireTest, EditsKeepTheChainAttached) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    for (int i = 0; i < 8; ++i) w.AddSeg(0.25, 0);
    const double length = w.TotalLength();
    EXPECT_DOUBLE_EQ(length, 9 * 0.25);

    w.BendSeg(0, 0.1);
    ExpectAttached(w);
    for (int i = 1; i < w.Count(); ++i) EXPECT_NEAR(w.Segment(i).direction, 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(w.TotalLength(), length);

    w.InsertSeg(3, 0.5, 0);
    EXPECT_EQ(w.Count(), 10);
    EXPECT_DOUBLE_EQ(w.TotalLength(), length + 0.5);
    ExpectAttached(w);
    w.InsertSeg(w.Count(), 1, 0);
    w.InsertSeg(-1, 1, 0);
    EXPECT_EQ(w.Count(), 10);

    w.DeleteSeg(w.Count() - 1);
    EXPECT_EQ(w.Count(), 9);
    w.DeleteSeg(2);
    ExpectAttached(w);
    w.DeleteSeg(99);
    EXPECT_EQ(w.Count(), 8);

    // Deleting the first segment keeps the clamp at the bracket.
    w.DeleteSeg(0);
    EXPECT_EQ(w.Origin(), d.LeftBracket.Origin());
    EXPECT_EQ(w.Direction(), 0);
    ExpectAttached(w);

    w.CutToEnd(1);
    EXPECT_EQ(w.Count(), 1);
    w.AddSeg(0.25, 0);
    w.CutToEnd(0);  // the chain is never emptied
    EXPECT_EQ(w.Count(), 1);
    EXPECT_THROW(w.BendSeg(5, 0.1), std::out_of_range);
    EXPECT_THROW(w.Segment(-1), std::out_of_range);
}

TEST(WireTest, FlipFreezeAndStrain) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    for (int i = 0; i < 4; ++i) w.AddSeg(0.25, 0.2 * (i + 1));
    EXPECT_EQ(w.MaxStrain(), 0);
    EXPECT_EQ(w.MinStrain(), 0);
    w.FlipVertical();
    for (int i = 1; i < 5; ++i) EXPECT_DOUBLE_EQ(w.Segment(i).angle, -0.2 * i);
    w.FlipVertical();
    for (int i = 1; i < 5; ++i) EXPECT_DOUBLE_EQ(w.Segment(i).angle, 0.2 * i);

    w.dirty = false;
    const TPointReal before = w.Corner();
    w.Freeze();  // unloaded: nothing but the flag changes
    EXPECT_TRUE(w.dirty);
    EXPECT_EQ(w.Corner(), before);

    w.Deform(*d.RightBracket.Origin(), 0, 0, 50);
    EXPECT_GT(w.MaxStrain(), 0);
    EXPECT_GT(w.MinStrain(), 0);
    EXPECT_LE(w.MinStrain(), w.MaxStrain());
    const TPointReal loaded = w.Corner();
    const double loadedEnd = w.EndDirection();
    w.Freeze();  // the loaded shape becomes the rest shape
    EXPECT_EQ(w.MaxStrain(), 0);
    EXPECT_NEAR(w.EndDirection(), loadedEnd, 1e-12);
    EXPECT_NEAR(w.Corner().x, loaded.x, 1e-12);
    EXPECT_NEAR(w.Corner().y, loaded.y, 1e-12);
    ExpectAttached(w);
}

TEST(WireTest, MarkersBoundsAndHitTest) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    // A one-segment wire's bounds are the degenerate rectangle at its start.
    EXPECT_EQ(w.BoundsRect(), (TRect{10, 10, 10, 10}));
    w.AddSeg(3, Pi / 2);
    w.AddSeg(4, 0);
    // Starts at (10, 10), (10.25, 10) and (13.25, 10); the bend of segment
    // 1 lies at its far end, so segment 2 runs down to (13.25, 14).
    EXPECT_EQ(w.BoundsRect(), (TRect{10, 10, 13, 10}));
    w.AddSeg(1, 0);
    EXPECT_EQ(w.BoundsRect(), (TRect{10, 14, 13, 10}));  // Top is the larger y

    const auto markers = w.Markers(1);
    ASSERT_EQ(markers.size(), 4u);
    EXPECT_EQ(markers[0].origin, (TPoint{1025, 1000}));
    EXPECT_EQ(markers[1].origin, (TPoint{1325, 1000}));
    EXPECT_EQ(markers[2].origin, (TPoint{1325, 1400}));
    EXPECT_EQ(markers[0].size, 14);  // a third of 0.4064 mm
    EXPECT_EQ(markers[0].pen.color, colors::Red);
    EXPECT_EQ(markers[1].pen.color, colors::Blue);
    EXPECT_EQ(markers[1].Shape(), "circle");

    EXPECT_EQ(w.SegmentPosition(1325, 1000), 1);
    EXPECT_EQ(w.SegmentPosition(1339, 986), 1);
    EXPECT_EQ(w.SegmentPosition(1340, 1000), -1);
    EXPECT_EQ(w.SegmentPosition(1025, 1000), 0);
}
