#pragma once
// The parameter sweep window: a chart of |F|, the moments and M/F of both
// brackets (the right bracket's drawn solid, the left's dashed) against the
// swept parameter, the table of the steps with why a step was not
// activated, and the commands to export the table as CSV and save the
// chart as PNG or SVG. A step that was not activated leaves a gap in the
// chart's lines.

#include <memory>

#include <QString>

#include "dialogs/chart_form.h"
#include "solve/sweep.h"

namespace torvik {

class TSweepForm : public TChartForm {
    Q_OBJECT
public:
    // aSweep has run to its end.
    explicit TSweepForm(std::unique_ptr<TSweep> aSweep, QWidget* aParent = nullptr);
    ~TSweepForm() override;

    const TSweep& Sweep() const { return *FSweep; }

    void WriteCsv(const QString& aFileName) const override;

private:
    void FillSummary();
    void FillTable();
    void FillChart();

    std::unique_ptr<TSweep> FSweep;
};

}  // namespace torvik
