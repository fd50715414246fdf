// Protects the figures of the wire information box: length, end distance and angulation to the right bracket, strains, segment count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "wire/wire_info.h"

using namespace torvik;

TEST(WireInfoTest, NewDesign) {
    TDesign d(0.25, DefaultStock());
    const TWireInfo info = WireInfo(d);
    // The wire always holds its first segment, of the segment size.
    EXPECT_EQ(info.SegmentCount, 1);
    EXPECT_DOUBLE_EQ(info.TotalLength, 0.25);
    // End at (10.25, 10), right bracket at (20, 10), both facing +x.
    EXPECT_DOUBLE_EQ(info.DistanceToBracket, 9.75);
    EXPECT_EQ(info.AngulationToBracket, 0);
    EXPECT_EQ(info.MaxStrain, 0);
    EXPECT_EQ(info.MinStrain, 0);
}

TEST(WireInfoTest, AngulationIsTheBracketsDirectionLessTheEndsWithinHalfATurn) {
    TDesign d(0.5, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.AddSeg(0.5, ToRadians(30));  // the end now points 30 degrees clockwise
    w.AddSeg(0.5, 0);

    d.RightBracket.SetDirection(ToRadians(30));
    EXPECT_NEAR(WireInfo(d).AngulationToBracket, 0, 1e-12);

    // 190 degrees apart is -170: the short way round.
    d.RightBracket.SetDirection(ToRadians(220));
    EXPECT_NEAR(WireInfo(d).AngulationToBracket, -170, 1e-9);
    // And the other way: bracket 10, end 200 (also -190) gives +170.
    w.BendSeg(1, ToRadians(170));
    d.RightBracket.SetDirection(ToRadians(10));
    EXPECT_NEAR(WireInfo(d).AngulationToBracket, 170, 1e-9);
    EXPECT_EQ(WireInfo(d).SegmentCount, 3);
    EXPECT_DOUBLE_EQ(WireInfo(d).TotalLength, 1.5);

    // The distance is measured from the wire's end to the bracket's point.
    const TPointReal end = w.Corner();
    d.RightBracket.Origin()->SetXY(end.x + 3, end.y - 4);
    EXPECT_NEAR(WireInfo(d).DistanceToBracket, 5, 1e-12);
}

TEST(WireInfoTest, StrainsInDegreesOverTheSegments) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    for (int i = 0; i < 40; ++i) w.AddSeg(0.25, 0);
    // A force across the free end bends the clamped end most and the free
    // end least.
    const TPointReal end = w.Corner();
    w.Deform(end, 0, 50, 0);
    double largest = 0;
    double smallest = 1e9;
    for (const TWireSeg& s : w.Segments()) {
        largest = std::max(largest, std::abs(s.dAngle));
        smallest = std::min(smallest, std::abs(s.dAngle));
    }
    ASSERT_GT(largest, smallest);
    const TWireInfo info = WireInfo(d);
    EXPECT_DOUBLE_EQ(info.MaxStrain, ToDegrees(largest));
    EXPECT_DOUBLE_EQ(info.MinStrain, ToDegrees(smallest));
    EXPECT_DOUBLE_EQ(info.MaxStrain, ToDegrees(std::abs(w.Segment(0).dAngle)));
}
