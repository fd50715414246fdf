#include "mainwindow/tool_dispatch.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "mainwindow/cursors.h"
#include "mainwindow/display_widget.h"
#include "mainwindow/hints.h"
#include "mainwindow/main_form.h"
#include "qt/locale_numbers.h"
#include "qt/qt_canvas.h"
#include "tools/snapping.h"

namespace torvik {

namespace {

TMouseButton ButtonOf(Qt::MouseButton aButton) {
    switch (aButton) {
        case Qt::LeftButton:
            return TMouseButton::Left;
        case Qt::RightButton:
            return TMouseButton::Right;
        case Qt::MiddleButton:
            return TMouseButton::Middle;
        default:
            return TMouseButton::Other;
    }
}

TShiftState ShiftOf(Qt::KeyboardModifiers aModifiers) {
    return TShiftState{aModifiers.testFlag(Qt::ShiftModifier), aModifiers.testFlag(Qt::ControlModifier),
                       aModifiers.testFlag(Qt::AltModifier)};
}

}  // namespace

TToolDispatch::TToolDispatch(TMainForm& aForm, TDisplayWidget& aDisplay, QLabel& aStatusPanel,
                             TViewMapping& aMapping, std::function<void()> aViewChanged)
    : FForm(aForm),
      FDisplay(aDisplay),
      FStatusPanel(aStatusPanel),
      FMapping(aMapping),
      FViewChanged(std::move(aViewChanged)),
      FTools(*this) {}

bool TToolDispatch::Select(int aTag) {
    if (!FTools.Select(aTag)) return false;
    SetCursor(FTools.CurrentTool().Cursor());
    return true;
}

void TToolDispatch::DesignReplaced() {
    FTools.CancelAll();
    FSelectedBracket = nullptr;
    FBracketMarkers.clear();
}

void TToolDispatch::RebuildBracketMarkers(bool aShow) {
    FBracketMarkers.clear();
    if (aShow && FSelectedBracket) FBracketMarkers = FSelectedBracket->Markers();
}

TPoint TToolDispatch::Track(QMouseEvent* aEvent) {
    FMouse = aEvent->position().toPoint();
    FMouseInside = true;
    return FMapping.DeviceToLogical(TPoint{FMouse.x(), FMouse.y()});
}

void TToolDispatch::MouseDown(QMouseEvent* aEvent) {
    const TPoint p = Track(aEvent);
    FTools.MouseDown(ButtonOf(aEvent->button()), ShiftOf(aEvent->modifiers()), p.X, p.Y);
}

void TToolDispatch::MouseMove(QMouseEvent* aEvent) {
    const TPoint p = Track(aEvent);
    FTools.MouseMove(ShiftOf(aEvent->modifiers()), p.X, p.Y);
}

void TToolDispatch::MouseUp(QMouseEvent* aEvent) {
    const TPoint p = Track(aEvent);
    FTools.MouseUp(ButtonOf(aEvent->button()), ShiftOf(aEvent->modifiers()), p.X, p.Y);
}

void TToolDispatch::MouseLeft() { FMouseInside = false; }

void TToolDispatch::MoveInPlace(Qt::KeyboardModifiers aModifiers) {
    if (!FMouseInside) return;
    const TPoint p = FMapping.DeviceToLogical(TPoint{FMouse.x(), FMouse.y()});
    FTools.MouseMove(ShiftOf(aModifiers), p.X, p.Y);
}

bool TToolDispatch::Escape() { return FTools.Escape(); }

TDesign& TToolDispatch::Design() { return FForm.Design(); }
bool TToolDispatch::SnapGrid() const { return FForm.Settings().SnapGrid; }
double TToolDispatch::SnapStep() const { return SnapStepOf(FForm.Settings().SnapGridDensity); }
double TToolDispatch::SegmentSize() const { return FForm.Settings().SegmentSize; }
int TToolDispatch::SelectedNode() const { return FForm.SelectedNode(); }
void TToolDispatch::SetSelectedNode(int aNode) { FForm.SetSelectedNode(aNode); }

void TToolDispatch::SelectBracketMode(int aMode) {
    // The bracket tool's action carries its mode; choosing it again selects
    // the mode as a tool.
    QAction* action = FForm.Action("ActionToolBracket");
    action->setData(aMode);
    action->trigger();
}

void TToolDispatch::RecordUndo() { FForm.RecordUndo(); }
void TToolDispatch::RefreshMarkers() { FForm.RefreshMarkers(); }
void TToolDispatch::DrawDisplay() { FForm.DrawDisplay(); }

void TToolDispatch::DrawOverlay(const std::function<void(TCanvas&)>& aDraw) {
    {
        QPainter painter(&FDisplay.Image());
        TQtCanvas canvas(painter);
        canvas.SetMapping(FMapping);
        aDraw(canvas);
    }
    FDisplay.update();
}

void TToolDispatch::SetStatus(const std::string& aText) {
    FStatusPanel.setText(QString::fromStdString(aText));
    FStatusPanel.repaint();
}

void TToolDispatch::SetHint(const std::string& aText) {
    ShowHintAtMouse(&FDisplay, FMouse, QString::fromStdString(aText));
}

void TToolDispatch::SetCursor(TCursorId aCursor) { FDisplay.setCursor(ToolCursor(aCursor)); }

std::string TToolDispatch::FormatNumber(double aValue, std::string_view aMask) const {
    return FormatLocal(aValue, aMask).toStdString();
}

bool TToolDispatch::ImageShown() const {
    // The window holds no background image yet.
    return false;
}

}  // namespace torvik
