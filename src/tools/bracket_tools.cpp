#include "tools/bracket_tools.h"

#include <algorithm>

#include "tools/snapping.h"
#include "wire/design.h"

namespace torvik {

namespace {

// The wire start and the force at a bracket that received a new origin point
// go with it.
void FollowOrigin(TDesign& aDesign, const TBracket& aBracket) {
    if (&aBracket == &aDesign.LeftBracket) {
        aDesign.CurrentWire->SetOrigin(aDesign.LeftBracket.Origin());
        aDesign.LeftForce.origin = aDesign.LeftBracket.Origin();
    } else if (&aBracket == &aDesign.RightBracket) {
        aDesign.RightForce.origin = aDesign.RightBracket.Origin();
    }
}

void DrawGhost(TToolContext& aContext, const TBracket& aBracket) {
    aContext.DrawOverlay([&aBracket](TCanvas& aCanvas) { aBracket.DrawGhost(aCanvas); });
}

}  // namespace

void TBracketGestureTool::Begin() {
    FDragMoved = false;
    FGhostShown = false;
    FRecorded = false;
}

void TBracketGestureTool::Place(TBracket& aBracket, const TPointReal& aOrigin, double aDirection) {
    if (FGhostShown) DrawGhost(FContext, aBracket);  // erases the last one
    const bool moves = *aBracket.Origin() != aOrigin;
    const bool turns = NormalizeAngle(aDirection) != aBracket.Direction();
    if (moves || turns) {
        TDesign& design = FContext.Design();
        if (!FRecorded) {
            FContext.RecordUndo();
            FRecorded = true;
        }
        design.BracketsDirty = true;
        // A sliding wire's load acts where its end sits in the slot. Before
        // the bracket first moves, it is taken to the bracket's point as the
        // same load (its moment re-taken there), so that from then on it
        // goes with the bracket as any load does.
        if (&aBracket == &design.RightBracket && !design.LoadAtBracket())
            design.RightForce = LoadMovedTo(design.RightForce, design.RightBracket.Origin());
        if (moves) aBracket.SetOrigin(MakePoint(aOrigin.x, aOrigin.y));
        if (turns) aBracket.SetDirection(aDirection);
        Follow(aBracket);
    }
    DrawGhost(FContext, aBracket);
    FGhostShown = true;
    FDragMoved = true;
}

void TBracketGestureTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (!FDragging) return;
    FDragging = false;
    TBracket* bracket = FContext.SelectedBracket();
    if (!bracket) return;
    if (!FDragMoved) {
        // A click: the other mode for the same bracket.
        FContext.SelectBracketMode(OtherMode());
        return;
    }
    FGhostShown = false;
    FContext.SetBracketMarkers(bracket->Markers());
    Follow(*bracket);
    FContext.DrawDisplay();
}

void TBracketGestureTool::Cancel() {
    FDragging = false;
    FGhostShown = false;
}

void TBracketGestureTool::DrawOverlay(TCanvas& aCanvas) const {
    const TBracket* bracket = FContext.SelectedBracket();
    if (FGhostShown && bracket) bracket->DrawGhost(aCanvas);
}

void TBracketMoveTool::MouseDown(TMouseButton, TShiftState, int X, int Y) {
    Begin();
    TDesign& design = FContext.Design();
    TBracket* hit = nullptr;
    if (design.LeftBracket.Contains(X, Y))
        hit = &design.LeftBracket;
    else if (design.RightBracket.Contains(X, Y))
        hit = &design.RightBracket;
    FContext.SetBracketMarkers({});
    FContext.SetSelectedBracket(hit);
    if (hit) {
        FContext.SetBracketMarkers(hit->Markers());
        FDragging = true;
    }
    FContext.DrawDisplay();
}

void TBracketMoveTool::MouseMove(TShiftState, int X, int Y) {
    TBracket* bracket = FContext.SelectedBracket();
    if (!FDragging || !bracket) return;
    if (FContext.SnapGrid()) {
        X = SnapToStep(X, FContext.SnapStep());
        Y = SnapToStep(Y, FContext.SnapStep());
    }
    // A design file holds a bracket within MaxFilePosition of the origin;
    // dragged farther (the mouse held beyond the window's edge), it stops
    // there, so that every design saved can be opened again.
    const auto within = [](double aMm) { return std::clamp(aMm, -MaxFilePosition, MaxFilePosition); };
    Place(*bracket, TPointReal(within(X / 100.0), within(Y / 100.0)), bracket->Direction());
    FContext.SetStatus(" x: " + FContext.FormatNumber(X / 100.0, "0.00") + "  y: " +
                       FContext.FormatNumber(Y / 100.0, "0.00"));
}

void TBracketMoveTool::Follow(TBracket& aBracket) { FollowOrigin(FContext.Design(), aBracket); }

void TBracketRotateTool::MouseDown(TMouseButton, TShiftState, int X, int Y) {
    Begin();
    FPressPoint = TPoint{X, Y};
    FDragging = true;
}

void TBracketRotateTool::MouseMove(TShiftState, int X, int Y) {
    TBracket* bracket = FContext.SelectedBracket();
    if (!FDragging || !bracket) return;
    // The angle swept about the centre since the last move, positive
    // clockwise as displayed.
    const TPointReal from(FPressPoint.X / 100.0, FPressPoint.Y / 100.0);
    const TPointReal to(X / 100.0, Y / 100.0);
    const TPointReal& centre = *bracket->Origin();
    const double swept = AngleBetween(from, centre, to, centre);
    double direction = NormalizeAngle(bracket->Direction() + swept);
    // With snapping a move that sweeps less than half a degree is rounded
    // away.
    if (FContext.SnapGrid()) direction = NormalizeAngle(SnapToDegree(direction));
    Place(*bracket, centre, direction);
    FContext.SetStatus(" angulation: " + FContext.FormatNumber(ToDegrees(bracket->Direction()), "0.00"));
    FPressPoint = TPoint{X, Y};
}

void TBracketRotateTool::Follow(TBracket& aBracket) {
    // A turned left bracket also turns the wire's clamp.
    TDesign& design = FContext.Design();
    if (&aBracket == &design.LeftBracket) design.CurrentWire->SetDirection(design.LeftBracket.Direction() - Pi);
    FollowOrigin(design, aBracket);
}

}  // namespace torvik
