#pragma once
// The about box "About Torvik": the program's name, icon and version, a link
// to the help contents (the program has no web page of its own), and OK.

#include "dialogs/torvik_dialog.h"

namespace torvik {

class TAboutForm : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* aParent = nullptr);

protected:
    void showEvent(QShowEvent* aEvent) override;

private:
    // The program's icon as its windows show it.
    void ShowProgramIcon();
};

}  // namespace torvik
