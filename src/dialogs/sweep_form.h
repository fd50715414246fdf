#pragma once
// The parameter sweep window: a chart of |F|, the moments and M/F of both
// brackets (the right bracket's drawn solid, the left's dashed) against the
// swept parameter, the table of the steps with why a step was not
// activated, and the commands to export the table as CSV and save the
// chart as PNG or SVG. A step that was not activated leaves a gap in the
// chart's lines.

#include <functional>
#include <memory>

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "solve/sweep.h"

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

namespace torvik {

class TSweepForm : public TTorvikDialog {
    Q_OBJECT
public:
    // aSweep has run to its end.
    explicit TSweepForm(std::unique_ptr<TSweep> aSweep, QWidget* aParent = nullptr);
    ~TSweepForm() override;

    // Asks for a file to write; empty when cancelled. The file dialog when
    // not set.
    std::function<QString(const QString& aTitle, const QString& aFilter, const QString& aSuffix)> SaveFileName;
    // Shows an error; a message box when not set.
    std::function<void(const QString& aText)> ShowError;

    const TSweep& Sweep() const { return *FSweep; }
    QChart* Chart() const;

    void ExportBtnClick();
    void SaveChartBtnClick();
    // Throw std::runtime_error with the reason on failure.
    void WriteCsv(const QString& aFileName) const;
    void WriteChart(const QString& aFileName) const;

private:
    void FillSummary();
    void FillTable();
    void FillChart();
    QString AskFileName(const QString& aTitle, const QString& aFilter, const QString& aSuffix);
    void Fail(const QString& aText);

    std::unique_ptr<TSweep> FSweep;
    QLabel* FSummary = nullptr;
    QChartView* FChartView = nullptr;
    QTableWidget* FGrid = nullptr;
};

}  // namespace torvik
