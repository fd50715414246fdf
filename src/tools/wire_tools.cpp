#include "tools/wire_tools.h"

#include <algorithm>

#include "wire/design.h"
#include "wire/wire_edit.h"

namespace torvik {

namespace {

// Segments the spool's right button inserts.
constexpr int SpoolRightCount = 4;

TWire& WireOf(TToolContext& aContext) { return *aContext.Design().CurrentWire; }

// How many of aWanted new segments the wire takes: never more than a design
// file can hold, so that whatever is drawn can be saved and opened again.
int RoomFor(const TWire& aWire, double aWanted) {
    const int room = MaxFileSegments - aWire.Count();
    return aWanted < room ? static_cast<int>(aWanted) : std::max(room, 0);
}

}  // namespace

int WirePosition(const TWire& aWire, int X, int Y) { return aWire.SegmentPosition(X, Y); }

std::string NodeReadout(const TToolContext& aContext, const TWire& aWire, int aNode) {
    const TWireSeg& seg = aWire.Segment(aNode);
    return " Angle: " + aContext.FormatNumber(ToDegrees(seg.angle), "0.0") +
           "  Strain angle: " + aContext.FormatNumber(ToDegrees(seg.dAngle), "0.000");
}

void TSpoolTool::MouseDown(TMouseButton aButton, TShiftState, int X, int Y) {
    if (aButton != TMouseButton::Left && aButton != TMouseButton::Right) return;
    TWire& wire = WireOf(FContext);
    const int node = WirePosition(wire, X, Y);
    const int count = RoomFor(wire, aButton == TMouseButton::Left ? 1 : SpoolRightCount);
    if (node < 0 || count < 1) return;
    FContext.RecordUndo();
    // The selected node keeps its index, even when the insertion lies
    // before it.
    for (int i = 0; i < count; ++i) wire.InsertSeg(node, FContext.SegmentSize(), 0);
    FContext.RefreshMarkers();
}

void TSpoolTool::MouseMove(TShiftState, int X, int Y) {
    FContext.SetCursor(WirePosition(WireOf(FContext), X, Y) >= 0 ? TCursorId::Spool : TCursorId::Default);
}

void TCutterTool::MouseDown(TMouseButton aButton, TShiftState, int X, int Y) {
    if (aButton != TMouseButton::Left && aButton != TMouseButton::Right) return;
    TWire& wire = WireOf(FContext);
    const int node = WirePosition(wire, X, Y);
    // After the last node there is nothing to cut.
    if (node < 0 || node + 1 >= wire.Count()) return;
    FContext.RecordUndo();
    const int selected = FContext.SelectedNode();
    if (aButton == TMouseButton::Left) {
        wire.DeleteSeg(node + 1);
        if (node < selected) FContext.SetSelectedNode(selected - 1);
    } else {
        wire.CutToEnd(node + 1);
        if (selected > wire.Count() - 1) FContext.SetSelectedNode(wire.Count() - 1);
    }
    FContext.RefreshMarkers();
}

void TCutterTool::MouseMove(TShiftState, int X, int Y) {
    FContext.SetCursor(WirePosition(WireOf(FContext), X, Y) >= 0 ? TCursorId::Cutter : TCursorId::Default);
}

double TPlierTool::BendDegrees(TMouseButton aButton, TShiftState aShift) {
    const double amount = aShift.Ctrl ? 1.0 : aShift.Shift ? 90.0 : 10.0;
    return aButton == TMouseButton::Left ? -amount : amount;
}

TCursorId TPlierTool::CursorFor(TShiftState aShift) {
    return aShift.Ctrl ? TCursorId::Plier1 : aShift.Shift ? TCursorId::Plier90 : TCursorId::Plier10;
}

void TPlierTool::MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) {
    TWire& wire = WireOf(FContext);
    const int node = WirePosition(wire, X, Y);
    const double degrees = BendDegrees(aButton, aShift);
    if (node < 0 || !BendFits(wire, node, degrees)) return;
    FContext.RecordUndo();
    wire.BendSeg(node, ToRadians(degrees));
    FContext.RefreshMarkers();
    ShowNode(aShift, node);
}

void TPlierTool::MouseMove(TShiftState aShift, int X, int Y) {
    const int node = WirePosition(WireOf(FContext), X, Y);
    if (node >= 0) {
        ShowNode(aShift, node);
        return;
    }
    FContext.SetCursor(TCursorId::Default);
    FContext.SetStatus({});
    FContext.SetHint({});
}

void TPlierTool::ShowNode(TShiftState aShift, int aNode) {
    FContext.SetCursor(CursorFor(aShift));
    const std::string text = NodeReadout(FContext, WireOf(FContext), aNode);
    FContext.SetStatus(text);
    FContext.SetHint(text);
}

void TPencilTool::MouseDown(TMouseButton, TShiftState, int X, int Y) {
    TWire& wire = WireOf(FContext);
    const TPointReal end = wire.Corner();
    const TPointReal mouse(X / 100.0, Y / 100.0);
    const double size = FContext.SegmentSize();
    const double rounded = RoundHalfEven(Distance(end, mouse) / size);
    if (!(rounded >= 1)) return;
    const int count = RoomFor(wire, rounded);
    // The bend at the end now points the wire at the mouse; it is not folded
    // into one turn.
    const double bend = -(wire.EndDirection() + end.Slope(mouse));
    if (count < 1 || !BendFits(wire, wire.Count() - 1, ToDegrees(bend))) return;
    FContext.RecordUndo();
    wire.BendSeg(wire.Count() - 1, bend);
    for (int i = 0; i < count; ++i) wire.AddSeg(size, 0);
    FContext.RefreshMarkers();
}

}  // namespace torvik
