#pragma once
// The mouse on the display at logical points, as the user works it: presses,
// releases, clicks and moves with buttons and modifier keys, the wire's nodes
// as points, the status panel's text, and the wire's shape for comparisons.

#include <utility>
#include <vector>

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

#include "gui_fixture.h"
#include "mainwindow/display_widget.h"

namespace torvik::test {

// Each segment's length and bend, in wire order.
using TWireShape = std::vector<std::pair<double, double>>;

inline TWireShape WireShape(const TWire& aWire) {
    TWireShape shape;
    for (const TWireSeg& s : aWire.Segments()) shape.emplace_back(s.length, s.angle);
    return shape;
}

class TDisplayMouseTest : public TGuiTest {
protected:
    TDisplayWidget* Display() const { return FForm->findChild<TDisplayWidget*>("Display"); }
    TWire& Wire() const { return *FForm->Design().CurrentWire; }
    QString Status() const { return FForm->findChild<QLabel*>("PanelBottom")->text(); }

    // The pixel of a logical point.
    QPoint At(TPoint aLogical) const {
        const TPoint d = FForm->Mapping().LogicalToDevice(aLogical);
        return QPoint(d.X, d.Y);
    }
    // Node i in logical units.
    TPoint Node(int i) const {
        const TPointReal c = Wire().Segment(i).Corner();
        return TPointReal(c.x * 100, c.y * 100).AsTPoint();
    }

    void Press(TPoint aAt, Qt::MouseButton aButton = Qt::LeftButton, Qt::KeyboardModifiers aKeys = {}) {
        QTest::mousePress(Display(), aButton, aKeys, At(aAt));
    }
    void Release(TPoint aAt, Qt::MouseButton aButton = Qt::LeftButton, Qt::KeyboardModifiers aKeys = {}) {
        QTest::mouseRelease(Display(), aButton, aKeys, At(aAt));
    }
    void Click(TPoint aAt, Qt::MouseButton aButton = Qt::LeftButton, Qt::KeyboardModifiers aKeys = {}) {
        Press(aAt, aButton, aKeys);
        Release(aAt, aButton, aKeys);
    }
    void Move(TPoint aAt, Qt::MouseButtons aHeld = {}, Qt::KeyboardModifiers aKeys = {}) {
        const QPointF local(At(aAt));
        QMouseEvent move(QEvent::MouseMove, local, Display()->mapToGlobal(local), Qt::NoButton, aHeld, aKeys);
        QApplication::sendEvent(Display(), &move);
    }
    // Press, one move, release.
    void Drag(TPoint aFrom, TPoint aTo) {
        Press(aFrom);
        Move(aTo, Qt::LeftButton);
        Release(aTo);
    }
};

}  // namespace torvik::test
