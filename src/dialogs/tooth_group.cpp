#include "dialogs/tooth_group.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "dialogs/radio_group.h"
#include "qt/locale_numbers.h"
#include "settings/settings.h"

namespace torvik {

namespace {

constexpr double DistanceFallback = 10.0;  // mm
constexpr int EditWidth = 70;

}  // namespace

TToothGroup::TToothGroup(QWidget* aParent) : QGroupBox(tr("Tooth"), aParent) {
    setObjectName("ToothGroup");
    FDistance = new QLineEdit(this);
    FDistance->setObjectName("CRDistance");
    FDistance->setFixedWidth(EditWidth);
    FDistance->setToolTip(tr("Distance from the bracket to the tooth's centre of resistance,\nalong the bracket's normal."));
    auto* label = new QLabel(tr("Centre of &resistance (mm):"), this);
    label->setObjectName("CRDistanceLbl");
    label->setBuddy(FDistance);
    FRoots = new TRadioGroup("RootsGroup", tr("Roots Point"), {tr("&Up"), tr("Do&wn")}, this);
    FRoots->setToolTip(tr("The side the roots point to as displayed."));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(FDistance, 0, 1);
    grid->addWidget(FRoots, 1, 0, 1, 2);
    grid->setColumnStretch(2, 1);
}

void TToothGroup::Load(const TToothSettings& aTooth) {
    FDistance->setText(FormatLocal(aTooth.Distance, "0.##"));
    FRoots->SetItemIndex(aTooth.Roots == TRootSide::Down ? 1 : 0);
}

void TToothGroup::TakeBack(TToothSettings& aTooth) const {
    double v = 0;
    if (!TryReadLocal(FDistance->text(), v))
        aTooth.Distance = DistanceFallback;
    else if (ResistanceDistanceRange.Contains(v))
        aTooth.Distance = v;
    aTooth.Roots = FRoots->ItemIndex() == 1 ? TRootSide::Down : TRootSide::Up;
}

}  // namespace torvik
