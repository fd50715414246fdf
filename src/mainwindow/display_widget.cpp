#include "mainwindow/display_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace torvik {

TDisplayWidget::TDisplayWidget(QWidget* aParent) : QWidget(aParent), FImage(1, 1, QImage::Format_RGB32) {
    FImage.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void TDisplayWidget::paintEvent(QPaintEvent* aEvent) {
    QPainter painter(this);
    painter.drawImage(aEvent->rect(), FImage, aEvent->rect());
}

void TDisplayWidget::resizeEvent(QResizeEvent*) {
    FImage = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    FImage.fill(Qt::white);
    if (OnResize) OnResize();
}

void TDisplayWidget::mousePressEvent(QMouseEvent* aEvent) {
    if (OnMousePress) OnMousePress(aEvent);
}

void TDisplayWidget::mouseMoveEvent(QMouseEvent* aEvent) {
    if (OnMouseMove) OnMouseMove(aEvent);
}

void TDisplayWidget::mouseReleaseEvent(QMouseEvent* aEvent) {
    if (OnMouseRelease) OnMouseRelease(aEvent);
}

void TDisplayWidget::leaveEvent(QEvent*) {
    if (OnLeave) OnLeave();
}

}  // namespace torvik
