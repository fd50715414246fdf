#pragma once
// Run > Parameter Sweep... and Run > Fit Loop...: the work on the design's
// loop template. Both are enabled while the design keeps a template (the
// hint says how to get one otherwise); a running activation is stopped
// first. The sweep's or the fit's settings come from their dialog, the work
// runs on a worker thread over its own copies behind a progress window with
// Cancel, and the result shows in the sweep window or the fit report. OK in
// the fit report makes the fitted loop the design on screen as one undo
// step, as Edit Template does. Each dialog starts with the settings last
// used for the same form.

#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "solve/loop_fitter.h"
#include "solve/sweep.h"

namespace torvik {

class TMainForm;

class TSweepFitCommands : public QObject {
    Q_OBJECT
public:
    // Binds ActionParameterSweep and ActionFitLoop; the window owns the
    // group.
    explicit TSweepFitCommands(TMainForm& aForm);

    void ParameterSweepExecute();
    void FitLoopExecute();
    // Enables both when the design keeps a template.
    void UpdateActions();

private:
    // The design's template; none, after telling the user how to get one,
    // when it keeps none.
    std::optional<TLoopTemplate> Template(const QString& aCaption);
    // Runs aWork behind a progress window on a worker thread; whether it
    // ran to its end (a failure is shown).
    bool RunWork(const QString& aCaption, std::function<bool()> aWork, std::function<double()> aFraction,
                 std::function<QString()> aText);

    TMainForm& FForm;
    std::optional<TSweepSettings> FLastSweep;
    std::optional<TFitSettings> FLastFit;
    std::string FSweepForm, FFitForm;  // the forms they were used with
};

}  // namespace torvik
