#include "mainwindow/curve_commands.h"

#include <QFileDialog>
#include <QStandardPaths>

#include "dialogs/activation_curve_form.h"
#include "dialogs/progress_form.h"
#include "mainwindow/main_form.h"
#include "qt/file_names.h"

namespace torvik {

TCurveCommands::TCurveCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("CurveCommands");
    FForm.Bind("ActionActivationCurve", [this] { ActionActivationCurveExecute(); });
}

std::unique_ptr<TActivationCurve> TCurveCommands::Compute(int aSteps) {
    // The curve follows the target of the status bar and the Run menu, to its
    // own tight tolerances.
    TCurveSettings settings;
    settings.Steps = aSteps;
    settings.TargetMode = FForm.Settings().Activation.TargetMode;
    settings.WireSlides = FForm.Settings().Activation.WireSlides;
    auto curve = std::make_unique<TActivationCurve>(FForm.Design(), settings);
    TActivationCurve* c = curve.get();
    TProgressForm progress(
        tr("Activation Curve"), [c] { return c->Iterate(); },
        [c] {
            const int done = static_cast<int>(c->Steps().size());
            const int total = c->Settings().Steps;
            return TProgressForm::TProgress{
                c->Progress(), tr("Computing step %1 of %2...").arg(std::min(done + 1, total)).arg(total)};
        },
        &FForm);
    const int result = FForm.ExecDialog(progress);
    if (!progress.Error().isEmpty()) {
        FForm.ErrorBox(progress.Error());
        return nullptr;
    }
    if (result != QDialog::Accepted || !curve->Finished()) return nullptr;
    FSteps = aSteps;
    return curve;
}

void TCurveCommands::ActionActivationCurveExecute() {
    // The run and the curve do not go together: the run ends first.
    if (FForm.Running()) FForm.ActionStopRunExecute();
    {
        const TActivationCurve probe(FForm.Design(), TCurveSettings{1});
        if (probe.PathLength() == 0 && probe.PathTurn() == 0) {
            FForm.InformBox(tr("Activation Curve"),
                            tr("The unloaded wire already ends on the right bracket in its direction: there is no "
                               "activation to follow."));
            return;
        }
    }
    std::unique_ptr<TActivationCurve> curve = Compute(FSteps);
    if (!curve) return;

    TActivationCurveForm form(std::move(curve), FForm.Settings().Tooth, &FForm);
    form.SetRecompute([this](int aSteps) { return Compute(aSteps); });
    form.ShowError = [this](const QString& aText) { FForm.ErrorBox(aText); };
    form.SaveFileName = [this, &form](const QString& aTitle, const QString& aFilter, const QString& aSuffix) {
        const TFileName& file = FForm.CurrentFileName();
        const QString folder = file.Empty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                            : QtFileName(TFileName(file.Folder()));
        QFileDialog dialog(&form, aTitle, folder, aFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(aSuffix);
        if (FForm.ExecDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
    connect(&form, &TTorvikDialog::helpRequested, this, [this](int aTopic) { FForm.ShowHelp(aTopic); });
    FForm.ExecDialog(form);
}

}  // namespace torvik
