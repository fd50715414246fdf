#pragma once
// The mouse tools of the display. Each tool gets presses, moves and releases
// in logical units (0.01 mm) with the button and the modifier keys as plain
// values, and works on a narrow context: the design, the selected node and
// bracket, the snapping settings, undo recording, the status panel, the hint
// next to the mouse, the cursor, an overlay over the shown picture and
// redraw requests. No widget is involved, so every gesture is tested as it is.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"
#include "render/shapes.h"

namespace torvik {

struct TDesign;
class TBracket;
class TImagePlacement;
class TViewMapping;

enum class TMouseButton { Left, Right, Middle, Other };

// The modifier keys held during a mouse event.
struct TShiftState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    // The press is the second one of a double click.
    bool Double = false;
};

// The display's cursors, by the numbers the program registers them under;
// Default is the platform's arrow.
enum class TCursorId : int {
    Default = 0,
    Plier = 1,
    Rotate = 2,
    Spool = 3,
    Cutter = 4,
    Plier1 = 5,
    Plier10 = 6,
    Plier90 = 7,
    Zoom = 8,
    ImageTrans = 9,
    // The platform's sizing cursors, over the background image's handles.
    SizeNWSE = 10,
    SizeNS = 11,
    SizeNESW = 12,
    SizeWE = 13
};

// Tools by their number, which is also the tag of their action.
enum TToolNumber : int {
    ToolBracket = 0,
    ToolRotate = 1,
    ToolSpool = 2,
    ToolCutter = 3,
    ToolPlier = 4,
    ToolZoom = 5,
    ToolPencil = 6,
    ToolImage = 7
};
constexpr int ToolCount = 8;

// What the tools may see and do. The main window implements it; tests use a
// recording one.
class TToolContext {
public:
    virtual ~TToolContext() = default;

    virtual TDesign& Design() = 0;
    // Whether bracket moves and turns snap, and the snap step in mm.
    virtual bool SnapGrid() const = 0;
    virtual double SnapStep() const = 0;
    // Length of the segments the tools add, mm.
    virtual double SegmentSize() const = 0;

    virtual int SelectedNode() const = 0;
    virtual void SetSelectedNode(int aNode) = 0;

    // The bracket picked with the bracket tool, or null.
    virtual TBracket* SelectedBracket() const = 0;
    virtual void SetSelectedBracket(TBracket* aBracket) = 0;
    // The markers shown on the selected bracket's corners (empty: none).
    virtual void SetBracketMarkers(std::vector<TMarker> aMarkers) = 0;
    // Switches the bracket tool to move (0) or rotate (1) mode and makes it
    // the current tool.
    virtual void SelectBracketMode(int aMode) = 0;

    // Records one undo state of the design (the wire and both brackets);
    // called right before a change of the wire or of a bracket.
    virtual void RecordUndo() = 0;
    // Rebuilds the bracket markers and redraws.
    virtual void RefreshMarkers() = 0;
    // Composes the picture afresh (the current tool's overlay included).
    virtual void DrawDisplay() = 0;
    // Draws over the shown picture at once, without composing it afresh:
    // not-xor ghosts and rubber bands, which a second drawing erases.
    virtual void DrawOverlay(const std::function<void(TCanvas&)>& aDraw) = 0;

    // The status panel's text, shown at once.
    virtual void SetStatus(const std::string& aText) = 0;
    // The hint that pops up next to the mouse; empty takes it down.
    virtual void SetHint(const std::string& aText) = 0;
    virtual void SetCursor(TCursorId aCursor) = 0;
    // A number as the user interface shows it, with one of the program's
    // masks ("0.00") in the user's format.
    virtual std::string FormatNumber(double aValue, std::string_view aMask) const = 0;

    // The zoom and scroll position, and the request to show a change of it.
    virtual TViewMapping& Mapping() = 0;
    virtual void ViewChanged() = 0;

    // The background image's place and size; null when the window has none.
    virtual TImagePlacement* BackgroundImage() = 0;
};

class TTool {
public:
    explicit TTool(TToolContext& aContext) : FContext(aContext) {}
    virtual ~TTool() = default;
    TTool(const TTool&) = delete;
    TTool& operator=(const TTool&) = delete;

    // The cursor while the tool is current and the mouse is over nothing
    // in particular.
    virtual TCursorId Cursor() const { return TCursorId::Default; }
    virtual void MouseDown(TMouseButton /*aButton*/, TShiftState /*aShift*/, int /*X*/, int /*Y*/) {}
    virtual void MouseMove(TShiftState /*aShift*/, int /*X*/, int /*Y*/) {}
    virtual void MouseUp(TMouseButton /*aButton*/, TShiftState /*aShift*/, int /*X*/, int /*Y*/) {}
    // The Esc key while the tool is current; whether the tool used it.
    virtual bool Escape() { return false; }
    // The tool is left or the design replaced: a gesture in progress ends
    // without effect, and its overlay is forgotten (the caller redraws).
    virtual void Cancel() {}
    // Draws the overlay of a gesture in progress again over a freshly
    // composed picture, so that the next erasing drawing finds it.
    virtual void DrawOverlay(TCanvas& /*aCanvas*/) const {}

protected:
    TToolContext& FContext;
};

}  // namespace torvik
