#include "mainwindow/info_commands.h"

#include "dialogs/about_form.h"
#include "dialogs/edit_wire.h"
#include "mainwindow/main_form.h"
#include "wire/wire_info.h"

namespace torvik {

TInfoCommands::TInfoCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("InfoCommands");
    FEditWire = new TEditWire(&aForm);
    FAboutForm = new TAboutForm(&aForm);
    for (TTorvikDialog* dialog : {static_cast<TTorvikDialog*>(FEditWire), static_cast<TTorvikDialog*>(FAboutForm)})
        connect(dialog, &TTorvikDialog::helpRequested, &aForm, &TMainForm::ShowHelp);
    aForm.Bind("MenuEditWire", [this] { MenuEditWireClick(); });
    aForm.Bind("MenuHelpContents", [this] { MenuHelpContentsClick(); });
    aForm.Bind("MenuHelpAbout", [this] { MenuHelpAboutClick(); });
}

void TInfoCommands::MenuEditWireClick() {
    FEditWire->Fill(WireInfo(FForm.Design()));
    FForm.ExecDialog(*FEditWire);
}

void TInfoCommands::MenuHelpContentsClick() { FForm.ShowHelpContents(); }

void TInfoCommands::MenuHelpAboutClick() { FForm.ExecDialog(*FAboutForm); }

}  // namespace torvik
