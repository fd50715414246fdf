#include "mainwindow/application.h"

#include <QGuiApplication>

#include "mainwindow/command_line.h"
#include "mainwindow/main_form.h"

namespace torvik {

void SetUpApplication() { QGuiApplication::setApplicationName("Torvik"); }

void StartMainForm(TMainForm& aForm, const TCommandLine& aCommandLine) {
    aForm.show();
    // Opened once the window is up, so that Best Fit on Open fits the
    // design to the display's real size.
    if (!aCommandLine.DesignFile.Empty())
        aForm.Guarded([&aForm, &aCommandLine] { aForm.OpenDesignFile(aCommandLine.DesignFile); });
}

}  // namespace torvik
