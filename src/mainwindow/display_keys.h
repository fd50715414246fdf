#pragma once
// The main window's keys for the display, seen before the control that has
// the keyboard focus (unless that control takes typed text, as the zoom box
// does): Right and Left select the next and previous node while the node
// markers are shown; with the plier tool Up and Down bend at the selected
// node (10 degrees, Shift 90, Ctrl 1, both 90 and then 1; Up anticlockwise),
// and these bends as well as Shift or Ctrl going down or up refresh the
// plier's cursor and read-out at once; Esc goes to the current tool.

#include <QObject>

class QKeyEvent;

namespace torvik {

class TMainForm;
class TToolDispatch;

class TDisplayKeys : public QObject {
    Q_OBJECT
public:
    // Watches the application's key events for aForm's widgets.
    TDisplayKeys(TMainForm& aForm, TToolDispatch& aTools);

protected:
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    // Whether the key was used.
    bool KeyDown(const QKeyEvent& aEvent);
    bool KeyUp(const QKeyEvent& aEvent);
    bool ModifierChanged(const QKeyEvent& aEvent, bool aDown);
    void Run(const char* aActionName);

    TMainForm& FForm;
    TToolDispatch& FTools;
};

}  // namespace torvik
