#include "mainwindow/options_command.h"

#include <QAction>

#include "dialogs/torvik_options.h"
#include "mainwindow/force_commands.h"
#include "mainwindow/main_form.h"

namespace torvik {

TOptionsCommand::TOptionsCommand(TMainForm& aForm)
    : QObject(&aForm), FForm(aForm), FOptions(new TTorvikOptions(&aForm)) {
    setObjectName("OptionsCommand");
    FOptions->SetZeroForce([&aForm] { ZeroForce(aForm); });
    FOptions->SetRecordUndo([&aForm] { aForm.RecordUndo(); });
    FOptions->SetShowError([&aForm](const QString& aText) { aForm.ErrorBox(aText); });
    connect(FOptions, &TTorvikOptions::wireApplied, &aForm, [&aForm] { aForm.DrawDisplay(); });
    connect(FOptions, &TTorvikDialog::helpRequested, &aForm, [&aForm](int aTopic) { aForm.ShowHelp(aTopic); });
    aForm.Bind("MenuEditOptions", [this] { MenuEditOptionsClick(); });
}

void TOptionsCommand::MenuEditOptionsClick() {
    TSettings& settings = FForm.Settings();
    FOptions->Load(settings, FForm.Design().CurrentWire.get());
    const TWireStock chosen = settings.Stock;
    const int result = FForm.ExecDialog(*FOptions);
    if (result == QDialog::Accepted) FOptions->TakeBack();
    FOptions->Detach();
    if (result != QDialog::Accepted) return;
    // The brackets' half of the history follows the wire's to the new level.
    FForm.Design().UndoLevelChanged(settings.UndoLevels);
    // Segments added from now on get a material and cross-section chosen
    // anew; an OK that leaves them keeps the stock of the open design's wire.
    if (settings.Stock != chosen) FForm.Design().CurrentWire->Stock = settings.Stock;
    // The panels and check marks follow.
    FForm.ApplySettings();
    FForm.UpdateActionsAndMenus();
    FForm.DrawDisplay();
}

}  // namespace torvik
