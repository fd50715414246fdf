#include "mainwindow/sweep_fit_commands.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>

#include "dialogs/fit_dialog.h"
#include "dialogs/fit_report_form.h"
#include "dialogs/progress_form.h"
#include "dialogs/sweep_dialog.h"
#include "dialogs/sweep_form.h"
#include "mainwindow/main_form.h"
#include "mainwindow/template_commands.h"
#include "qt/file_names.h"
#include "qt/locale_numbers.h"

namespace torvik {

namespace {

// The run settings of the window's target, to the solver's own tolerances.
TActivationSettings RunSettings(TMainForm& aForm) {
    TActivationSettings s;
    s.TargetMode = aForm.Settings().Activation.TargetMode;
    s.WireSlides = aForm.Settings().Activation.WireSlides;
    return s;
}

}  // namespace

TSweepFitCommands::TSweepFitCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("SweepFitCommands");
    FForm.Bind("ActionParameterSweep", [this] { ParameterSweepExecute(); });
    FForm.Bind("ActionFitLoop", [this] { FitLoopExecute(); });
    // Whether the design keeps a template changes with New, Open and the
    // like: the menu asks as it opens.
    if (auto* run = FForm.findChild<QMenu*>("MenuRun"))
        connect(run, &QMenu::aboutToShow, this, &TSweepFitCommands::UpdateActions);
    // The window makes its first design after its command groups: a new
    // design keeps no template.
    for (const char* name : {"ActionParameterSweep", "ActionFitLoop"}) FForm.Action(name)->setEnabled(false);
}

void TSweepFitCommands::UpdateActions() {
    const bool has = FForm.Design().Template.has_value();
    for (const char* name : {"ActionParameterSweep", "ActionFitLoop"}) FForm.Action(name)->setEnabled(has);
}

std::optional<TLoopTemplate> TSweepFitCommands::Template(const QString& aCaption) {
    UpdateActions();
    if (!FForm.Design().Template) {
        FForm.InformBox(aCaption, tr("This works on the loop template a design was made from, and the design on screen "
                                     "keeps none. File > New from Template... makes a design from a template; a "
                                     "design saved from one keeps it."));
        return std::nullopt;
    }
    return TemplateOfDesign(FForm);
}

bool TSweepFitCommands::RunWork(const QString& aCaption, std::function<bool()> aWork, std::function<double()> aFraction,
                                std::function<QString()> aText) {
    TProgressForm progress(
        aCaption, std::move(aWork),
        [aFraction = std::move(aFraction), aText = std::move(aText)] {
            return TProgressForm::TProgress{aFraction(), aText()};
        },
        &FForm, TProgressForm::TPlace::WorkerThread);
    const int result = FForm.ExecDialog(progress);
    if (!progress.Error().isEmpty()) {
        FForm.ErrorBox(progress.Error());
        return false;
    }
    return result == QDialog::Accepted;
}

void TSweepFitCommands::ParameterSweepExecute() {
    if (FForm.Running()) FForm.ActionStopRunExecute();
    const QString caption = tr("Parameter Sweep");
    const std::optional<TLoopTemplate> t = Template(caption);
    if (!t) return;

    TSweepDialog dialog(*t, &FForm);
    if (FLastSweep && FSweepForm == t->Form().Name()) dialog.SetSettings(*FLastSweep);
    connect(&dialog, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp);
    if (FForm.ExecDialog(dialog) != QDialog::Accepted) return;
    TSweepSettings settings = dialog.Settings();
    FLastSweep = settings;
    FSweepForm = t->Form().Name();
    settings.Run = RunSettings(FForm);

    auto sweep = std::make_unique<TSweep>(*t, settings);
    TSweep* w = sweep.get();
    const bool done = RunWork(
        caption, [w] { return w->Iterate(); }, [w] { return w->Progress(); },
        [w] {
            const int total = w->Settings().Steps;
            const int step = std::min(static_cast<int>(w->Steps().size()) + 1, total);
            return tr("Activating step %1 of %2...").arg(step).arg(total);
        });
    if (!done || !w->Finished()) return;

    TSweepForm form(std::move(sweep), &FForm);
    form.ShowError = [this](const QString& aText) { FForm.ErrorBox(aText); };
    form.SaveFileName = [this, &form](const QString& aTitle, const QString& aFilter, const QString& aSuffix) {
        const TFileName& file = FForm.CurrentFileName();
        const QString folder = file.Empty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                            : QtFileName(TFileName(file.Folder()));
        QFileDialog fileDialog(&form, aTitle, folder, aFilter);
        fileDialog.setAcceptMode(QFileDialog::AcceptSave);
        fileDialog.setFileMode(QFileDialog::AnyFile);
        fileDialog.setDefaultSuffix(aSuffix);
        if (FForm.ExecDialog(fileDialog) != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) return QString();
        return fileDialog.selectedFiles().first();
    };
    connect(&form, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp);
    FForm.ExecDialog(form);
}

void TSweepFitCommands::FitLoopExecute() {
    if (FForm.Running()) FForm.ActionStopRunExecute();
    const QString caption = tr("Fit Loop");
    const std::optional<TLoopTemplate> t = Template(caption);
    if (!t) return;

    TFitDialog dialog(*t, &FForm);
    if (FLastFit && FFitForm == t->Form().Name()) dialog.SetSettings(*FLastFit);
    connect(&dialog, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp);
    if (FForm.ExecDialog(dialog) != QDialog::Accepted) return;
    TFitSettings settings = dialog.Settings();
    FLastFit = settings;
    FFitForm = t->Form().Name();
    settings.Run = RunSettings(FForm);

    auto fitter = std::make_unique<TLoopFitter>(*t, settings);
    TLoopFitter* f = fitter.get();
    const bool done = RunWork(
        caption, [f] { return f->Iterate(); }, [] { return -1.0; },
        [f] {
            const TFitResult& r = f->Result();
            QString text = tr("%1 activations").arg(r.solves);
            const auto& targets = f->Settings().Targets;
            for (std::size_t i = 0; i < targets.size() && i < r.reached.size(); ++i) {
                if (!r.reached[i]) continue;
                text += "\n" + tr("%1: %2 %3 (wanted %4)")
                                   .arg(QString::fromUtf8(FitQuantityCaption(targets[i].Quantity)),
                                        FormatLocal(*r.reached[i], "0.000"),
                                        QString::fromUtf8(FitQuantityUnit(targets[i].Quantity)),
                                        FormatLocal(targets[i].Value, "0.###"));
            }
            return text;
        });
    if (!done || !f->Finished()) return;

    TFitReportForm report(std::move(fitter), &FForm);
    connect(&report, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp);
    if (FForm.ExecDialog(report) != QDialog::Accepted || report.Fitter().Result().end == TFitEnd::StartFailed) return;
    AdoptTemplateDesign(FForm, report.Fitter().Fitted());
}

}  // namespace torvik
