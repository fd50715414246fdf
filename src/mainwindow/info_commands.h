#pragma once
// The commands that show information: Edit > Wire Info (the wire
// information box), Help > Contents and Help > About. The window creates
// the group once; it lives as the window's child and owns its two dialogs.

#include <QObject>

namespace torvik {

class TAboutForm;
class TEditWire;
class TMainForm;

class TInfoCommands : public QObject {
    Q_OBJECT
public:
    explicit TInfoCommands(TMainForm& aForm);

private:
    void MenuEditWireClick();
    void MenuHelpContentsClick();
    void MenuHelpAboutClick();

    TMainForm& FForm;
    TEditWire* FEditWire = nullptr;
    TAboutForm* FAboutForm = nullptr;
};

}  // namespace torvik
