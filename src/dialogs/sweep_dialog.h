#pragma once
// The parameter sweep's settings (Run > Parameter Sweep...): which parameter
// of the design's loop template varies, from which value to which, in how
// many steps; the numbers in the user's locale with their units. OK is
// enabled only while the settings make a sweep; the message below the
// fields says what is wrong. Choosing another parameter proposes a range
// around its value.

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "solve/sweep.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace torvik {

class TSweepDialog : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TSweepDialog(const TLoopTemplate& aTemplate, QWidget* aParent = nullptr);

    // Shows aSettings' parameter, range and steps; a parameter the form does
    // not have leaves the choice as it is.
    void SetSettings(const TSweepSettings& aSettings);
    // The parameter, range and steps as the dialog shows them (an end that
    // does not read is not a number).
    TSweepSettings Settings() const;
    // Why the settings make no sweep, as shown; empty when they make one.
    QString Problem() const;

private:
    const TTemplateParameter& Parameter() const;
    void ParameterChosen();
    void Refresh();

    TLoopTemplate FTemplate;
    bool FFilling = false;
    QComboBox* FParameter;
    QLineEdit* FFrom;
    QLineEdit* FTo;
    QLabel* FFromUnit;
    QLabel* FToUnit;
    QSpinBox* FSteps;
    QLabel* FRange;
    QLabel* FProblem;
    QPushButton* FOk;
};

}  // namespace torvik
