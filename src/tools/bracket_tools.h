#pragma once
// The bracket tool in its two modes. Move mode picks a bracket (the left one
// where the outlines overlap), drags its centre to the mouse, snapped to the
// snap step, and switches to rotate mode after a click without movement.
// Rotate mode turns the selected bracket by the angle the mouse sweeps about
// its centre, snapped to whole degrees, and switches back after a click.
// A dotted not-xor ghost follows the gesture over the shown picture; the
// picture is composed afresh at the release. The wire start and the force
// at the bracket follow its origin point on every move, so that nothing
// ever refers to a point the bracket has given up. A gesture that moves or
// turns the bracket is one step of the design's history, recorded before
// its first change, and marks the design changed; one that changes nothing
// (a click, a turn rounded away) records nothing.

#include "geometry/point.h"
#include "tools/tool.h"

namespace torvik {

// What both modes share: the press-move-release gesture on the selected
// bracket with its ghost, and the release that either finishes the change
// or, after a click, switches to the other mode.
class TBracketGestureTool : public TTool {
public:
    using TTool::TTool;

    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void Cancel() override;
    void DrawOverlay(TCanvas& aCanvas) const override;

    bool Dragging() const { return FDragging; }

protected:
    // The mode a click switches to.
    virtual int OtherMode() const = 0;
    // Brings the wire and the forces up to date with the changed bracket.
    virtual void Follow(TBracket& aBracket) = 0;

    // A gesture begins: nothing moved, no ghost shown yet.
    void Begin();
    // Puts the bracket at aOrigin (mm), turned to aDirection, between
    // erasing the last ghost and drawing the new one, and lets the wire and
    // the forces follow. The first real change of the gesture records the
    // design's state for undo before it is made.
    void Place(TBracket& aBracket, const TPointReal& aOrigin, double aDirection);

    bool FDragging = false;
    bool FDragMoved = false;
    bool FGhostShown = false;
    bool FRecorded = false;
};

class TBracketMoveTool : public TBracketGestureTool {
public:
    using TBracketGestureTool::TBracketGestureTool;

    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;

protected:
    int OtherMode() const override { return ToolRotate; }
    void Follow(TBracket& aBracket) override;
};

class TBracketRotateTool : public TBracketGestureTool {
public:
    using TBracketGestureTool::TBracketGestureTool;

    TCursorId Cursor() const override { return TCursorId::Rotate; }
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;

protected:
    int OtherMode() const override { return ToolBracket; }
    void Follow(TBracket& aBracket) override;

private:
    TPoint FPressPoint;
};

}  // namespace torvik
