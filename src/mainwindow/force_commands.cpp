#include "mainwindow/force_commands.h"

#include <exception>

#include <QAction>
#include <QEvent>
#include <QLabel>

#include "dialogs/edit_force.h"
#include "mainwindow/main_form.h"
#include "wire/applied_load.h"

namespace torvik {

void ZeroForce(TMainForm& aForm) {
    ZeroLoad(aForm.Design());
    aForm.RefreshMarkers();
}

TForceCommands::TForceCommands(TMainForm& aForm)
    : QObject(&aForm),
      FForm(aForm),
      FEditForce(new TEditForce(&aForm)),
      FPanelInSlot(aForm.findChild<QLabel*>("PanelInSlot")),
      FPanelAuto(aForm.findChild<QLabel*>("PanelAuto")) {
    setObjectName("ForceCommands");
    connect(FEditForce, &TTorvikDialog::helpRequested, &aForm, [&aForm](int aTopic) { aForm.ShowHelp(aTopic); });
    aForm.Bind("ActionForceEdit", [this] { ActionForceEditExecute(); });
    aForm.Bind("ActionForceZero", [this] { ActionForceZeroExecute(); });
    aForm.Bind("MenuViewZoomForcesIn", [this] { MenuViewZoomForcesClick(true); });
    aForm.Bind("MenuViewZoomForcesOut", [this] { MenuViewZoomForcesClick(false); });
    aForm.Bind("MenuViewStrain", [this] { MenuViewStrainClick(); });
    for (QObject* panel : {FPanelInSlot, FPanelAuto})
        if (panel) panel->installEventFilter(this);
}

void TForceCommands::ActionForceEditExecute() {
    TDesign& design = FForm.Design();
    FEditForce->SetLoads(design.LeftForce, design.RightForce);
    if (FForm.ExecDialog(*FEditForce) != QDialog::Accepted) return;
    // All three fields are read before anything changes, so a bad one
    // leaves the load, its balance and the wire as they were.
    double x = 0.0, y = 0.0, m = 0.0;
    if (!FEditForce->ReadLoad(x, y, m)) {
        FForm.ErrorBox("Incorrect value entered.");
        return;
    }
    // A load the wire cannot take, or one that deforms it too far to be
    // drawn, is refused and the design stays as it was.
    try {
        ApplyLoad(design, x, y, m, [this] { FForm.RefreshMarkers(); });
    } catch (const std::exception& e) {
        FForm.RefreshMarkers();
        FForm.ErrorBox(QStringLiteral("The wire cannot take this load (%1).").arg(QString::fromUtf8(e.what())));
    }
}

void TForceCommands::PanelInSlotDblClick() {
    int& mode = FForm.Settings().Activation.TargetMode;
    mode = mode == TargetPoint ? TargetAngle : mode == TargetAngle ? TargetSlot : TargetPoint;
    FForm.ApplySettings();
}

void TForceCommands::PanelAutoDblClick() {
    bool& autoStop = FForm.Settings().Activation.AutoStop;
    autoStop = !autoStop;
    FForm.ApplySettings();
}

void TForceCommands::MenuViewZoomForcesClick(bool aIn) {
    double& scale = FForm.Settings().View.ForceScale;
    scale = aIn ? scale / 2 : scale * 2;
    FForm.DrawDisplay();
}

void TForceCommands::MenuViewStrainClick() {
    // The trigger has already inverted the check mark.
    FForm.Settings().View.ViewStrain = FForm.Action("MenuViewStrain")->isChecked();
    FForm.DrawDisplay();
}

bool TForceCommands::eventFilter(QObject* aWatched, QEvent* aEvent) {
    if (aEvent->type() == QEvent::MouseButtonDblClick && (aWatched == FPanelInSlot || aWatched == FPanelAuto)) {
        FForm.Guarded([this, aWatched] {
            if (aWatched == FPanelInSlot)
                PanelInSlotDblClick();
            else
                PanelAutoDblClick();
        });
        return true;
    }
    return QObject::eventFilter(aWatched, aEvent);
}

}  // namespace torvik
