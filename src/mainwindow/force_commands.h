#pragma once
// The force commands: Edit Force with the force editor, Zero Force, Zoom
// Forces In and Out, Show Strain, and the double clicks on the status panels
// that switch the target mode (PanelInSlot) and the automatic stop
// (PanelAuto).

#include <QObject>

namespace torvik {

class TEditForce;
class TMainForm;

// No load at either bracket and the wire at rest, then a redraw; also what
// the options dialog's "&Apply to Wire" does first.
void ZeroForce(TMainForm& aForm);

class TForceCommands : public QObject {
    Q_OBJECT
public:
    // Binds the commands to the window's actions and watches the status
    // panels; a child of the window.
    explicit TForceCommands(TMainForm& aForm);

    void ActionForceEditExecute();
    void ActionForceZeroExecute() { ZeroForce(FForm); }
    void PanelInSlotDblClick();
    void PanelAutoDblClick();
    // Halves the force scale for In (longer arrows), doubles it for Out.
    void MenuViewZoomForcesClick(bool aIn);
    void MenuViewStrainClick();

protected:
    bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

private:
    TMainForm& FForm;
    TEditForce* FEditForce;
    QObject* FPanelInSlot;
    QObject* FPanelAuto;
};

}  // namespace torvik
