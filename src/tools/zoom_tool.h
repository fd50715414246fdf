#pragma once
// The zoom tool: the right button zooms one step out about the pressed
// point; the left button drags a rubber band (dotted, not-xor, over the
// shown picture) and zooms to it at the release, or one step in about the
// release point when the band is too small to be meant.

#include "tools/tool.h"

namespace torvik {

class TZoomTool : public TTool {
public:
    explicit TZoomTool(TToolContext& aContext);

    TCursorId Cursor() const override { return TCursorId::Zoom; }
    void MouseDown(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void MouseMove(TShiftState aShift, int X, int Y) override;
    void MouseUp(TMouseButton aButton, TShiftState aShift, int X, int Y) override;
    void Cancel() override;
    void DrawOverlay(TCanvas& aCanvas) const override;

    bool Dragging() const { return FDragging; }

private:
    void DrawBand();

    TRectangle FBand;
    bool FDragging = false;
    bool FBandShown = false;
};

}  // namespace torvik
