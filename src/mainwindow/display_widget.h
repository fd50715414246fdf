#pragma once
// The paint surface of the main window: it holds the off-screen image that
// every redraw composes, shows it in one copy, and hands its size and mouse
// events to the main window.

#include <functional>

#include <QImage>
#include <QWidget>

namespace torvik {

class TDisplayWidget : public QWidget {
    Q_OBJECT
public:
    explicit TDisplayWidget(QWidget* aParent = nullptr);

    // The off-screen image, always the widget's size (RGB32).
    QImage& Image() { return FImage; }

    std::function<void(QMouseEvent*)> OnMousePress;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseRelease;
    // After the image has taken the new size.
    std::function<void()> OnResize;
    // The mouse left the widget.
    std::function<void()> OnLeave;

protected:
    void paintEvent(QPaintEvent* aEvent) override;
    void resizeEvent(QResizeEvent* aEvent) override;
    void mousePressEvent(QMouseEvent* aEvent) override;
    void mouseMoveEvent(QMouseEvent* aEvent) override;
    void mouseReleaseEvent(QMouseEvent* aEvent) override;
    void leaveEvent(QEvent* aEvent) override;

private:
    QImage FImage;
};

}  // namespace torvik
