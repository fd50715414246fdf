#include "mainwindow/resistance_commands.h"

#include <QAction>

#include "mainwindow/main_form.h"

namespace torvik {

TResistanceCommands::TResistanceCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("ResistanceCommands");
    QAction* action = FForm.Action("MenuViewCentre");
    action->setCheckable(true);
    action->setChecked(FForm.Settings().ShowCentres);
    FForm.Bind("MenuViewCentre", [this] { MenuViewCentreClick(); });
}

void TResistanceCommands::MenuViewCentreClick() {
    // The check mark has already been inverted by the trigger.
    FForm.Settings().ShowCentres = FForm.Action("MenuViewCentre")->isChecked();
    FForm.DrawDisplay();
}

}  // namespace torvik
