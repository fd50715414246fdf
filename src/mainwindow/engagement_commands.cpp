#include "mainwindow/engagement_commands.h"

#include <QAction>

#include "mainwindow/main_form.h"

namespace torvik {

TEngagementCommands::TEngagementCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("EngagementCommands");
    FForm.Bind("MenuRunWireSlides", [this] { MenuRunWireSlidesClick(); });
}

void TEngagementCommands::MenuRunWireSlidesClick() {
    // The check mark has already been inverted by the trigger. A running
    // activation uses the new engagement from its next iteration on.
    FForm.Settings().Activation.WireSlides = FForm.Action("MenuRunWireSlides")->isChecked();
    FForm.ApplySettings();
}

}  // namespace torvik
