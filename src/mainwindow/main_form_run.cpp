// The activation run in the window: a zero-interval timer performs one
// iteration per turn of the event loop and redraws after it. The run pauses
// while a modal box is open and is stopped before the design it works on is
// replaced or released. A run that stops by itself at its tolerances has
// its loads refined to full engagement (when the settings ask for it).

#include <exception>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "mainwindow/image_commands.h"
#include "mainwindow/main_form.h"
#include "solve/run_stop.h"

namespace torvik {

namespace {

// While a modal box is open the timer only looks now and then whether it
// has closed.
constexpr int PausedPollInterval = 50;  // ms

}  // namespace

void TMainForm::UpdateActionsAndMenus() {
    if (FImageCommands) Action("ActionViewImage")->setChecked(FImageCommands->Placement().Visible());
    Action("ActionUndo")->setEnabled(FDesign->UndoCount() > 0);
    Action("ActionRedo")->setEnabled(FDesign->RedoCount() > 0);
    Action("ActionRun")->setEnabled(!FRunning);
    Action("ActionStopRun")->setEnabled(FRunning);
}

void TMainForm::ActionRunExecute() {
    if (FRunning) return;
    FRunning = true;
    FRun = TActivationRun();
    UpdateActionsAndMenus();
    FRunTimer->setInterval(0);
    FRunTimer->start();
}

void TMainForm::ActionStopRunExecute() {
    FRunning = false;
    FRunTimer->stop();
    UpdateActionsAndMenus();
    // The first redraw with the node markers and the read-out again.
    DrawDisplay();
}

void TMainForm::RunIteration() {
    if (!FRunning) {
        FRunTimer->stop();
        return;
    }
    if (FModalDepth > 0 || QApplication::activeModalWidget()) {
        FRunTimer->setInterval(PausedPollInterval);
        return;
    }
    FRunTimer->setInterval(0);
    // The settings are read afresh each time: the options may change them
    // between two iterations.
    const TIterationResult result = FRun.Iterate(*FDesign, FSettings.Activation);
    if (result.stop != TStopReason::None) {
        // A run that met its target has its loads refined before the stop
        // redraws, so that the wire and the read-out show full engagement.
        std::string status;
        if (result.stop == TStopReason::Tolerance) status = FinishStoppedRun(*FDesign, FSettings.Activation).status;
        ActionStopRunExecute();
        if (!status.empty()) FPanelBottom->setText(QString::fromStdString(status));
        if (!result.message.empty()) ErrorBox(QString::fromStdString(result.message));
        return;
    }
    try {
        DrawDisplay();
    } catch (const std::exception&) {
        // A picture that cannot be drawn ends the run like any other failure
        // of an iteration, once, rather than at every turn.
        FRunning = false;
        FRunTimer->stop();
        UpdateActionsAndMenus();
        ErrorBox(QString::fromLatin1(ActivationErrorMessage));
    }
}

}  // namespace torvik
