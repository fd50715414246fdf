#pragma once
// The eight tools by number and the current one: a mouse event goes to the
// current tool; choosing another tool ends the gesture of the one left.

#include <array>
#include <memory>

#include "tools/tool.h"

namespace torvik {

class TToolSet {
public:
    explicit TToolSet(TToolContext& aContext);

    int Current() const { return FCurrent; }
    TTool& CurrentTool() { return *FTools[static_cast<std::size_t>(FCurrent)]; }
    const TTool& CurrentTool() const { return *FTools[static_cast<std::size_t>(FCurrent)]; }
    // The tool of that number; throws std::out_of_range outside 0..7.
    TTool& Tool(int aNumber);

    // Makes tool aNumber current, cancelling the gesture of every tool (the
    // caller redraws); a number outside 0..7 changes nothing and gives false.
    bool Select(int aNumber);
    // Ends every gesture without changing the current tool, as when the
    // design is replaced.
    void CancelAll();

    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) { CurrentTool().MouseDown(aButton, aShift, X, Y); }
    void MouseMove(TShiftState aShift, int X, int Y) { CurrentTool().MouseMove(aShift, X, Y); }
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) { CurrentTool().MouseUp(aButton, aShift, X, Y); }
    bool Escape() { return CurrentTool().Escape(); }
    void DrawOverlay(TCanvas& aCanvas) const { CurrentTool().DrawOverlay(aCanvas); }

private:
    std::array<std::unique_ptr<TTool>, ToolCount> FTools;
    int FCurrent = ToolBracket;
};

}  // namespace torvik
