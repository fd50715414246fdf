#pragma once
// The activation curve window: a chart of force, moment and M/F against the
// activation for the right or the left bracket, the table of the steps with
// the loads at the teeth's centres of resistance, and the commands to
// compute the curve again with another number of steps, export the table as
// CSV and save the chart as PNG or SVG.

#include <functional>
#include <memory>

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "support/help_topics.h"
#include "solve/activation_curve.h"
#include "wire/centre_of_resistance.h"

class QChart;
class QChartView;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace torvik {

class TActivationCurveForm : public TTorvikDialog {
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
    // Asks for a file to write; empty when cancelled. The file dialog when
    // not set.
    std::function<QString(const QString& aTitle, const QString& aFilter, const QString& aSuffix)> SaveFileName;
    // Shows an error; a message box when not set.
    std::function<void(const QString& aText)> ShowError;

    const TActivationCurve& Curve() const { return *FCurve; }
    void SetCurve(std::unique_ptr<TActivationCurve> aCurve);
    // The bracket whose loads the chart shows.
    bool ShowsRight() const;
    QChart* Chart() const;

    // The commands of the buttons.
    void ComputeBtnClick();
    void ExportBtnClick();
    void SaveChartBtnClick();
    // Writes the table as CSV, or the chart as PNG (any other suffix) or
    // SVG (".svg"); throws std::runtime_error with the reason on failure.
    void WriteCsv(const QString& aFileName) const;
    void WriteChart(const QString& aFileName) const;

private:
    void FillSummary();
    void FillTable();
    void FillChart();
    QString AskFileName(const QString& aTitle, const QString& aFilter, const QString& aSuffix);
    void Fail(const QString& aText);

    std::unique_ptr<TActivationCurve> FCurve;
    TToothSettings FTooth;
    TRecompute FRecompute;
    QLabel* FSummary = nullptr;
    QChartView* FChartView = nullptr;
    QRadioButton* FRightBtn = nullptr;
    QRadioButton* FLeftBtn = nullptr;
    QSpinBox* FStepsEdit = nullptr;
    QWidget* FComputeBtn = nullptr;
    QTableWidget* FGrid = nullptr;
};

}  // namespace torvik
