#include "dialogs/progress_form.h"

#include <chrono>
#include <exception>

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace torvik {

namespace {

// How long one slice of work may keep the event loop waiting.
constexpr int SliceMs = 15;
constexpr int BarSteps = 1000;
// How often the window looks at a worker's progress, and how often the
// worker reports it.
constexpr int PollMs = 30;
constexpr auto ReportEvery = std::chrono::milliseconds(20);

}  // namespace

TProgressForm::TProgressForm(const QString& aCaption, std::function<bool()> aWork,
                             std::function<TProgress()> aProgress, QWidget* aParent, TPlace aPlace)
    : TTorvikDialog("ProgressForm", aCaption, 0, aParent), FWork(std::move(aWork)), FProgress(std::move(aProgress)) {
    FText = new QLabel(this);
    FText->setObjectName("ProgressText");
    FText->setMinimumWidth(320);
    FBar = new QProgressBar(this);
    FBar->setObjectName("ProgressBar");
    FBar->setRange(0, BarSteps);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName("CancelBtn");
    connect(cancel, &QPushButton::clicked, this, &TProgressForm::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FText);
    layout->addWidget(FBar);
    layout->addWidget(buttons);
    FixSize();

    ShowProgress();
    FTimer = new QTimer(this);
    FTimer->setObjectName("WorkTimer");
    if (aPlace == TPlace::WorkerThread) {
        FTimer->setInterval(PollMs);
        connect(FTimer, &QTimer::timeout, this, &TProgressForm::Poll);
        FTimer->start();
        StartWorker();
        return;
    }
    FTimer->setInterval(0);
    connect(FTimer, &QTimer::timeout, this, &TProgressForm::RunSlice);
    FTimer->start();
}

TProgressForm::~TProgressForm() { StopWorker(); }

void TProgressForm::StartWorker() {
    FWorker = std::thread([this] {
        QString error;
        auto reported = std::chrono::steady_clock::now();
        const auto report = [this] {
            if (!FProgress) return;
            TProgress p = FProgress();
            const std::lock_guard<std::mutex> lock(FMutex);
            FReported = std::move(p);
        };
        try {
            while (!FStop && FWork()) {
                const auto now = std::chrono::steady_clock::now();
                if (now - reported >= ReportEvery) {
                    report();
                    reported = now;
                }
            }
            report();
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        } catch (...) {
            error = QStringLiteral("Unknown error");
        }
        {
            const std::lock_guard<std::mutex> lock(FMutex);
            FWorkerError = error;
        }
        FWorkerDone = true;
    });
}

void TProgressForm::StopWorker() {
    FStop = true;
    if (FWorker.joinable()) FWorker.join();
}

void TProgressForm::Poll() {
    if (FFinished) return;
    TProgress p;
    {
        const std::lock_guard<std::mutex> lock(FMutex);
        p = FReported;
    }
    Show(p);
    if (!FWorkerDone) return;
    StopWorker();
    FFinished = true;
    FTimer->stop();
    FError = FWorkerError;
    if (FError.isEmpty()) accept();
    else QDialog::reject();
}

void TProgressForm::RunSlice() {
    if (FFinished) return;
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    try {
        while (more && clock.elapsed() < SliceMs) more = FWork();
    } catch (const std::exception& e) {
        FError = QString::fromUtf8(e.what());
        more = false;
    } catch (...) {
        FError = tr("Unknown error");
        more = false;
    }
    ShowProgress();
    if (more) return;
    FFinished = true;
    FTimer->stop();
    if (FError.isEmpty()) accept();
    else QDialog::reject();
}

void TProgressForm::ShowProgress() { Show(FProgress ? FProgress() : TProgress{}); }

void TProgressForm::Show(const TProgress& aProgress) {
    // A fraction that is not known shows a busy bar.
    if (aProgress.fraction < 0) {
        FBar->setRange(0, 0);
    } else {
        FBar->setRange(0, BarSteps);
        FBar->setValue(static_cast<int>(aProgress.fraction * BarSteps + 0.5));
    }
    FText->setText(aProgress.text);
}

void TProgressForm::reject() {
    // Cancel: no more slices, whether or not the window is showing; a
    // worker is waited for.
    StopWorker();
    FFinished = true;
    FTimer->stop();
    QDialog::reject();
}

}  // namespace torvik
