#pragma once
// The force editor: the load at the left bracket for reference, the load at
// the right bracket to type, and the moment-to-force ratio of both, updated
// while the user types. The window fills it, shows it and, on OK, reads the
// typed load back.

#include <QLocale>

#include "dialogs/torvik_dialog.h"
#include "geometry/force_moment.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace torvik {

// The ratio M / F of a load with F = |(aX, aY)|, with the mask "0.00" in
// aLocale, or "Undefined" when there is no force.
QString MomentForceRatioText(double aX, double aY, double aM, const QLocale& aLocale = QLocale());

class TEditForce : public TTorvikDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 20;

    explicit TEditForce(QWidget* aParent = nullptr);

    // The left group shows aLeft, the edits hold aRight, all with "0.00" in
    // the user's locale; both ratios follow.
    void SetLoads(const TForceMoment& aLeft, const TForceMoment& aRight);
    // The typed load, read in the user's locale; false, with the outputs
    // untouched, when any of the three fields does not read.
    bool ReadLoad(double& aX, double& aY, double& aM) const;

    // Handlers.
    void EntryChange();
    void SetToZeroBtnClick();

protected:
    void showEvent(QShowEvent* aEvent) override;

private:
    // FormShow: the left ratio, from the texts of the left group.
    void ShowLeftRatio();

    QLabel* FLeftXDir;
    QLabel* FLeftYDir;
    QLabel* FLeftMoment;
    QLabel* FLeftMF;
    QLineEdit* FXDir;
    QLineEdit* FYDir;
    QLineEdit* FMoment;
    QLabel* FRightMF;
    QPushButton* FOKBtn;
};

}  // namespace torvik
