// Zoom and scrolling of the display: the zoom box, the View menu's zoom
// commands, Best Fit and Fit All, the scroll bars and resizing. The
// arithmetic is TViewMapping's; this file feeds it the widgets' events and
// shows its state in the scroll bars and the zoom box.

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolBar>

#include "mainwindow/display_widget.h"
#include "mainwindow/main_form.h"

namespace torvik {

namespace {

void ShowBarState(QScrollBar* aBar, const TScrollBarState& aState) {
    // A disabled bar has nothing to scroll and shows no thumb position.
    aBar->setRange(0, aState.Enabled ? std::max(0, aState.MaxPosition()) : 0);
    aBar->setPageStep(std::max(1, aState.LargeChange));
    aBar->setSingleStep(aState.SmallChange);
    aBar->setValue(aState.Position);
    aBar->setEnabled(aState.Enabled);
}

QString ToQString(std::string_view aText) { return QString::fromUtf8(aText.data(), static_cast<qsizetype>(aText.size())); }

}  // namespace

void TMainForm::SyncScrollBars() {
    FUpdatingScrollBars = true;
    ShowBarState(FScrollBarHorz, FMapping.ScrollBarHorz());
    ShowBarState(FScrollBarVert, FMapping.ScrollBarVert());
    FUpdatingScrollBars = false;
}

void TMainForm::ZoomTextMessage() {
    // The drop-down list opens on the item that matches the zoom, if any.
    const QString text = QString::fromStdString(ZoomText(FMapping.Zoom()));
    FZoomCB->setCurrentIndex(FZoomCB->findText(text));
    FZoomCB->setEditText(text);
}

void TMainForm::PostZoomTextMessage() {
    QMetaObject::invokeMethod(this, [this] { ZoomTextMessage(); }, Qt::QueuedConnection);
}

void TMainForm::ZoomCenterInDisplay(int aZ, int X, int Y) {
    FMapping.ZoomCenterInDisplay(aZ, X, Y);
    SyncScrollBars();
    DrawDisplay();
}

void TMainForm::MenuViewZoomInClick() {
    FMapping.ZoomAroundCenter(NextZoomIn(FMapping.Zoom()));
    ZoomTextMessage();
    SyncScrollBars();
    DrawDisplay();
}

void TMainForm::MenuViewZoomOutClick() {
    FMapping.ZoomAroundCenter(NextZoomOut(FMapping.Zoom()));
    ZoomTextMessage();
    SyncScrollBars();
    DrawDisplay();
}

void TMainForm::MenuActualSizeClick() {
    // The wire's extent and the right bracket, with a margin.
    const TRect rect = BestFitRect(FDesign->CurrentWire->BoundsRect(), *FDesign->RightBracket.Origin());
    if (!FMapping.ZoomRect(rect)) return;
    SyncScrollBars();
    DrawDisplay();
    ZoomTextMessage();
}

void TMainForm::MenuFitAllClick() {
    FMapping.FitAll();
    SyncScrollBars();
    DrawDisplay();
    PostZoomTextMessage();
}

void TMainForm::ZoomCBClick(const QString& aText) {
    FToolBarTools->setFocus();
    if (aText == ToQString(FitAllItem)) {
        FMapping.FitAll();
        SyncScrollBars();
        DrawDisplay();
    } else if (aText == ToQString(BestFitItem)) {
        MenuActualSizeClick();
    } else {
        FMapping.ZoomAroundCenter(ZoomItemValue(aText.toStdString()));
        SyncScrollBars();
        DrawDisplay();
    }
    PostZoomTextMessage();
}

bool TMainForm::ZoomCBKeyPress(QKeyEvent* aEvent) {
    if (aEvent->key() == Qt::Key_Return || aEvent->key() == Qt::Key_Enter) {
        ZoomCBEnter();
        return true;
    }
    // Keys that type no character (arrows, Delete, Tab, Escape) keep their
    // usual meaning.
    const QString text = aEvent->text();
    if (text.isEmpty() || aEvent->key() == Qt::Key_Delete || aEvent->key() == Qt::Key_Tab ||
        aEvent->key() == Qt::Key_Backtab || aEvent->key() == Qt::Key_Escape)
        return false;
    if (IsZoomKeyAccepted(text.at(0).unicode())) return false;
    QApplication::beep();
    return true;
}

void TMainForm::ZoomCBEnter() {
    FToolBarTools->setFocus();
    const std::optional<int> zoom = ParseTypedZoom(FZoomCB->currentText().toStdString());
    if (!zoom) {
        ErrorBox(ToQString(InvalidZoomMessage).replace("\r\n", "\n"));
        FToolBarTools->setFocus();
        return;
    }
    FMapping.ZoomAroundCenter(*zoom);
    SyncScrollBars();
    DrawDisplay();
    ZoomTextMessage();
}

void TMainForm::ScrollBarMainScroll(bool aHorizontal, int aPos) {
    FMapping.Scroll(aHorizontal ? TScrollAxis::Horz : TScrollAxis::Vert, aPos);
    SyncScrollBars();
    DrawDisplay();
}

void TMainForm::PanelDisplayResize() {
    FMapping.Resize(std::min(FDisplay->width(), MaxDisplaySize), std::min(FDisplay->height(), MaxDisplaySize));
    SyncScrollBars();
    DrawDisplay();
}

}  // namespace torvik
