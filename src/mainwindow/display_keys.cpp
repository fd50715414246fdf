#include "mainwindow/display_keys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "mainwindow/main_form.h"
#include "mainwindow/tool_dispatch.h"

namespace torvik {

namespace {

// The focus is in a control that takes typed text and its arrow keys, or in
// the menu bar being worked from the keyboard.
bool KeysTakenBy(const QWidget* aFocus) {
    if (!aFocus) return false;
    if (qobject_cast<const QLineEdit*>(aFocus) || qobject_cast<const QAbstractSpinBox*>(aFocus) ||
        qobject_cast<const QMenuBar*>(aFocus) ||
        qobject_cast<const QTextEdit*>(aFocus) || qobject_cast<const QPlainTextEdit*>(aFocus))
        return true;
    const auto* box = qobject_cast<const QComboBox*>(aFocus);
    return box && box->isEditable();
}

}  // namespace

TDisplayKeys::TDisplayKeys(TMainForm& aForm, TToolDispatch& aTools) : FForm(aForm), FTools(aTools) {
    qApp->installEventFilter(this);
}

bool TDisplayKeys::eventFilter(QObject* aWatched, QEvent* aEvent) {
    const QEvent::Type type = aEvent->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    const auto* widget = qobject_cast<QWidget*>(aWatched);
    if (!widget || widget->window() != &FForm || KeysTakenBy(widget) || KeysTakenBy(QApplication::focusWidget()))
        return false;
    bool used = false;
    const auto& key = static_cast<const QKeyEvent&>(*aEvent);
    FForm.Guarded([&] { used = type == QEvent::KeyPress ? KeyDown(key) : KeyUp(key); });
    return used;
}

bool TDisplayKeys::KeyDown(const QKeyEvent& aEvent) {
    const bool plier = FForm.CurrentTool() == ToolPlier;
    const bool shift = aEvent.modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = aEvent.modifiers().testFlag(Qt::ControlModifier);
    switch (aEvent.key()) {
        case Qt::Key_Escape:
            return FTools.Escape();
        case Qt::Key_Shift:
        case Qt::Key_Control:
            return ModifierChanged(aEvent, true);
        case Qt::Key_Right:
        case Qt::Key_Left:
            if (!FForm.Settings().View.MarkersShown) return false;
            Run(aEvent.key() == Qt::Key_Right ? "ActionNextNode" : "ActionPreviousNode");
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            if (!plier) return false;
            const bool up = aEvent.key() == Qt::Key_Up;
            if (shift) Run(up ? "ActionBendWire90L" : "ActionBendWire90R");
            if (ctrl) Run(up ? "ActionBendWire1L" : "ActionBendWire1R");
            if (!shift && !ctrl) Run(up ? "ActionBendWire10L" : "ActionBendWire10R");
            // The read-out of the node under the mouse, which may be the one
            // just bent.
            FTools.MoveInPlace(aEvent.modifiers());
            return true;
        }
        default:
            return false;
    }
}

bool TDisplayKeys::KeyUp(const QKeyEvent& aEvent) {
    if (aEvent.key() != Qt::Key_Shift && aEvent.key() != Qt::Key_Control) return false;
    return ModifierChanged(aEvent, false);
}

bool TDisplayKeys::ModifierChanged(const QKeyEvent& aEvent, bool aDown) {
    if (FForm.CurrentTool() != ToolPlier) return false;
    // The event's modifiers may or may not count its own key yet.
    const Qt::KeyboardModifier own = aEvent.key() == Qt::Key_Shift ? Qt::ShiftModifier : Qt::ControlModifier;
    Qt::KeyboardModifiers held = aEvent.modifiers();
    held.setFlag(own, aDown);
    FTools.MoveInPlace(held);
    return true;
}

void TDisplayKeys::Run(const char* aActionName) {
    if (QAction* action = FForm.Action(aActionName)) action->trigger();
}

}  // namespace torvik
