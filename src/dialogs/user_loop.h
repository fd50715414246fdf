#pragma once
// The user-defined loop dialog: the diameter and the total turn of a loop
// that is appended to the wire's end, and whether its segments keep the
// segment size. The fields keep what the user last entered; the caller reads
// them as typed.

#include <QString>

#include "dialogs/torvik_dialog.h"

class QCheckBox;
class QLineEdit;

namespace torvik {

class TUserLoop : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TUserLoop(QWidget* aParent = nullptr);

    QString DiameterText() const;  // mm, in the user's locale
    QString AngleText() const;     // degrees, in the user's locale
    bool KeepLength() const;

protected:
    void showEvent(QShowEvent* aEvent) override;

private:
    QLineEdit* FLpDiameter;
    QLineEdit* FLpAngle;
    QCheckBox* FKeepLength;
};

}  // namespace torvik
