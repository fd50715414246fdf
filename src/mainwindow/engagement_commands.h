#pragma once
// How the right bracket's slot holds the wire: the Run menu's "Wire Slides in
// Slot" switch. While it is checked and the target is Slot, runs use the
// sliding slot. A child of the window, which creates it once.

#include <QObject>

namespace torvik {

class TMainForm;

class TEngagementCommands : public QObject {
public:
    explicit TEngagementCommands(TMainForm& aForm);

private:
    void MenuRunWireSlidesClick();

    TMainForm& FForm;
};

}  // namespace torvik
