#pragma once
// A progress window for long work, so the program keeps drawing and
// answering while it waits: a text, a progress bar and Cancel. The work is
// done in slices on the event loop (each turn runs it for a few
// milliseconds), or on a worker thread: then, once the window has started
// it, the work and its progress are called on that thread only, and the window shows the progress the worker
// last reported. When the work reports that it is done the window closes
// with Accepted, and Cancel (or closing the window) ends it with Rejected;
// a worker stops between two pieces of work, and the window waits for it,
// so the work's objects are the caller's again once the window has closed.
// The work starts as soon as the window exists, so the window may be shown
// through the dialog seam like any other.

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

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
    // gives the fraction done (0 to 1; below 0 when it is not known) and the
    // text to show.
    struct TProgress {
        double fraction = 0;
        QString text;
    };
    enum class TPlace { EventLoop, WorkerThread };
    TProgressForm(const QString& aCaption, std::function<bool()> aWork, std::function<TProgress()> aProgress,
                  QWidget* aParent = nullptr, TPlace aPlace = TPlace::EventLoop);
    ~TProgressForm() override;

    // The work has ended, done or failed.
    bool Finished() const { return FFinished; }
    // The message of the exception that ended the work, or empty.
    const QString& Error() const { return FError; }

protected:
    void reject() override;

private:
    void RunSlice();
    void ShowProgress();
    void Show(const TProgress& aProgress);
    void StartWorker();
    // The worker's progress, and its end.
    void Poll();
    void StopWorker();

    std::function<bool()> FWork;
    std::function<TProgress()> FProgress;
    QLabel* FText = nullptr;
    QProgressBar* FBar = nullptr;
    QTimer* FTimer = nullptr;
    bool FFinished = false;
    QString FError;

    std::thread FWorker;
    std::atomic<bool> FStop{false};
    std::atomic<bool> FWorkerDone{false};
    std::mutex FMutex;       // guards what follows
    TProgress FReported;     // the worker's last progress
    QString FWorkerError;
};

}  // namespace torvik
