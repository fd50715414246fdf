#pragma once
// View > Centre of Resistance: shows or hides each tooth's centre of
// resistance on the design, and the moment there with the ratio r and the
// movement beside the force read-out. Off at start; not stored.

#include <QObject>

namespace torvik {

class TMainForm;

class TResistanceCommands : public QObject {
    Q_OBJECT
public:
    // Makes MenuViewCentre a check item and binds it; a child of the window.
    explicit TResistanceCommands(TMainForm& aForm);

    void MenuViewCentreClick();

private:
    TMainForm& FForm;
};

}  // namespace torvik
