#pragma once
// Run > Activation Curve...: the activation curve of the design as it is
// drawn, computed in slices on the event loop behind a progress window with
// Cancel, then shown in the curve window. A running activation is stopped
// first; the curve works on a copy of the design, which it leaves as it was.

#include <memory>

#include <QObject>

#include "solve/activation_curve.h"

class QWidget;

namespace torvik {

class TMainForm;

class TCurveCommands : public QObject {
    Q_OBJECT
public:
    // Binds ActionActivationCurve; the window owns the group.
    explicit TCurveCommands(TMainForm& aForm);

    void ActionActivationCurveExecute();
    // The curve of aSteps steps of the current design under the current
    // target mode; empty when the user cancelled or the work failed (the
    // failure is shown).
    std::unique_ptr<TActivationCurve> Compute(int aSteps);

    // The number of steps of the last curve (20 at start).
    int Steps() const { return FSteps; }

private:
    TMainForm& FForm;
    int FSteps = 20;
};

}  // namespace torvik
