#include "dialogs/progress_form.h"

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

}  // namespace

TProgressForm::TProgressForm(const QString& aCaption, std::function<bool()> aWork,
                             std::function<TProgress()> aProgress, QWidget* aParent)
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
    FTimer->setInterval(0);
    connect(FTimer, &QTimer::timeout, this, &TProgressForm::RunSlice);
    FTimer->start();
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

void TProgressForm::ShowProgress() {
    const TProgress p = FProgress ? FProgress() : TProgress{};
    FBar->setValue(static_cast<int>(p.fraction * BarSteps + 0.5));
    FText->setText(p.text);
}

void TProgressForm::reject() {
    // Cancel: no more slices, whether or not the window is showing.
    FFinished = true;
    FTimer->stop();
    QDialog::reject();
}

}  // namespace torvik
