#include "dialogs/user_loop.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {
constexpr int UserLoopHelpTopic = 10;
}  // namespace

TUserLoop::TUserLoop(QWidget* aParent)
    : TTorvikDialog("UserLoop", tr("User-Defined Loop"), UserLoopHelpTopic, aParent) {
    FLpDiameter = new QLineEdit(this);
    FLpDiameter->setObjectName("LpDiameter");
    // "2.0" as the user writes it, so that the default reads back.
    FLpDiameter->setText(FormatLocal(2.0, "0.0"));
    FLpAngle = new QLineEdit(this);
    FLpAngle->setObjectName("LpAngle");
    FLpAngle->setText("180");
    FKeepLength = new QCheckBox(tr(" &Keep Segment Length"), this);
    FKeepLength->setObjectName("KeepLength");
    FKeepLength->setChecked(true);

    auto* diameterLabel = new QLabel(tr("&Diameter of loop:"), this);
    diameterLabel->setObjectName("LpDiameterLbl");
    diameterLabel->setBuddy(FLpDiameter);
    auto* angleLabel = new QLabel(tr("&Angle of turn:"), this);
    angleLabel->setObjectName("LpAngleLbl");
    angleLabel->setBuddy(FLpAngle);

    auto* fields = new QFormLayout;
    fields->addRow(diameterLabel, FLpDiameter);
    fields->addRow(angleLabel, FLpAngle);
    fields->addRow(FKeepLength);

    QDialogButtonBox* buttons = NewOkCancelButtons(true);

    auto* column = new QVBoxLayout(this);
    column->addLayout(fields);
    column->addWidget(buttons);
    FixSize();
}

QString TUserLoop::DiameterText() const { return FLpDiameter->text(); }
QString TUserLoop::AngleText() const { return FLpAngle->text(); }
bool TUserLoop::KeepLength() const { return FKeepLength->isChecked(); }

void TUserLoop::showEvent(QShowEvent* aEvent) {
    TTorvikDialog::showEvent(aEvent);
    FLpDiameter->setFocus();
    FLpDiameter->selectAll();
}

}  // namespace torvik
