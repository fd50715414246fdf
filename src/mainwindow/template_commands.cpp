#include "mainwindow/template_commands.h"

#include <algorithm>

#include <QAction>
#include <QMenu>

#include "dialogs/template_dialog.h"
#include "mainwindow/main_form.h"

namespace torvik {

namespace {

// Shows the design after it was made: limits the selected node, and fits it
// into the display as Open does.
void ShowMade(TMainForm& aForm) {
    aForm.SetSelectedNode(std::min(aForm.SelectedNode(), aForm.Design().CurrentWire->Count() - 1));
    aForm.UpdateActionsAndMenus();
    aForm.Action("ActionFileEditTemplate")->setEnabled(aForm.Design().Template.has_value());
    aForm.RefreshMarkers();
    if (aForm.Settings().BestFitOnOpen) aForm.Action("MenuViewBestFit")->trigger();
}

}  // namespace

TLoopTemplate TemplateOfDesign(TMainForm& aForm) {
    const TDesign& design = aForm.Design();
    const TWireSeg& first = design.CurrentWire->Segment(0);
    TLoopTemplate t = TLoopTemplate::FromRecord(*design.Template, TWireStock{first.material, first.size});
    // The window's segments are those of Options, as for any new wire.
    t.SegmentSize = aForm.Settings().SegmentSize;
    return t;
}

void AdoptTemplateDesign(TMainForm& aForm, const TLoopTemplate& aTemplate) {
    const std::unique_ptr<TDesign> made = aTemplate.Generate();
    if (aForm.Running()) aForm.ActionStopRunExecute();
    aForm.RecordUndo();
    AdoptGenerated(aForm.Design(), *made);
    ShowMade(aForm);
}

TTemplateCommands::TTemplateCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("TemplateCommands");
    FForm.Bind("ActionFileNewFromTemplate", [this] { NewFromTemplateExecute(); });
    FForm.Bind("ActionFileEditTemplate", [this] { EditTemplateExecute(); });
    // Whether the design keeps a template changes with New, Open and the
    // like: the menu asks as it opens.
    if (auto* file = FForm.findChild<QMenu*>("MenuFile"))
        connect(file, &QMenu::aboutToShow, this, &TTemplateCommands::UpdateActions);
    // The window makes its first design after its command groups: a new
    // design keeps no template.
    FForm.Action("ActionFileEditTemplate")->setEnabled(false);
}

void TTemplateCommands::UpdateActions() {
    FForm.Action("ActionFileEditTemplate")->setEnabled(FForm.Design().Template.has_value());
}

std::optional<TLoopTemplate> TTemplateCommands::Ask(const QString& aCaption, const TLoopTemplate& aStart,
                                                    const QString& aNote) {
    TTemplateDialog dialog(aCaption, FForm.Settings(), &FForm);
    dialog.SetTemplate(aStart);
    dialog.SetNote(aNote);
    connect(&dialog, &TTorvikDialog::helpRequested, &FForm, &TMainForm::ShowHelp);
    if (FForm.ExecDialog(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Template();
}

void TTemplateCommands::NewFromTemplateExecute() {
    TLoopTemplate start = FLast ? *FLast : TLoopTemplate(*LoopForms().front());
    start.Stock = FForm.Settings().Stock;
    start.SegmentSize = FForm.Settings().SegmentSize;
    const std::optional<TLoopTemplate> chosen = Ask(tr("New from Template"), start, QString());
    if (!chosen) return;
    FLast = chosen;
    // A template that cannot be made is refused before anything changes.
    const std::unique_ptr<TDesign> made = chosen->Generate();
    if (!FForm.AskAndSave()) return;
    if (FForm.Running()) FForm.ActionStopRunExecute();
    FForm.ResetNew();
    AdoptGenerated(FForm.Design(), *made);
    ShowMade(FForm);
}

void TTemplateCommands::EditTemplateExecute() {
    const TDesign& design = FForm.Design();
    if (!design.Template) {
        UpdateActions();
        return;
    }
    const TLoopTemplate start = TemplateOfDesign(FForm);
    const QString note =
        MatchesTemplate(design)
            ? QString()
            : tr("The design on screen is no longer what this template makes: its wire or its brackets have been "
                 "changed since. OK replaces it with the template's design; Edit > Undo brings the wire back.");
    const std::optional<TLoopTemplate> chosen = Ask(tr("Edit Template"), start, note);
    if (chosen) AdoptTemplateDesign(FForm, *chosen);
}

}  // namespace torvik
