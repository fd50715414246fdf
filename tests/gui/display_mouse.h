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

    // Undo steps back through every state of aStates to the first, and Redo
    // forward to the last again; neither is left enabled at its end.
    void ExpectUndoAndRedoThrough(const std::vector<TWireShape>& aStates) {
        for (std::size_t i = aStates.size() - 1; i-- > 0;) {
            ASSERT_TRUE(FForm->Action("ActionUndo")->isEnabled()) << i;
            Trigger("ActionUndo");
            EXPECT_EQ(WireShape(Wire()), aStates[i]) << i;
            EXPECT_LT(FForm->SelectedNode(), Wire().Count());
        }
        EXPECT_FALSE(FForm->Action("ActionUndo")->isEnabled());
        for (std::size_t i = 1; i < aStates.size(); ++i) {
            Trigger("ActionRedo");
            EXPECT_EQ(WireShape(Wire()), aStates[i]) << i;
        }
        EXPECT_FALSE(FForm->Action("ActionRedo")->isEnabled());
    }

    // The wire has aShape as far as a design file keeps it: lengths to
    // 1/2000 mm, bends to 1e-6 rad.
    void ExpectShapeAsFileKeepsIt(const TWireShape& aShape) const {
        const TWireShape shape = WireShape(Wire());
        ASSERT_EQ(shape.size(), aShape.size());
        for (std::size_t i = 0; i < aShape.size(); ++i) {
            EXPECT_NEAR(shape[i].first, aShape[i].first, 2.5e-4) << i;
            EXPECT_NEAR(shape[i].second, aShape[i].second, 5e-7) << i;
        }
    }
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
