// Help: the table of contents and the topics by number, in one help window
// that is made at the first request and reused.

#include "mainwindow/main_form.h"

#include "dialogs/help_window.h"
#include "support/help_topics.h"

namespace torvik {

void TMainForm::ShowHelpContents() { ShowHelp(HelpContents); }

void TMainForm::ShowHelp(int aTopic) {
    if (!FHelpWindow) FHelpWindow = new THelpWindow(QString::fromStdString(FPaths.HelpFolder), this);
    FHelpWindow->ShowTopic(aTopic);
}

}  // namespace torvik
