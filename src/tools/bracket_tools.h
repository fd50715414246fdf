#pragma once
// The bracket tool in its two modes. Move mode picks a bracket (the left one
// where the outlines overlap), drags its centre to the mouse, snapped to the
// snap step, and switches to rotate mode after a click without movement.
// Rotate mode turns the selected bracket by the angle the mouse sweeps about
// its centre, snapped to whole degrees, and switches back after a click.
// A dotted not-xor ghost follows the gesture over the shown picture; the
// picture is composed afresh at the release. The wire start and the force
// at the bracket follow its origin point on every move, so that nothing
// ever refers to a point the bracket has given up. Bracket changes are not
// recorded for undo and do not mark the wire changed.

#include "geometry/point.h"
#include "tools/tool.h"

namespace torvik {

class TBracketMoveTool : public TTool {
public:
    using TTool::TTool;

    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void Cancel() override;
    void DrawOverlay(TCanvas& aCanvas) const override;

    bool Dragging() const { return FDragging; }

private:
    bool FDragging = false;
    bool FDragMoved = false;
    bool FGhostShown = false;
};

class TBracketRotateTool : public TTool {
public:
    using TTool::TTool;

    TCursorId Cursor() const override { return TCursorId::Rotate; }
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void Cancel() override;
    void DrawOverlay(TCanvas& aCanvas) const override;

    bool Dragging() const { return FDragging; }

private:
    bool FDragging = false;
    bool FDragMoved = false;
    bool FGhostShown = false;
    TPoint FPressPoint;
};

}  // namespace torvik
