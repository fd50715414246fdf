#include "tools/bracket_tools.h"

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

// A turned left bracket also turns the wire's clamp.
void FollowTurn(TDesign& aDesign, const TBracket& aBracket) {
    if (&aBracket == &aDesign.LeftBracket) aDesign.CurrentWire->SetDirection(aDesign.LeftBracket.Direction() - Pi);
    FollowOrigin(aDesign, aBracket);
}

void DrawGhost(TToolContext& aContext, const TBracket& aBracket) {
    aContext.DrawOverlay([&aBracket](TCanvas& aCanvas) { aBracket.DrawGhost(aCanvas); });
}

}  // namespace

void TBracketMoveTool::MouseDown(TMouseButton, TShiftState, int X, int Y) {
    FDragMoved = false;
    FGhostShown = false;
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
    if (FGhostShown) DrawGhost(FContext, *bracket);  // erases the last one
    bracket->SetOrigin(MakePoint(X / 100.0, Y / 100.0));
    FollowOrigin(FContext.Design(), *bracket);
    DrawGhost(FContext, *bracket);
    FGhostShown = true;
    FContext.SetStatus(" x: " + FContext.FormatNumber(X / 100.0, "0.00") + "  y: " +
                       FContext.FormatNumber(Y / 100.0, "0.00"));
    FDragMoved = true;
}

void TBracketMoveTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (!FDragging) return;
    FDragging = false;
    TBracket* bracket = FContext.SelectedBracket();
    if (!bracket) return;
    if (!FDragMoved) {
        // A click on a bracket: rotate it next.
        FContext.SelectBracketMode(ToolRotate);
        return;
    }
    FGhostShown = false;
    FContext.SetBracketMarkers(bracket->Markers());
    FollowOrigin(FContext.Design(), *bracket);
    FContext.DrawDisplay();
}

void TBracketMoveTool::Cancel() {
    FDragging = false;
    FGhostShown = false;
}

void TBracketMoveTool::DrawOverlay(TCanvas& aCanvas) const {
    const TBracket* bracket = FContext.SelectedBracket();
    if (FGhostShown && bracket) bracket->DrawGhost(aCanvas);
}

void TBracketRotateTool::MouseDown(TMouseButton, TShiftState, int X, int Y) {
    FDragMoved = false;
    FGhostShown = false;
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
    if (FGhostShown) DrawGhost(FContext, *bracket);
    bracket->SetDirection(bracket->Direction() + swept);
    // With snapping a move that sweeps less than half a degree is rounded
    // away.
    if (FContext.SnapGrid()) bracket->SetDirection(SnapToDegree(bracket->Direction()));
    FollowTurn(FContext.Design(), *bracket);
    DrawGhost(FContext, *bracket);
    FGhostShown = true;
    FContext.SetStatus(" angulation: " + FContext.FormatNumber(ToDegrees(bracket->Direction()), "0.00"));
    FDragMoved = true;
    FPressPoint = TPoint{X, Y};
}

void TBracketRotateTool::MouseUp(TMouseButton, TShiftState, int, int) {
    if (!FDragging) return;
    FDragging = false;
    TBracket* bracket = FContext.SelectedBracket();
    if (!bracket) return;
    if (!FDragMoved) {
        // A click: back to moving.
        FContext.SelectBracketMode(ToolBracket);
        return;
    }
    FGhostShown = false;
    FContext.SetBracketMarkers(bracket->Markers());
    FollowTurn(FContext.Design(), *bracket);
    FContext.DrawDisplay();
}

void TBracketRotateTool::Cancel() {
    FDragging = false;
    FGhostShown = false;
}

void TBracketRotateTool::DrawOverlay(TCanvas& aCanvas) const {
    const TBracket* bracket = FContext.SelectedBracket();
    if (FGhostShown && bracket) bracket->DrawGhost(aCanvas);
}

}  // namespace torvik
