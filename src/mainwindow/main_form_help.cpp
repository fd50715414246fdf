// Help: the table of contents and the topics by number.

#include "mainwindow/main_form.h"

namespace torvik {

void TMainForm::ShowHelpContents() {}

void TMainForm::ShowHelp(int) {}

}  // namespace torvik
