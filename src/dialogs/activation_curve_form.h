#pragma once
// The activation curve window: a chart of force, moment and M/F against the
// activation for the right or the left bracket, the table of the steps with
// the loads at the teeth's centres of resistance, and the commands to
// compute the curve again with another number of steps, export the table as
// CSV and save the chart as PNG or SVG.

#include <functional>
#include <memory>

#include <QString>

#include "dialogs/chart_form.h"
#include "support/help_topics.h"
#include "solve/activation_curve.h"
#include "wire/centre_of_resistance.h"

class QRadioButton;
class QSpinBox;

namespace torvik {

class TActivationCurveForm : public TChartForm {
    Q_OBJECT
public:
    TActivationCurveForm(std::unique_ptr<TActivationCurve> aCurve, const TToothSettings& aTooth,
                         QWidget* aParent = nullptr);
    ~TActivationCurveForm() override;

    // Computes the curve again with the given number of steps; an empty
    // result (cancelled) keeps the curve shown. Until it is set, the steps
    // and Compute are disabled.
    using TRecompute = std::function<std::unique_ptr<TActivationCurve>(int aSteps)>;
    void SetRecompute(TRecompute aRecompute);

    const TActivationCurve& Curve() const { return *FCurve; }
    void SetCurve(std::unique_ptr<TActivationCurve> aCurve);
    // The bracket whose loads the chart shows.
    bool ShowsRight() const;

    void ComputeBtnClick();
    void WriteCsv(const QString& aFileName) const override;

private:
    void FillSummary();
    void FillTable();
    void FillChart();

    std::unique_ptr<TActivationCurve> FCurve;
    TToothSettings FTooth;
    TRecompute FRecompute;
    QRadioButton* FRightBtn = nullptr;
    QRadioButton* FLeftBtn = nullptr;
    QSpinBox* FStepsEdit = nullptr;
    QWidget* FComputeBtn = nullptr;
};

}  // namespace torvik
