#pragma once
// The loop fitter's report: whether every target was met (a target missed
// is named as such), why the fit ended, the solves and the time, a table of
// the targets (wanted, at the start, reached, tolerance, met) and one of the
// free parameters (bounds, start, found). OK makes the fitted loop the
// design on screen; it is disabled when the fit found no loop (the start
// could not be activated).

#include <memory>

#include "dialogs/torvik_dialog.h"
#include "solve/loop_fitter.h"

class QLabel;
class QTableWidget;

namespace torvik {

class TFitReportForm : public TTorvikDialog {
    Q_OBJECT
public:
    // aFitter has run to its end.
    explicit TFitReportForm(std::unique_ptr<TLoopFitter> aFitter, QWidget* aParent = nullptr);
    ~TFitReportForm() override;

    const TLoopFitter& Fitter() const { return *FFitter; }

private:
    void FillTargets();
    void FillParameters();

    std::unique_ptr<TLoopFitter> FFitter;
    QLabel* FVerdict = nullptr;
    QTableWidget* FTargets = nullptr;
    QTableWidget* FParameters = nullptr;
};

}  // namespace torvik
