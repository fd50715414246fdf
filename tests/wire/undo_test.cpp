// Protects undo and redo: the level limits, redo surviving new edits, and
// restoring undeformed at the bracket's current position.
#include <gtest/gtest.h>

#include "wire/design.h"

using namespace torvik;

namespace {
int Straight(const TWire& w) { return w.Count(); }
}  // namespace

TEST(UndoTest, LimitsAndNone) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.KeepState(UndoNone);
    w.AddSeg(0.25, 0);
    EXPECT_EQ(w.UndoCount(), 0);
    w.Undo();
    w.Redo();
    EXPECT_EQ(w.Count(), 2);

    for (int i = 0; i < 6; ++i) {
        w.KeepState(Undo5);
        w.AddSeg(0.25, 0);
    }
    EXPECT_EQ(w.UndoCount(), 5);
    for (int i = 0; i < 5; ++i) w.Undo();
    EXPECT_EQ(w.Count(), 3);  // the first of the six changes cannot be undone
    EXPECT_EQ(w.RedoCount(), 5);
    w.Undo();
    EXPECT_EQ(w.Count(), 3);

    w.UndoLevelChanged(UndoNone);
    EXPECT_EQ(w.UndoCount(), 0);
    EXPECT_EQ(w.RedoCount(), 0);

    for (int i = 0; i < 14; ++i) {
        w.KeepState(UndoUnlimited);
        w.AddSeg(0.25, 0);
    }
    EXPECT_EQ(w.UndoCount(), 14);
    w.UndoLevelChanged(Undo10);
    EXPECT_EQ(w.UndoCount(), 10);
    for (int i = 0; i < 10; ++i) w.Undo();
    EXPECT_EQ(w.Count(), 3 + 4);  // the four oldest states are gone
}

TEST(UndoTest, RedoSurvivesNewChanges) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.KeepState(UndoUnlimited);
    w.AddSeg(0.25, 0);  // A
    w.KeepState(UndoUnlimited);
    w.AddSeg(0.5, 0);  // B
    w.Undo();
    w.KeepState(UndoUnlimited);
    w.AddSeg(1, 0.3);  // C
    w.Redo();          // back to the wire after B
    EXPECT_EQ(w.Count(), 3);
    EXPECT_EQ(w.Segment(2).length, 0.5);
    w.Undo();  // the wire after C
    EXPECT_EQ(w.Segment(2).length, 1);
    EXPECT_EQ(w.Segment(2).angle, 0.3);
}

TEST(UndoTest, RestoresUndeformedAtTheBracketsCurrentPlace) {
    TDesign d(0.25, DefaultStock());
    TWire& w = *d.CurrentWire;
    w.KeepState(Undo10);
    for (int i = 0; i < 4; ++i) w.AddSeg(0.25, 0);
    w.Deform(*d.RightBracket.Origin(), 0, 5, 0);
    ASSERT_GT(w.MaxStrain(), 0);
    w.KeepState(Undo10);
    w.AddSeg(0.25, 0);
    w.dirty = false;  // as after a save
    w.Undo();
    EXPECT_EQ(Straight(w), 5);
    EXPECT_EQ(w.MaxStrain(), 0);  // the deformation is not recorded
    EXPECT_FALSE(w.dirty);        // undo does not mark the design changed
    w.Redo();
    EXPECT_EQ(w.Count(), 6);
    EXPECT_EQ(w.MaxStrain(), 0);

    // Turning and moving the left bracket: the restored wire keeps its
    // recorded start direction and starts at the bracket's new point.
    w.KeepState(Undo10);
    d.LeftBracket.SetDirection(Pi + 0.2);
    d.LeftBracket.Origin()->SetXY(30, 40);
    d.AttachToBrackets();
    w.AddSeg(0.25, 0);
    w.Undo();
    EXPECT_EQ(w.Origin(), d.LeftBracket.Origin());
    EXPECT_EQ(*w.Origin(), TPointReal(30, 40));
    EXPECT_EQ(w.Direction(), 0);
    EXPECT_NEAR(w.Corner().x, 30 + 6 * 0.25, 1e-12);
}
