#pragma once
// The loop fitter's settings (Run > Fit Loop...): up to three free
// parameters of the design's loop template, each with its bounds, and the
// targets: M/F at the right and at the left bracket and |F| at the right
// bracket at the design's activation, and M/F of one bracket over the
// activation range, given by its value at two activations. Numbers in the
// user's locale with their units; OK is enabled only while the settings
// make a fit, and the message below says what is wrong.

#include <array>

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "solve/loop_fitter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvik {

class TFitDialog : public TTorvikDialog {
    Q_OBJECT
public:
    explicit TFitDialog(const TLoopTemplate& aTemplate, QWidget* aParent = nullptr);

    // Shows aSettings: its free parameters in the rows (those the form does
    // not have are left out) and its targets in their fields (the first two
    // M/F targets at activations of their own, of one bracket, in the
    // range's rows).
    void SetSettings(const TFitSettings& aSettings);
    // The free parameters and targets as the dialog shows them (a value that
    // does not read is not a number).
    TFitSettings Settings() const;
    // Why the settings make no fit, as shown; empty when they make one.
    QString Problem() const;

    // The settings the dialog starts with: both leg gables free within
    // their ranges, M/F 10 mm at the right bracket and -10 mm at the left.
    static TFitSettings DefaultSettings(const TLoopTemplate& aTemplate);

private:
    struct TFreeRow {
        QComboBox* parameter;
        QLineEdit* low;
        QLineEdit* high;
        QLabel* unit;
        QLabel* now;
    };
    struct TTargetRow {
        QCheckBox* check;
        QLineEdit* value;
    };

    void FreeChosen(std::size_t aRow);
    void Refresh();

    TLoopTemplate FTemplate;
    bool FFilling = false;
    std::array<TFreeRow, MaxFreeParameters> FFree{};
    std::array<TTargetRow, 3> FTargets{};  // in the order of TFitQuantity
    QCheckBox* FRange = nullptr;
    QComboBox* FRangeBracket = nullptr;
    std::array<QLineEdit*, 2> FRangeAt{};
    std::array<QLineEdit*, 2> FRangeValue{};
    QLabel* FProblem = nullptr;
    QPushButton* FOk = nullptr;
};

}  // namespace torvik
