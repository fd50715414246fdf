// Protects the design's history: a step holds the wire and both brackets, undo and redo put the brackets back with
// the wire's start and the loads on them, the undo levels apply to both halves alike, and the halves stay paired.
#include <gtest/gtest.h>

#include "wire/design.h"

namespace torvik {
namespace {

// Moves a bracket as the bracket tool does: a new point, the wire and the
// loads re-attached to it.
void MoveBracket(TDesign& d, TBracket& b, double x, double y, double direction) {
    b.SetOrigin(MakePoint(x, y));
    b.SetDirection(direction);
    d.AttachToBrackets();
}

void ExpectAttached(const TDesign& d) {
    EXPECT_EQ(d.CurrentWire->Origin().get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(d.LeftForce.origin.get(), d.LeftBracket.Origin().get());
    EXPECT_EQ(d.RightForce.origin.get(), d.RightBracket.Origin().get());
}

TEST(DesignHistoryTest, StepsHoldTheWireAndBothBracketsAndRestoreThemAttached) {
    TDesign d(0.25, DefaultStock());
    const TBracketsPlace start = d.BracketsPlace();
    // A wire edit, a drag of the right bracket, a turn of the left one.
    d.KeepState(UndoUnlimited);
    d.CurrentWire->AddSeg(0.25, 0.3);
    const TPointReal bentEnd = d.CurrentWire->Corner();
    d.KeepState(UndoUnlimited);
    MoveBracket(d, d.RightBracket, 25, 12, 0.5);
    const TBracketsPlace dragged = d.BracketsPlace();
    d.KeepState(UndoUnlimited);
    MoveBracket(d, d.LeftBracket, 8, 9, Pi + 0.2);
    const TBracketsPlace turned = d.BracketsPlace();
    const TPointReal turnedEnd = d.CurrentWire->Corner();
    ASSERT_EQ(d.UndoCount(), 3);

    ASSERT_TRUE(d.Undo());  // the left bracket and the wire's clamp turn back
    EXPECT_EQ(d.BracketsPlace(), dragged);
    EXPECT_DOUBLE_EQ(d.CurrentWire->Direction(), 0);
    EXPECT_NEAR(Distance(d.CurrentWire->Corner(), bentEnd), 0, 1e-12);
    ExpectAttached(d);
    ASSERT_TRUE(d.Undo());  // the right bracket goes back, the load with it
    EXPECT_EQ(d.BracketsPlace().right, start.right);
    EXPECT_EQ(*d.RightForce.origin, TPointReal(20, 10));
    ASSERT_TRUE(d.Undo());  // the wire edit
    EXPECT_EQ(d.CurrentWire->Count(), 1);
    EXPECT_EQ(d.BracketsPlace(), start);
    EXPECT_FALSE(d.Undo());

    for (int i = 0; i < 3; ++i) ASSERT_TRUE(d.Redo());
    EXPECT_FALSE(d.Redo());
    EXPECT_EQ(d.BracketsPlace(), turned);
    EXPECT_NEAR(Distance(d.CurrentWire->Corner(), turnedEnd), 0, 1e-12);
    ExpectAttached(d);
    // The history does not touch the change flags.
    EXPECT_FALSE(d.BracketsDirty);
}

TEST(DesignHistoryTest, LevelsApplyToBothHalvesAndTheyStayPaired) {
    TDesign d(0.25, DefaultStock());
    d.KeepState(UndoNone);
    EXPECT_EQ(d.UndoCount(), 0);
    // Seven drags at level 5: the two oldest go, for the wire and the
    // brackets alike.
    for (int i = 1; i <= 7; ++i) {
        d.KeepState(Undo5);
        MoveBracket(d, d.RightBracket, 20 + i, 10, 0);
    }
    EXPECT_EQ(d.UndoCount(), 5);
    while (d.Undo()) {
    }
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(22, 10));

    // The wire trimmed on its own (the options dialog lowers the level), then
    // states recorded on the wire alone around a drag: each restores its own.
    while (d.Redo()) {
    }
    d.CurrentWire->UndoLevelChanged(UndoNone);
    EXPECT_EQ(d.UndoCount(), 0);
    d.CurrentWire->KeepState(UndoUnlimited);
    d.CurrentWire->AddSeg(0.25, 0);
    d.KeepState(UndoUnlimited);
    MoveBracket(d, d.RightBracket, 30, 10, 0);
    d.CurrentWire->KeepState(UndoUnlimited);
    d.CurrentWire->AddSeg(0.25, 0);
    ASSERT_TRUE(d.Undo());  // the wire alone: the brackets stay
    EXPECT_EQ(d.CurrentWire->Count(), 2);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(30, 10));
    ASSERT_TRUE(d.Undo());  // the drag
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(27, 10));
    ASSERT_TRUE(d.Undo());  // the wire alone again
    EXPECT_EQ(d.CurrentWire->Count(), 1);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(27, 10));
    while (d.Redo()) {
    }
    EXPECT_EQ(d.CurrentWire->Count(), 3);
    EXPECT_EQ(*d.RightBracket.Origin(), TPointReal(30, 10));
    // Nothing is kept for states no longer there.
    d.UndoLevelChanged(UndoNone);
    EXPECT_EQ(d.BracketHistory.Size(), 0);
}

TEST(DesignHistoryTest, ASlidingWiresLoadGoesToTheBracketAsTheSameLoadBeforeItMovesBack) {
    TDesign d(0.25, DefaultStock());
    d.KeepState(UndoUnlimited);
    MoveBracket(d, d.RightBracket, 25, 10, 0);
    // The load where a sliding wire's end sits, 0.4 mm along the slot.
    d.RightForce = TForceMoment(MakePoint(25.4, 10), 3, -40, 25);
    const TForceMoment same = LoadMovedTo(d.RightForce, d.RightBracket.Origin());
    ASSERT_TRUE(d.Undo());
    ExpectAttached(d);
    EXPECT_EQ(*d.RightForce.origin, TPointReal(20, 10));
    EXPECT_EQ(d.RightForce.y, -40);
    EXPECT_DOUBLE_EQ(d.RightForce.m, same.m);
}

}  // namespace
}  // namespace torvik
