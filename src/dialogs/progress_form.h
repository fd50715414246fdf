#pragma once
// A progress window for long work done in slices on the event loop, so the
// program keeps drawing and answering while it waits: a text, a progress bar
// and Cancel. Each turn of the event loop runs the work for a few
// milliseconds; when the work reports that it is done the window closes
// with Accepted, and Cancel (or closing the window) ends it with Rejected.
// The work starts as soon as the window exists, so the window may be shown
// through the dialog seam like any other.

#include <functional>

#include <QString>

#include "dialogs/torvik_dialog.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace torvik {

class TProgressForm : public TTorvikDialog {
    Q_OBJECT
public:
    // aWork does one small piece of the work and returns whether any is
    // left; an exception it throws ends the work (see Error). aProgress
    // gives the fraction done (0 to 1) and the text to show.
    struct TProgress {
        double fraction = 0;
        QString text;
    };
    TProgressForm(const QString& aCaption, std::function<bool()> aWork, std::function<TProgress()> aProgress,
                  QWidget* aParent = nullptr);

    // The work has ended, done or failed.
    bool Finished() const { return FFinished; }
    // The message of the exception that ended the work, or empty.
    const QString& Error() const { return FError; }

protected:
    void reject() override;

private:
    void RunSlice();
    void ShowProgress();

    std::function<bool()> FWork;
    std::function<TProgress()> FProgress;
    QLabel* FText = nullptr;
    QProgressBar* FBar = nullptr;
    QTimer* FTimer = nullptr;
    bool FFinished = false;
    QString FError;
};

}  // namespace torvik
