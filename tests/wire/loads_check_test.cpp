// Protects the judgement whether the loads shown still hold the wire in the right bracket: as the run's own stop
// test after a run, and not after a bracket move, an edit, an undo or a freeze; zero loads alike; nothing changed.
#include <gtest/gtest.h>

#include "mechanics_test_support.h"
#include "wire/loads_check.h"

namespace torvik::test {
namespace {

// An L-shaped wire, 5 mm out and 5 mm down, whose end lies 0.36 mm from the
// right bracket, turned 3 degrees against the wire's end.
void BuildLoop(TDesign& d) {
    test::BuildL(d, 0.3, -0.2, ToRadians(3));
    d.AttachToBrackets();
}

std::vector<TPointReal> Corners(const TWire& w) {
    std::vector<TPointReal> corners;
    for (const TWireSeg& s : w.Segments()) corners.push_back(s.Corner());
    return corners;
}

TEST(LoadsCheckTest, LoadsARunFoundMeetTheBracketUntilTheDesignMovesAway) {
    for (const int target : {TargetPoint, TargetAngle, TargetSlot}) {
        TDesign d(0.25, DefaultStock());
        BuildLoop(d);
        TActivationSettings s;
        s.TargetMode = target;
        // Zero load on a wire that does not reach the bracket.
        EXPECT_FALSE(LoadsMeetBracket(d, s)) << target;
        ASSERT_EQ(RunToStop(d, s), TStopReason::Tolerance) << target;
        const std::vector<TPointReal> shape = Corners(*d.CurrentWire);
        EXPECT_TRUE(LoadsMeetBracket(d, s)) << target;
        // Asked while drawing: the wire stays exactly as it was.
        EXPECT_EQ(Corners(*d.CurrentWire), shape) << target;

        // Stricter tolerances than the run's: no longer met (the angle alone
        // is met exactly, a pure moment turning the end linearly).
        TActivationSettings strict = s;
        strict.ToleranceDistance = strict.ToleranceAngle = 1e-9;
        if (target != TargetAngle) {
            EXPECT_FALSE(LoadsMeetBracket(d, strict)) << target;
        }
    }

    TDesign d(0.25, DefaultStock());
    BuildLoop(d);
    const TActivationSettings s;
    ASSERT_EQ(RunToStop(d, s), TStopReason::Tolerance);
    ASSERT_TRUE(LoadsMeetBracket(d, s));
    // The bracket moved (as the tool moves it, the load with it), and back.
    const TPointReal at = *d.RightBracket.Origin();
    d.RightBracket.Origin()->SetXY(at.x + 1, at.y);
    EXPECT_FALSE(LoadsMeetBracket(d, s));
    d.RightBracket.Origin()->SetXY(at.x, at.y);
    EXPECT_TRUE(LoadsMeetBracket(d, s));
    // Turned.
    d.RightBracket.SetDirection(d.RightBracket.Direction() + 0.1);
    EXPECT_FALSE(LoadsMeetBracket(d, s));
    d.RightBracket.SetDirection(d.RightBracket.Direction() - 0.1);
    EXPECT_TRUE(LoadsMeetBracket(d, s));
    // Frozen: the wire still lies in the bracket, but these loads would
    // push it away; the true load is now none.
    d.CurrentWire->Freeze();
    EXPECT_FALSE(LoadsMeetBracket(d, s));
}

TEST(LoadsCheckTest, EditsAndUndoLeaveLoadsThatNoLongerMeetAndZeroLoadsAreJudgedAlike) {
    TDesign d(0.25, DefaultStock());
    BuildLoop(d);
    const TActivationSettings s;
    d.KeepState(Undo5);
    ASSERT_EQ(RunToStop(d, s), TStopReason::Tolerance);
    // A bend of two degrees at the loop's corner.
    d.KeepState(Undo5);
    d.CurrentWire->BendSeg(19, ToRadians(2));
    EXPECT_FALSE(LoadsMeetBracket(d, s));
    // Undone: the recorded wire carries no deformation, the loads remain.
    ASSERT_TRUE(d.Undo());
    EXPECT_FALSE(LoadsMeetBracket(d, s));

    // A passive wire lying in the bracket needs no load: zero is current.
    TDesign passive(0.25, DefaultStock());
    passive.RightBracket.Origin()->SetXY(10.25, 10);
    EXPECT_TRUE(LoadsMeetBracket(passive, s));
    // A load the wire cannot take does not meet anything.
    passive.RightForce.x = 1e308;
    passive.RightForce.m = -1e308;
    EXPECT_FALSE(LoadsMeetBracket(passive, s));
}

}  // namespace
}  // namespace torvik::test
