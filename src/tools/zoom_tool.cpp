#include "tools/zoom_tool.h"

#include "render/view_mapping.h"

namespace torvik {

TZoomTool::TZoomTool(TToolContext& aContext) : TTool(aContext) {
    FBand.pen = TPen{colors::Black, 0, TPenStyle::Dot, TPenMode::NotXor};
    FBand.brush = TBrush{colors::White, TBrushStyle::Clear};
}

void TZoomTool::MouseDown(TMouseButton aButton, TShiftState, int X, int Y) {
    if (FDragging) return;
    if (aButton == TMouseButton::Right) {
        FContext.Mapping().ZoomToolOut(X, Y);
        FContext.ViewChanged();
        return;
    }
    FBand.origin = TPoint{X, Y};
    FBand.corner = TPoint{X, Y};
    FBandShown = false;
    FDragging = true;
}

void TZoomTool::MouseMove(TShiftState, int X, int Y) {
    if (!FDragging) return;
    if (FBandShown) DrawBand();  // erases the previous band
    FBand.corner = TPoint{X, Y};
    DrawBand();
    FBandShown = true;
}

void TZoomTool::MouseUp(TMouseButton, TShiftState, int X, int Y) {
    if (!FDragging) return;
    FDragging = false;
    if (FBandShown) DrawBand();
    FBandShown = false;
    // A band at least 2 units wide or high zooms to it; anything else is a
    // click: one step in, centred on the release point.
    FContext.Mapping().ZoomToolRelease(FBand.origin, FBand.corner, TPoint{X, Y});
    FContext.ViewChanged();
}

void TZoomTool::Cancel() {
    FDragging = false;
    FBandShown = false;
}

void TZoomTool::DrawOverlay(TCanvas& aCanvas) const {
    if (FBandShown) FBand.Draw(aCanvas);
}

void TZoomTool::DrawBand() {
    FContext.DrawOverlay([this](TCanvas& aCanvas) { FBand.Draw(aCanvas); });
}

}  // namespace torvik
