#include "dialogs/edit_force.h"

#include <cmath>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {

constexpr int EditWidth = 80;
constexpr int ButtonWidth = 80;

QLabel* NewLabel(QWidget* aParent, const char* aName, const QString& aText) {
    auto* label = new QLabel(aText, aParent);
    label->setObjectName(QString::fromLatin1(aName));
    return label;
}

// A typed number for the ratio: what does not read counts as 0.
double TextValue(const QString& aText) {
    double v = 0.0;
    return TryReadLocal(aText, v) ? v : 0.0;
}

}  // namespace

QString MomentForceRatioText(double aX, double aY, double aM, const QLocale& aLocale) {
    const std::optional<double> ratio = MomentOverForce(aX, aY, aM);
    return ratio ? FormatLocal(*ratio, "0.00", aLocale) : QStringLiteral("Undefined");
}

TEditForce::TEditForce(QWidget* aParent) : TTorvikDialog("EditForce", "Edit Force", HelpContext, aParent) {
    auto* frame = new QFrame(this);
    frame->setObjectName("Bevel1");
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* groups = new QHBoxLayout(frame);

    // The left bracket's load, for reference.
    auto* left = new QGridLayout;
    auto* leftTitle = NewLabel(frame, "LeftTitleLbl", "Left Bracket");
    QFont bold = leftTitle->font();
    bold.setBold(true);
    leftTitle->setFont(bold);
    left->addWidget(leftTitle, 0, 0, 1, 2);
    const auto leftRow = [&](int aRow, const char* aLabelName, const char* aLabel, const char* aValueName) {
        left->addWidget(NewLabel(frame, aLabelName, aLabel), aRow, 0);
        QLabel* value = NewLabel(frame, aValueName, "0");
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(EditWidth);
        left->addWidget(value, aRow, 1);
        return value;
    };
    FLeftXDir = leftRow(1, "LeftLblX", "X:", "LeftXDir");
    FLeftYDir = leftRow(2, "LeftLblY", "Y:", "LeftYDir");
    FLeftMoment = leftRow(3, "LeftLblMoment", "Moment:", "LeftMoment");
    FLeftMF = leftRow(4, "LeftMFLbl", "M / F:", "LeftMF");
    left->setRowStretch(5, 1);
    groups->addLayout(left);

    auto* line = new QFrame(frame);
    line->setObjectName("Bevel2");
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    groups->addWidget(line);

    // The right bracket's load, to type.
    auto* right = new QGridLayout;
    auto* rightTitle = NewLabel(frame, "RightTitleLbl", "Right Bracket");
    rightTitle->setFont(bold);
    right->addWidget(rightTitle, 0, 0, 1, 2);
    const auto rightRow = [&](int aRow, const char* aLabelName, const char* aLabel, const char* aEditName) {
        QLabel* label = NewLabel(frame, aLabelName, aLabel);
        auto* edit = new QLineEdit("0", frame);
        edit->setObjectName(QString::fromLatin1(aEditName));
        edit->setFixedWidth(EditWidth);
        edit->setAlignment(Qt::AlignRight);
        label->setBuddy(edit);
        right->addWidget(label, aRow, 0);
        right->addWidget(edit, aRow, 1);
        connect(edit, &QLineEdit::textChanged, this, &TEditForce::EntryChange);
        return edit;
    };
    FXDir = rightRow(1, "LblXDir", "&X:", "XDir");
    FYDir = rightRow(2, "LblYDir", "&Y:", "YDir");
    FMoment = rightRow(3, "LblMoment", "&Moment:", "Moment");
    right->addWidget(NewLabel(frame, "RightMFLbl", "M / F:"), 4, 0);
    FRightMF = NewLabel(frame, "RightMF", "0");
    FRightMF->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    right->addWidget(FRightMF, 4, 1);
    auto* zero = new QPushButton("Set to &Zero", frame);
    zero->setObjectName("SetToZeroBtn");
    zero->setAutoDefault(false);
    connect(zero, &QPushButton::clicked, this, &TEditForce::SetToZeroBtnClick);
    right->addWidget(zero, 5, 1);
    groups->addLayout(right);

    FOKBtn = new QPushButton("OK", this);
    FOKBtn->setObjectName("OKBtn");
    FOKBtn->setDefault(true);
    connect(FOKBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* help = NewHelpButton();
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {FOKBtn, cancel, help}) {
        b->setFixedWidth(ButtonWidth);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    auto* outer = new QHBoxLayout(this);
    outer->addWidget(frame);
    outer->addLayout(buttons);
    setTabOrder(FXDir, FYDir);
    setTabOrder(FYDir, FMoment);
    setTabOrder(FMoment, zero);
    setTabOrder(zero, FOKBtn);
    setTabOrder(FOKBtn, cancel);
    setTabOrder(cancel, help);
    FixSize();
}

void TEditForce::SetLoads(const TForceMoment& aLeft, const TForceMoment& aRight) {
    FLeftXDir->setText(FormatLocal(aLeft.x, "0.00"));
    FLeftYDir->setText(FormatLocal(aLeft.y, "0.00"));
    FLeftMoment->setText(FormatLocal(aLeft.m, "0.00"));
    ShowLeftRatio();
    FXDir->setText(FormatLocal(aRight.x, "0.00"));
    FYDir->setText(FormatLocal(aRight.y, "0.00"));
    FMoment->setText(FormatLocal(aRight.m, "0.00"));
    EntryChange();
}

bool TEditForce::ReadLoad(double& aX, double& aY, double& aM) const {
    double x = 0.0, y = 0.0, m = 0.0;
    if (!TryReadLocal(FXDir->text(), x) || !TryReadLocal(FYDir->text(), y) || !TryReadLocal(FMoment->text(), m))
        return false;
    aX = x;
    aY = y;
    aM = m;
    return true;
}

void TEditForce::EntryChange() {
    FRightMF->setText(
        MomentForceRatioText(TextValue(FXDir->text()), TextValue(FYDir->text()), TextValue(FMoment->text())));
}

void TEditForce::SetToZeroBtnClick() {
    for (QLineEdit* edit : {FXDir, FYDir, FMoment}) edit->setText("0");
    FRightMF->setText("Undefined");
}

void TEditForce::ShowLeftRatio() {
    FLeftMF->setText(
        MomentForceRatioText(TextValue(FLeftXDir->text()), TextValue(FLeftYDir->text()), TextValue(FLeftMoment->text())));
}

void TEditForce::showEvent(QShowEvent* aEvent) {
    TTorvikDialog::showEvent(aEvent);
    ShowLeftRatio();
    FOKBtn->setFocus();
}

}  // namespace torvik
