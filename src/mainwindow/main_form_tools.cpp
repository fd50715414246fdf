// Tool selection and the display's mouse events: the current tool, its
// cursor, dispatch of presses, moves and releases in logical units, and the
// zoom tool with its rubber band (drawn inverted over the off-screen image,
// never part of the design).

#include <QAction>
#include <QMouseEvent>

#include "mainwindow/display_widget.h"
#include "mainwindow/icons.h"
#include "mainwindow/main_form.h"

namespace torvik {

void TMainForm::ActionToolExecute(QAction* aAction) { SelectTool(aAction); }

void TMainForm::SelectTool(QAction* aAction) {
    if (!aAction) return;
    aAction->setChecked(true);
    const int tag = aAction->data().toInt();
    if (tag < ToolBracket || tag > ToolImage) return;
    FCurrentTool = tag;
    if (tag == ToolZoom)
        FDisplay->setCursor(ZoomCursor());
    else
        FDisplay->setCursor(Qt::ArrowCursor);
    if (tag == ToolRotate) return;
    RefreshMarkers();
}

TPoint TMainForm::MouseToLogical(QMouseEvent* aEvent) const {
    const QPoint p = aEvent->position().toPoint();
    return FMapping.DeviceToLogical(TPoint{p.x(), p.y()});
}

void TMainForm::DisplayMouseDown(QMouseEvent* aEvent) {
    const TPoint p = MouseToLogical(aEvent);
    if (FCurrentTool == ToolZoom) ZoomInDown(aEvent->button(), p.X, p.Y);
}

void TMainForm::DisplayMouseMove(QMouseEvent* aEvent) {
    const TPoint p = MouseToLogical(aEvent);
    if (FCurrentTool == ToolZoom) ZoomInMove(p.X, p.Y);
}

void TMainForm::DisplayMouseUp(QMouseEvent* aEvent) {
    const TPoint p = MouseToLogical(aEvent);
    if (FCurrentTool == ToolZoom) ZoomInUp(p.X, p.Y);
}

void TMainForm::ZoomInDown(Qt::MouseButton aButton, int X, int Y) {
    if (FDragging) return;
    if (aButton == Qt::RightButton) {
        // One step out, centred on the pressed point.
        FMapping.ZoomToolOut(X, Y);
        SyncScrollBars();
        DrawDisplay();
        ZoomTextMessage();
        return;
    }
    FZoomBand.origin = TPoint{X, Y};
    FZoomBand.corner = TPoint{X, Y};
    FZoomBandShown = false;
    FDragging = true;
}

void TMainForm::ZoomInMove(int X, int Y) {
    if (!FDragging) return;
    if (FZoomBandShown) DrawZoomBand();  // erases the previous band
    FZoomBand.corner = TPoint{X, Y};
    DrawZoomBand();
    FZoomBandShown = true;
}

void TMainForm::ZoomInUp(int X, int Y) {
    if (!FDragging) return;
    FDragging = false;
    if (FZoomBandShown) DrawZoomBand();
    FZoomBandShown = false;
    // A band at least 2 units wide or high zooms to it; anything else is a
    // click: one step in, centred on the release point.
    FMapping.ZoomToolRelease(FZoomBand.origin, FZoomBand.corner, TPoint{X, Y});
    SyncScrollBars();
    DrawDisplay();
    ZoomTextMessage();
}

}  // namespace torvik
