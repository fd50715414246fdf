// Protects the wire editing commands: preset pieces, user-defined loops, bends and cuts at a node, freeze, flip and node selection.
#include <gtest/gtest.h>

#include <cmath>

#include "wire/design.h"
#include "wire/wire_edit.h"

using namespace torvik;

namespace {

constexpr double Deg = Pi / 180;

double TotalBend(const TPiece& p) { return p.count * p.bend; }

// A design whose wire runs 10 straight segments of 0.25 mm to the right.
struct TStraightDesign : TDesign {
    explicit TStraightDesign(int aSegments = 10, double aSize = 0.25) : TDesign(aSize, DefaultStock()) {
        for (int i = 1; i < aSegments; ++i) CurrentWire->AddSeg(aSize, 0);
    }
    TWire& Wire() { return *CurrentWire; }
};

void ExpectSamePiece(const TPiece& a, const TPiece& b) {
    EXPECT_EQ(a.count, b.count);
    EXPECT_NEAR(a.length, b.length, 1e-12);
    EXPECT_NEAR(a.bend, b.bend, 1e-12);
}

}  // namespace

TEST(WireEditTest, PresetPiecesAppendTheirTurns) {
    const TPiece straight = PresetPiece(TPreset::Straight, 0.5);
    EXPECT_EQ(straight.count, 4);
    EXPECT_EQ(straight.length, 0.5);
    EXPECT_EQ(straight.bend, 0.0);

    const TPiece r90 = PresetPiece(TPreset::Right90, 0.25);
    EXPECT_EQ(r90.count, 5);
    EXPECT_NEAR(r90.length, 0.23465, 5e-6);
    EXPECT_NEAR(r90.bend, 18 * Deg, 1e-12);
    const TPiece l90 = PresetPiece(TPreset::Left90, 0.25);
    EXPECT_EQ(l90.count, 5);
    EXPECT_EQ(l90.length, r90.length);  // a left turn has the same chords
    EXPECT_EQ(l90.bend, -r90.bend);

    const TPiece r180 = PresetPiece(TPreset::Right180, 0.25);
    EXPECT_EQ(r180.count, 13);
    EXPECT_NEAR(r180.length, 0.24107, 5e-6);
    EXPECT_NEAR(r180.bend / Deg, 13.846, 5e-4);
    EXPECT_EQ(PresetPiece(TPreset::Left180, 0.25).bend, -r180.bend);

    // Appended: the first new segment continues straight, the end direction
    // turns by the whole angle, and a 180 degree turn comes back parallel,
    // 2 cos(180 / 26) mm further down and one chord further on.
    TStraightDesign d(1);
    TWire& w = d.Wire();
    const TPointReal start = w.Corner();
    AppendPiece(w, r180);
    EXPECT_EQ(w.Count(), 14);
    EXPECT_EQ(w.Segment(1).direction, 0.0);
    EXPECT_NEAR(w.EndDirection(), Pi, 1e-12);
    EXPECT_NEAR(w.Corner().y - start.y, 2 * std::cos(Pi / 26), 1e-12);
    EXPECT_NEAR(w.Corner().x - start.x, r180.length, 1e-12);
    AppendPiece(w, PresetPiece(TPreset::Left90, 0.25));
    EXPECT_NEAR(w.EndDirection(), Pi / 2, 1e-12);  // y grows downwards: right turns clockwise
    EXPECT_TRUE(w.dirty);
}

TEST(WireEditTest, UserLoopFromTheDialogDefaults) {
    // 2.0 mm, 180 degrees, segment length kept: 13 segments of 0.25 mm bent
    // by the angle a 0.25 mm chord subtends, 186.7 degrees in all.
    const TPiece keep = UserLoopPiece(2.0, 180, true, 0.25);
    EXPECT_EQ(keep.count, 13);
    EXPECT_EQ(keep.length, 0.25);
    EXPECT_NEAR(keep.bend / Deg, 14.36, 5e-3);
    EXPECT_NEAR(keep.bend, 2 * std::asin(0.125), 1e-12);
    EXPECT_NEAR(TotalBend(keep) / Deg, 186.7, 5e-2);

    // Fitted to the circle: exactly 180 degrees, the 180 degree right turn.
    const TPiece fitted = UserLoopPiece(2.0, 180, false, 0.25);
    EXPECT_NEAR(fitted.length, 0.24107, 5e-6);
    EXPECT_NEAR(fitted.bend / Deg, 13.846, 5e-4);
    EXPECT_NEAR(TotalBend(fitted), Pi, 1e-12);
    ExpectSamePiece(fitted, PresetPiece(TPreset::Right180, 0.25));

    // A negative angle is the mirror image; a negative diameter the same
    // loop as its magnitude.
    for (bool keepLength : {true, false}) {
        const TPiece right = UserLoopPiece(2.0, 180, keepLength, 0.25);
        const TPiece left = UserLoopPiece(2.0, -180, keepLength, 0.25);
        EXPECT_EQ(left.count, right.count);
        EXPECT_NEAR(left.length, right.length, 1e-12);
        EXPECT_NEAR(left.bend, -right.bend, 1e-12);
        ExpectSamePiece(UserLoopPiece(-2.0, 180, keepLength, 0.25), right);
        ExpectSamePiece(UserLoopPiece(-2.0, -180, keepLength, 0.25), left);
    }
}

TEST(WireEditTest, UserLoopCountRounding) {
    // A 0.25 mm chord on a 2 mm circle subtends 14.36 degrees: 7 degrees
    // round to no segment at all, 8 to one.
    EXPECT_EQ(UserLoopPiece(2.0, 7, true, 0.25).count, 0);
    EXPECT_EQ(UserLoopPiece(2.0, -7, false, 0.25).count, 0);
    EXPECT_EQ(UserLoopPiece(2.0, 0, true, 0.25).count, 0);
    EXPECT_EQ(UserLoopPiece(2.0, 8, true, 0.25).count, 1);
    const TPiece one = UserLoopPiece(2.0, 8, false, 0.25);
    EXPECT_NEAR(one.bend, 8 * Deg, 1e-12);
    EXPECT_NEAR(one.length, 2 * std::sin(4 * Deg), 1e-12);

    // A wider circle takes more segments for the same turn; a full turn on
    // 10 mm with 0.5 mm segments: 360 / 5.732 = 62.8, so 63.
    const TPiece wide = UserLoopPiece(10.0, 360, true, 0.5);
    EXPECT_EQ(wide.count, 63);
    EXPECT_NEAR(wide.bend, 2 * std::asin(0.05), 1e-12);

    // Nothing appended for an empty piece.
    TStraightDesign d(3);
    AppendPiece(d.Wire(), UserLoopPiece(2.0, 7, true, 0.25));
    EXPECT_EQ(d.Wire().Count(), 3);
}

TEST(WireEditTest, UserLoopThatCannotBeBuilt) {
    // No chord of the segment size fits a circle that is not wider than it.
    for (double diameter : {0.25, 0.2, 0.0, -0.0, -0.1, -0.25}) {
        try {
            (void)UserLoopPiece(diameter, 180, true, 0.25);
            ADD_FAILURE() << diameter;
        } catch (const TEditError& e) {
            EXPECT_STREQ(e.what(), "The loop diameter must be larger than the segment size.");
        }
        EXPECT_THROW((void)UserLoopPiece(diameter, 180, false, 0.25), TEditError) << diameter;
    }
    // Just larger works: every segment bends by almost 180 degrees.
    EXPECT_EQ(UserLoopPiece(0.2501, 180, true, 0.25).count, 1);
    EXPECT_EQ(UserLoopPiece(-0.2501, 180, true, 0.25).count, 1);

    // A loop beyond what a design file can hold is refused, however large.
    for (double angle : {1e7, -1e7, 1e300}) {
        try {
            (void)UserLoopPiece(2.0, angle, true, 0.25);
            ADD_FAILURE() << angle;
        } catch (const TEditError& e) {
            EXPECT_STREQ(e.what(), "The loop would give the wire more than 100000 segments.");
        }
    }
    EXPECT_THROW((void)UserLoopPiece(1e12, 1, true, 0.25), TEditError);
    // ... counting the segments already there.
    const double perSegment = ToDegrees(2 * std::asin(0.125));
    EXPECT_EQ(UserLoopPiece(2.0, perSegment * 99990, true, 0.25, 10).count, 99990);
    EXPECT_THROW((void)UserLoopPiece(2.0, perSegment * 99991, true, 0.25, 10), TEditError);
}

TEST(WireEditTest, BendAtANode) {
    TStraightDesign d(5);
    TWire& w = d.Wire();
    BendNode(w, 1, 10);
    EXPECT_NEAR(w.Segment(1).angle, 10 * Deg, 1e-15);
    EXPECT_NEAR(w.Segment(2).direction, 10 * Deg, 1e-15);
    EXPECT_NEAR(w.EndDirection(), 10 * Deg, 1e-15);
    BendNode(w, 1, -90);
    EXPECT_NEAR(w.Segment(1).angle, -80 * Deg, 1e-15);
    EXPECT_DOUBLE_EQ(w.TotalLength(), 1.25);

    // The last node: nothing moves, but later pieces go the new way.
    const TPointReal end = w.Corner();
    BendNode(w, 4, 90);
    EXPECT_EQ(w.Corner(), end);
    AppendPiece(w, PresetPiece(TPreset::Straight, 0.25));
    EXPECT_NEAR(w.Corner().x - end.x, std::cos(10 * Deg), 1e-12);
    EXPECT_NEAR(w.Corner().y - end.y, std::sin(10 * Deg), 1e-12);

    EXPECT_THROW(BendNode(w, w.Count(), 10), std::out_of_range);
}

TEST(WireEditTest, EditsStayWithinWhatADesignFileHolds) {
    // A typed bend of 60,000 degrees would be saved, but never read again.
    TStraightDesign d(3);
    TWire& w = d.Wire();
    const double most = ToDegrees(MaxFileBend);
    BendNode(w, 1, most - 10);
    EXPECT_THROW(CheckBend(w, 1, 20), TEditError);
    EXPECT_THROW(BendNode(w, 1, 20), TEditError);
    EXPECT_NEAR(ToDegrees(w.Segment(1).angle), most - 10, 1e-9);  // unchanged
    BendNode(w, 1, 9.9);
    BendNode(w, 1, -2 * most + 20);  // to the other side
    EXPECT_NEAR(ToDegrees(w.Segment(1).angle), -most + 19.9, 1e-9);
    EXPECT_THROW(CheckBend(w, 0, 1e300), TEditError);
    EXPECT_THROW(CheckBend(w, 3, 0), std::out_of_range);

    // Pieces that would take the wire beyond the segments a file may hold.
    const TPiece turn = PresetPiece(TPreset::Right180, 0.25);
    TPiece filler{MaxFileSegments - w.Count() - turn.count, 0.001, 0};
    AppendPiece(w, filler);
    CheckRoom(w, turn);
    AppendPiece(w, turn);
    ASSERT_EQ(w.Count(), MaxFileSegments);
    EXPECT_THROW(CheckRoom(w, PresetPiece(TPreset::Straight, 0.25)), TEditError);
    EXPECT_THROW(AppendPiece(w, PresetPiece(TPreset::Straight, 0.25)), TEditError);
    EXPECT_EQ(w.Count(), MaxFileSegments);
    CheckRoom(w, TPiece{});
}

TEST(WireEditTest, Cuts) {
    // One segment: the rest closes up and keeps its bends.
    TStraightDesign d(6);
    TWire& w = d.Wire();
    w.BendSeg(3, 0.3);
    CutOneSegment(w, 1);
    EXPECT_EQ(w.Count(), 5);
    EXPECT_EQ(w.Segment(2).angle, 0.3);
    EXPECT_NEAR(w.Segment(2).origin->x, 10.5, 1e-12);
    CutOneSegment(w, 4);  // at the end: nothing
    EXPECT_EQ(w.Count(), 5);

    // To the end: the node becomes the wire's end.
    CutAfterNode(w, 2);
    EXPECT_EQ(w.Count(), 3);
    CutAfterNode(w, 2);
    EXPECT_EQ(w.Count(), 3);
    CutAfterNode(w, 0);
    EXPECT_EQ(w.Count(), 1);

    // One millimetre counts segments: 2 of 0.5 mm, 4 of 0.25 mm, 1 of 1 mm,
    // none of 3 mm; whatever the segments' own lengths.
    TStraightDesign half(8, 0.5);
    CutOneMillimetre(half.Wire(), 2, 0.5);
    EXPECT_EQ(half.Wire().Count(), 6);
    CutOneMillimetre(half.Wire(), 5, 0.5);  // at the end: nothing
    EXPECT_EQ(half.Wire().Count(), 6);
    CutOneMillimetre(half.Wire(), 4, 0.5);  // one left after the node
    EXPECT_EQ(half.Wire().Count(), 5);
    CutOneMillimetre(half.Wire(), 0, 3.0);
    EXPECT_EQ(half.Wire().Count(), 5);
    CutOneMillimetre(half.Wire(), 0, 1.0);
    EXPECT_EQ(half.Wire().Count(), 4);

    TStraightDesign quarter(2);
    AppendPiece(quarter.Wire(), PresetPiece(TPreset::Right180, 0.25));
    CutOneMillimetre(quarter.Wire(), 1, 0.25);
    EXPECT_EQ(quarter.Wire().Count(), 11);
    EXPECT_NEAR(quarter.Wire().TotalLength(), 0.5 + 9 * PresetPiece(TPreset::Right180, 0.25).length, 1e-12);
}

TEST(WireEditTest, FreezeTheActivatedShape) {
    for (bool reset : {true, false}) {
        TStraightDesign d(20);
        TWire& w = d.Wire();
        w.BendSeg(9, Pi / 2);
        d.RightBracket.Origin()->SetXY(w.Corner().x + 0.5, w.Corner().y);
        d.RightForce.x = -20;
        d.RightForce.y = 5;
        d.RightForce.m = 3;
        w.Deform(*d.RightBracket.Origin(), d.RightForce.x, d.RightForce.y, d.RightForce.m);
        std::vector<double> activated;
        for (const TWireSeg& s : w.Segments()) activated.push_back(s.angle + s.dAngle);
        const double firstStrain = w.Segment(0).dAngle;
        ASSERT_GT(w.MaxStrain(), 0.0);

        FreezeWire(d, reset);
        for (int i = 0; i < w.Count(); ++i) EXPECT_DOUBLE_EQ(w.Segment(i).angle, activated[i]) << i;
        EXPECT_TRUE(w.dirty);
        if (reset) {
            // The frozen shape stays as it is, with no load.
            EXPECT_EQ(d.RightForce.x, 0.0);
            EXPECT_EQ(d.RightForce.y, 0.0);
            EXPECT_EQ(d.RightForce.m, 0.0);
            EXPECT_EQ(w.MaxStrain(), 0.0);
            for (const TWireSeg& s : w.Segments()) EXPECT_EQ(s.deflection, 0.0);
            EXPECT_EQ(d.LeftForce.m, 0.0);
        } else {
            // The remaining load deforms the frozen wire once more.
            EXPECT_EQ(d.RightForce.x, -20);
            EXPECT_GT(w.MaxStrain(), 0.0);
            EXPECT_NE(w.Segment(0).dAngle, 0.0);
            EXPECT_NEAR(w.Segment(0).dAngle, firstStrain, 0.2 * std::abs(firstStrain));
            EXPECT_NEAR(d.LeftForce.x, 20, 1e-12);
            const TPointReal& lo = *d.LeftBracket.Origin();
            const TPointReal& ro = *d.RightBracket.Origin();
            EXPECT_NEAR(d.LeftForce.m, -3 - (lo.y - ro.y) * -20 + (lo.x - ro.x) * 5, 1e-9);
        }
    }
}

TEST(WireEditTest, FreezeKeepsALoadWhereItActs) {
    // After a sliding run the load acts where the wire end sits in the slot,
    // not at the bracket's point; the frozen wire deforms under it there.
    TStraightDesign d(20);
    TWire& w = d.Wire();
    d.RightBracket.Origin()->SetXY(w.Corner().x + 1.0, w.Corner().y);
    d.RightForce = LoadMovedTo(TForceMoment(d.RightBracket.Origin(), 0, 4, 2), MakePoint(w.Corner().x, w.Corner().y));
    FreezeWire(d, false);
    const double atLoad = w.Corner().y;
    w.Deform(*d.RightBracket.Origin(), d.RightForce.x, d.RightForce.y, d.RightForce.m);
    EXPECT_GT(std::abs(w.Corner().y - atLoad), 1e-4);
    d.DeformUnderLoad();
    EXPECT_NEAR(w.Corner().y, atLoad, 1e-9);
}

TEST(WireEditTest, FlipMirrorsTheRestShapeAndDropsTheLoad) {
    TStraightDesign d(8);
    TWire& w = d.Wire();
    AppendPiece(w, PresetPiece(TPreset::Right90, 0.25));
    const TPointReal rest = w.Corner();
    d.RightForce.x = 30;
    d.RightForce.m = -4;
    w.Deform(*d.RightBracket.Origin(), d.RightForce.x, d.RightForce.y, d.RightForce.m);
    d.CalcLeftForce();
    ASSERT_GT(w.MaxStrain(), 0.0);

    FlipWire(d);
    EXPECT_EQ(d.RightForce.x, 0.0);
    EXPECT_EQ(d.RightForce.m, 0.0);
    EXPECT_EQ(d.LeftForce.x, 0.0);
    EXPECT_EQ(d.LeftForce.m, 0.0);
    EXPECT_EQ(w.MaxStrain(), 0.0);
    for (const TWireSeg& s : w.Segments()) EXPECT_EQ(s.deflection, 0.0);
    // The mirror image of the rest shape about the start line y = 10.
    EXPECT_NEAR(w.Corner().x, rest.x, 1e-12);
    EXPECT_NEAR(w.Corner().y, 20 - rest.y, 1e-12);
    EXPECT_NEAR(w.Segment(9).angle, -18 * Deg, 1e-12);
    FlipWire(d);
    EXPECT_NEAR(w.Corner().y, rest.y, 1e-12);
}

TEST(WireEditTest, NodeSelection) {
    TStraightDesign d(5);
    const TWire& w = d.Wire();
    EXPECT_EQ(PreviousNode(w, 0), std::nullopt);
    EXPECT_EQ(PreviousNode(w, 3), 2);
    EXPECT_EQ(NextNode(w, 3), 4);
    EXPECT_EQ(NextNode(w, 4), std::nullopt);
    EXPECT_EQ(ExistingNode(w, 0), 0);
    EXPECT_EQ(ExistingNode(w, 4), 4);
    EXPECT_EQ(ExistingNode(w, 7), std::nullopt);
    EXPECT_EQ(ExistingNode(w, 5), std::nullopt);
    EXPECT_EQ(ExistingNode(w, -1), std::nullopt);
    TStraightDesign single(1);
    EXPECT_EQ(NextNode(single.Wire(), 0), std::nullopt);
    EXPECT_EQ(PreviousNode(single.Wire(), 0), std::nullopt);
}
