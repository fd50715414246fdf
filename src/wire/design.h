#pragma once
// The design being edited and activated: the wire, the two brackets, the
// load applied at the right bracket and its balance at the left bracket.
// The wire starts at the left bracket's origin point, and each force acts at
// its bracket's origin point: all three are the same shared objects. Only a
// wire sliding in the right bracket's slot takes its load where its end sits
// in the slot: RightForce then has a point of its own, and the bracket's
// point stays where the bracket is.

#include <memory>
#include <optional>

#include "geometry/force_moment.h"
#include "wire/bracket.h"
#include "wire/design_history.h"
#include "wire/design_template.h"
#include "wire/wire.h"

namespace torvik {

struct TDesign {
    std::unique_ptr<TWire> CurrentWire;
    TBracket LeftBracket;
    TBracket RightBracket;
    TForceMoment RightForce;  // the load on the wire end at the right bracket
    TForceMoment LeftForce;   // its balance at the left bracket
    // The loop template the design was made from, kept with it; none for a
    // design bent by hand.
    std::optional<TDesignTemplate> Template;

    // A new design: a one-segment wire, the left bracket at (10, 10) mm
    // facing +x, the right one at (20, 10) mm, no load.
    TDesign(double aSegmentSize, const TWireStock& aStock);
    TDesign(const TDesign&) = delete;
    TDesign& operator=(const TDesign&) = delete;

    // Gives the wire the left bracket's direction minus pi and its origin
    // point as its start, and attaches the forces to the brackets' points.
    void AttachToBrackets();
    // LeftForce := the equilibrium of RightForce, taken at its own point of
    // application, about the left bracket.
    void CalcLeftForce();

    // Whether RightForce acts at the right bracket's origin point (shared).
    bool LoadAtBracket() const { return RightForce.origin == RightBracket.Origin(); }
    // Deforms the wire under RightForce at its point of application.
    void DeformUnderLoad();

    // A bracket was moved or turned since the design was last read or saved.
    bool BracketsDirty = false;
    // The design changed since it was last read or saved: its wire or a
    // bracket. This is what the question before discarding it asks about.
    bool Changed() const { return CurrentWire->dirty || BracketsDirty; }

    // The design's edit history (design_history.cpp). A step holds the wire
    // (in the wire's own undo list, so its counts are the wire's) and where
    // both brackets were. KeepState records one at the undo level (a
    // TUndoLevel index) right before a change of the wire or of a bracket;
    // Undo and Redo restore the wire as the wire's own Undo and Redo do and
    // put the brackets back where they were, carrying the wire's start and
    // the loads at them along; false when there is nothing to restore.
    // Neither changes the dirty flags, the loads or the settings.
    void KeepState(int aUndoLevels);
    int UndoCount() const;
    int RedoCount() const;
    bool Undo();
    bool Redo();
    // Trims both histories to the level, as the wire's own does.
    void UndoLevelChanged(int aUndoLevels);
    TBracketHistory BracketHistory;

    // Where both brackets are now, and putting them there.
    TBracketsPlace BracketsPlace() const;
    void PlaceBrackets(const TBracketsPlace& aPlace);

private:
    bool StepBack(bool aUndo);
};

// The same load acting at aPoint (which it shares): the force unchanged, the
// moment taken about the new point in the direction sense (from +x towards
// +y) that the wire's mechanics use, so a wire keeps its shape under it.
TForceMoment LoadMovedTo(const TForceMoment& aLoad, TPointRef aPoint);

}  // namespace torvik
