#pragma once
// The Options command: loads the options dialog from the settings, shows it,
// and on OK takes the values back, with the menu check marks and the status
// panels following them.

#include <QObject>

namespace torvik {

class TMainForm;
class TTorvikOptions;

class TOptionsCommand : public QObject {
    Q_OBJECT
public:
    // Binds the command to MenuEditOptions; a child of the window.
    explicit TOptionsCommand(TMainForm& aForm);

    void MenuEditOptionsClick();

private:
    TMainForm& FForm;
    TTorvikOptions* FOptions;
};

}  // namespace torvik
