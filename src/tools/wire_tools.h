#pragma once
// The tools that edit the wire at a node or at its end: the spool inserts
// straight segments after a node, the cutter removes the next segment or
// everything after a node, the plier bends at a node, and the pencil
// extends the wire to the mouse. Each records one undo state right before it
// changes the wire and redraws after; a press that changes nothing (no node
// under the mouse, a button without a meaning, a cut after the last node, a
// pencil stroke shorter than half a segment, a bend or a length beyond what a
// design file holds) records nothing.

#include <string>

#include "tools/tool.h"

namespace torvik {

class TWire;

// The index of the first node whose marker contains the logical point, or -1.
int WirePosition(const TWire& aWire, int X, int Y);

// The node read-out: " Angle: " and the bend of segment aNode in degrees
// ("0.0"), "  Strain angle: " and its elastic rotation in degrees ("0.000").
std::string NodeReadout(const TToolContext& aContext, const TWire& aWire, int aNode);

// Left button: one segment of the segment size after the node under the
// mouse; right button: four. The cursor shows a spool over a node.
class TSpoolTool : public TTool {
public:
    using TTool::TTool;
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
};

// Left button: removes the segment after the node under the mouse; right
// button: everything after it. The same node stays selected where it still
// exists.
class TCutterTool : public TTool {
public:
    using TTool::TTool;
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
};

// Bends the wire at the node under the mouse by 10 degrees, 90 with Shift, 1
// with Ctrl (Ctrl wins); the left button anticlockwise as displayed, any
// other clockwise. Over a node the cursor shows the amount and the node's
// read-out goes to the status panel and the hint.
class TPlierTool : public TTool {
public:
    using TTool::TTool;
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;

    // The bend of a press in degrees, signed.
    static double BendDegrees(TMouseButton aButton, TShiftState aShift);
    static TCursorId CursorFor(TShiftState aShift);

private:
    void ShowNode(TShiftState aShift, int aNode);
};

// Any button: turns the wire's end towards the mouse and appends as many
// segments of the segment size as fit the distance, rounded.
class TPencilTool : public TTool {
public:
    using TTool::TTool;
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
};

}  // namespace torvik
