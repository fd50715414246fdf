#include "dialogs/torvik_options.h"

#include <optional>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/radio_group.h"
#include "dialogs/tooth_group.h"
#include "qt/locale_numbers.h"
#include "support/numbers.h"
#include "tools/snapping.h"
#include "wire/wire.h"
#include "wire/wire_stock.h"

namespace torvik {

namespace {

constexpr int EditWidth = 70;
constexpr int ButtonWidth = 80;

// The segment sizes of SegSizeGroup's items, in mm.
constexpr double SegmentSizes[] = {1.0, 0.5, 0.25};

// Fallbacks of the table fields, taken at once when a field does not read.
constexpr double ModulusFallback = 100000.0;
constexpr double CrossFallback = 4.0;
// Fallbacks on OK, taken silently.
// A value in its mask, or with more decimals where the mask would show a
// small value as zero, which OK would then take.
QString ShownKeeping(double aValue, std::string_view aMask) {
    return FormatLocal(aValue, MaskKeepingValue(aValue, aMask));
}

constexpr double TolDistFallback = 0.1;  // mm
constexpr double TolAngleFallback = 1.0;  // degrees
constexpr double FixedRangeFallback = 2.0;  // degrees

const QString OtherItem = QStringLiteral("Other");

// A number in the shortest general form, in the user's locale: 172000,
// 0,25 in a comma locale.
QString GeneralText(double aValue) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(aValue, 'g', 15);
}

// The pop-up part of a hint ("##" is a line break); these hints have no
// status text.
void SetHint(QWidget* aWidget, const QString& aHint) {
    QString tip = aHint.left(aHint.indexOf('|') < 0 ? aHint.size() : aHint.indexOf('|'));
    aWidget->setToolTip(tip.replace(QStringLiteral("##"), QStringLiteral("\n")));
}

template <typename T>
T* Named(T* aWidget, const char* aName) {
    aWidget->setObjectName(QString::fromLatin1(aName));
    return aWidget;
}

QCheckBox* NewCheckBox(QWidget* aParent, const char* aName, const QString& aCaption) {
    return Named(new QCheckBox(aCaption, aParent), aName);
}

QComboBox* NewList(QWidget* aParent, const char* aName, const QStringList& aItems) {
    auto* list = Named(new QComboBox(aParent), aName);
    list->addItems(aItems);
    return list;
}

QLineEdit* NewEdit(QWidget* aParent, const char* aName) {
    auto* edit = Named(new QLineEdit(aParent), aName);
    edit->setFixedWidth(EditWidth);
    return edit;
}

// A label that moves the focus to aBuddy.
QLabel* NewLabel(QWidget* aParent, const char* aName, const QString& aCaption, QWidget* aBuddy = nullptr) {
    auto* label = Named(new QLabel(aCaption, aParent), aName);
    if (aBuddy) label->setBuddy(aBuddy);
    return label;
}

// The item whose text equals aName, ignoring letter case; the first one
// when several do, entry 0 when none does.
int ItemOfName(const QComboBox* aList, const std::string& aName) {
    const QString name = QString::fromStdString(aName);
    for (int i = 0; i < aList->count(); ++i)
        if (aList->itemText(i).compare(name, Qt::CaseInsensitive) == 0) return i;
    return 0;
}

void SetIndexIfValid(QComboBox* aList, int aIndex) {
    if (aIndex >= 0 && aIndex < aList->count()) aList->setCurrentIndex(aIndex);
}

// The number of aEdit in the user's locale, or aFallback.
double ReadOr(const QLineEdit* aEdit, double aFallback) {
    double v = 0.0;
    return TryReadLocal(aEdit->text(), v) ? v : aFallback;
}

// The number of aEdit for a setting kept in aRange: aFallback when the text
// does not read, none when the number lies outside the range (OK refuses it,
// so the setting stays as it was).
std::optional<double> ReadSetting(const QLineEdit* aEdit, double aFallback, const TSettingRange& aRange) {
    double v = 0.0;
    if (!TryReadLocal(aEdit->text(), v)) return aFallback;
    if (!aRange.Contains(v)) return std::nullopt;
    return v;
}

// The same for a table field, whose value must also lie in the range the
// settings file keeps: a modulus or a side the wire's drawing and the solver
// cannot take is a field that does not read.
double ReadTableOr(const QLineEdit* aEdit, double aFallback, bool (*aInRange)(double)) {
    const double v = ReadOr(aEdit, aFallback);
    return aInRange(v) ? v : aFallback;
}

bool ModulusFieldInRange(double aValue) { return ModulusInRange(aValue); }
bool FirstSideInRange(double aValue) { return CrossDimensionInRange(aValue, false); }
bool SecondSideInRange(double aValue) { return CrossDimensionInRange(aValue, true); }

}  // namespace

TTorvikOptions::TTorvikOptions(QWidget* aParent) : TTorvikDialog("TorvikOptions", "Torvik Options", HelpContext, aParent) {
    FPageControl1 = Named(new QTabWidget(this), "PageControl1");
    FPageControl1->addTab(CreateGeneralPage(), "General");
    FPageControl1->addTab(CreateWirePage(), "Wire");
    FPageControl1->addTab(CreateCalculationPage(), "Calculation");
    FPageControl1->addTab(CreateViewPage(), "View");

    auto* ok = Named(new QPushButton("OK", this), "OKBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = Named(new QPushButton("Cancel", this), "CancelBtn");
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Help opens the topic of the page that is showing.
    auto* help = Named(new QPushButton("&Help", this), "HelpBut");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &TTorvikOptions::HelpButClick);

    auto* buttons = new QVBoxLayout;
    buttons->addSpacing(FPageControl1->tabBar()->sizeHint().height());
    for (QPushButton* b : {ok, cancel, help}) {
        b->setFixedWidth(ButtonWidth);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* outer = new QHBoxLayout(this);
    outer->addWidget(FPageControl1);
    outer->addLayout(buttons);
    FixSize();
}

QWidget* TTorvikOptions::CreateGeneralPage() {
    auto* page = Named(new QWidget, "TabGeneral");
    auto* column = new QVBoxLayout(page);
    FBestFitOnLoad = NewCheckBox(page, "BestFitOnLoad", "Best &Fit on Opening");
    FRememberRectCB = NewCheckBox(page, "RememberRectCB", "Remember Window Position");
    FUndoLevelsCB = NewList(page, "UndoLevelsCB", {"None", "5", "10", "15", "Unlimited"});
    column->addWidget(FBestFitOnLoad);
    column->addWidget(FRememberRectCB);
    auto* undo = new QHBoxLayout;
    undo->addWidget(NewLabel(page, "UndoLevelsLbl", "Undo Levels:", FUndoLevelsCB));
    undo->addWidget(FUndoLevelsCB);
    undo->addStretch(1);
    column->addLayout(undo);
    column->addStretch(1);
    return page;
}

QWidget* TTorvikOptions::CreateWirePage() {
    auto* page = Named(new QWidget, "TabWire");
    auto* column = new QVBoxLayout(page);
    auto* grid = new QGridLayout;

    FWMaterial = NewList(page, "WMaterial", {});
    for (int i = 0; i < static_cast<int>(TMaterialTable().size()); ++i) FWMaterial->addItem(QString());
    FModulus = NewEdit(page, "Modulus");
    grid->addWidget(NewLabel(page, "MaterialLbl", "&Material:", FWMaterial), 0, 0);
    grid->addWidget(FWMaterial, 0, 1, 1, 4);
    grid->addWidget(NewLabel(page, "ModulusLbl", "Modulus &E:", FModulus), 1, 0);
    grid->addWidget(FModulus, 1, 1);
    grid->addWidget(NewLabel(page, "ModulusUnitLbl", QString::fromUtf8("N/mm\u00b2")), 1, 2, 1, 3);

    FWCrossSect = NewList(page, "WCrossSect", {});
    for (int i = 0; i < static_cast<int>(TCrossSectionTable().size()); ++i) FWCrossSect->addItem(QString());
    FCrossA = NewEdit(page, "CrossA");
    FCrossB = NewEdit(page, "CrossB");
    FTenthsLbl = NewLabel(page, "TenthsLbl", "(10ths of a mm):", FCrossA);
    grid->addWidget(NewLabel(page, "CrossSectLbl", "&Cross Section:", FWCrossSect), 2, 0);
    grid->addWidget(FWCrossSect, 2, 1, 1, 4);
    grid->addWidget(FTenthsLbl, 3, 0);
    grid->addWidget(FCrossA, 3, 1);
    grid->addWidget(NewLabel(page, "CrossXLbl", "x"), 3, 2, Qt::AlignCenter);
    grid->addWidget(FCrossB, 3, 3);
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);
    SetHint(FCrossA, "Occlusogingival dimension of rectangular wire.##Diameter of round wire.|");
    SetHint(FCrossB, "Labiolingual dimension of rectangular wire.##Enter 0 for round wires.|");

    FApplyWireBut = Named(new QPushButton("&Apply to Wire", page), "ApplyWireBut");
    FApplyWireBut->setAutoDefault(false);
    SetHint(FApplyWireBut, "Apply material and cross section to current wire.|");
    auto* apply = new QHBoxLayout;
    apply->addWidget(FApplyWireBut);
    apply->addStretch(1);
    column->addLayout(apply);

    FSegSizeGroup = new TRadioGroup("SegSizeGroup", "&Segment Size",
                                    {FormatLocal(1.0, "0.## mm"), FormatLocal(0.5, "0.## mm"),
                                     FormatLocal(0.25, "0.## mm")},
                                    page);
    FSegSizeGroup->SetItemIndex(2);
    column->addWidget(FSegSizeGroup);
    FDrawThickCB = NewCheckBox(page, "DrawThickCB", "&Draw at true thickness");
    column->addWidget(FDrawThickCB);
    column->addStretch(1);

    connect(FWMaterial, &QComboBox::currentIndexChanged, this, &TTorvikOptions::WMaterialChange);
    connect(FWCrossSect, &QComboBox::currentIndexChanged, this, &TTorvikOptions::WCrossSectChange);
    connect(FModulus, &QLineEdit::textChanged, this, &TTorvikOptions::ModulusChange);
    connect(FCrossA, &QLineEdit::textChanged, this, &TTorvikOptions::CrossAChange);
    connect(FCrossB, &QLineEdit::textChanged, this, &TTorvikOptions::CrossBChange);
    connect(FApplyWireBut, &QPushButton::clicked, this, &TTorvikOptions::ApplyWireButClick);
    return page;
}

QWidget* TTorvikOptions::CreateCalculationPage() {
    auto* page = Named(new QWidget, "TabCalculation");
    auto* column = new QVBoxLayout(page);
    FAutoStop = NewCheckBox(page, "AutoStop", "&Auto Stop");
    SetHint(FAutoStop, "Automatically stop wire activation##when tolerance is met.|");
    column->addWidget(FAutoStop);
    FRefineLoads = NewCheckBox(page, "RefineLoads", "Re&fine the loads when the run stops");
    SetHint(FRefineLoads, "When the run stops by itself, solve on##to full engagement and show those loads.|");
    column->addWidget(FRefineLoads);

    auto* tolerance = Named(new QGroupBox("Tolerance", page), "ToleranceGroup");
    auto* grid = new QGridLayout(tolerance);
    FTolDist = NewEdit(tolerance, "TolDist");
    FTolAngle = NewEdit(tolerance, "TolAngle");
    SetHint(FTolDist,
            "Stop wire activation when:##a. wire end reaches bracket within this distance##b. Target is in Point or "
            "Slot mode.|");
    SetHint(FTolAngle,
            "Stop wire activation when:##a. angulation of wire end is within this angle relative to bracket##b. "
            "Target is in Angle or Slot mode.|");
    grid->addWidget(NewLabel(tolerance, "TolDistLbl", "&Distance (mm):", FTolDist), 0, 0);
    grid->addWidget(FTolDist, 0, 1);
    grid->addWidget(NewLabel(tolerance, "TolAngleLbl", "A&ngle (degrees):", FTolAngle), 1, 0);
    grid->addWidget(FTolAngle, 1, 1);
    grid->setColumnStretch(2, 1);
    column->addWidget(tolerance);

    FWireInBracket = new TRadioGroup("WireInBracket", "Target",
                                     {"&Point Contact (Apply Force)", "Same &Angulation (Apply Moment)",
                                      "Wire in &Slot (Apply Moment and Force)"},
                                     page);
    column->addWidget(FWireInBracket);
    FToothGroup = new TToothGroup(page);
    column->addWidget(FToothGroup);
    column->addStretch(1);
    return page;
}

QWidget* TTorvikOptions::CreateViewPage() {
    auto* page = Named(new QWidget, "TabView");
    auto* grid = new QGridLayout(page);

    auto* forces = Named(new QGroupBox("View Forces", page), "ViewForcesGroup");
    auto* forceColumn = new QVBoxLayout(forces);
    FViewF = NewCheckBox(forces, "ViewF", "&Forces");
    FViewM = NewCheckBox(forces, "ViewM", "&Moments");
    forceColumn->addWidget(FViewF);
    forceColumn->addWidget(FViewM);
    grid->addWidget(forces, 0, 0);

    FForcesOn = new TRadioGroup("ForcesOn", "Forces &Applied On", {"Wire", "Brackets"}, page);
    SetHint(FForcesOn, "Show forces and moments##  acting on the wire##  acting on the brackets.|");
    grid->addWidget(FForcesOn, 0, 1);

    auto* strain = new QGridLayout;
    FViewStrain = NewCheckBox(page, "ViewStrain", "Show &Strain");
    FAutoRange = NewCheckBox(page, "AutoRange", "Auto &Range");
    FFixedRange = NewEdit(page, "FixedRange");
    strain->addWidget(FViewStrain, 0, 0, 1, 3);
    strain->addWidget(FAutoRange, 1, 0, 1, 3);
    strain->addWidget(NewLabel(page, "FixedRangeLbl", "Ma&x Range:", FFixedRange), 2, 0);
    strain->addWidget(FFixedRange, 2, 1);
    strain->addWidget(NewLabel(page, "FixedRangeUnitLbl", "degrees"), 2, 2);
    strain->setColumnStretch(3, 1);
    grid->addLayout(strain, 1, 0, Qt::AlignTop);

    auto* gridColumn = new QGridLayout;
    FViewGrid = NewCheckBox(page, "ViewGrid", "View &Grid");
    FGridDensityCB = NewList(page, "GridDensityCB", {"10", "5", "2", "1"});
    FGridDensityCB->setCurrentIndex(0);
    FSnapGrid = NewCheckBox(page, "SnapGrid", "S&nap to Grid");
    QStringList steps;
    for (double step : SnapSteps) steps << GeneralText(step);
    FSnapGridCB = NewList(page, "SnapGridCB", steps);
    FSnapGridCB->setCurrentIndex(0);
    gridColumn->addWidget(FViewGrid, 0, 0, 1, 2);
    gridColumn->addWidget(NewLabel(page, "GridDensityLbl", "Grid &Density (mm):", FGridDensityCB), 1, 0);
    gridColumn->addWidget(FGridDensityCB, 1, 1);
    gridColumn->addWidget(FSnapGrid, 2, 0, 1, 2);
    gridColumn->addWidget(NewLabel(page, "SnapGridLbl", "Grid Sna&p (mm):", FSnapGridCB), 3, 0);
    gridColumn->addWidget(FSnapGridCB, 3, 1);
    grid->addLayout(gridColumn, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);
    return page;
}

void TTorvikOptions::Load(TSettings& aSettings, TWire* aWire) {
    FSettings = &aSettings;
    const TSettings& s = aSettings;
    // The lists show the tables' names as the settings file gave them.
    {
        const QSignalBlocker materials(FWMaterial);
        const QSignalBlocker sections(FWCrossSect);
        for (int i = 0; i < FWMaterial->count(); ++i)
            FWMaterial->setItemText(i, QString::fromStdString(s.MaterialTable[i].Name));
        for (int i = 0; i < FWCrossSect->count(); ++i)
            FWCrossSect->setItemText(i, QString::fromStdString(s.CrossSectionTable[i].Name));
    }

    SetIndexIfValid(FGridDensityCB, s.GridDensity);
    FSnapGrid->setChecked(s.SnapGrid);
    SetIndexIfValid(FSnapGridCB, s.SnapGridDensity);
    FViewGrid->setChecked(s.ShowGrid);
    FViewF->setChecked((s.View.ViewFlags & ViewForcesBit) != 0);
    FViewM->setChecked((s.View.ViewFlags & ViewMomentsBit) != 0);
    FForcesOn->SetItemIndex((s.View.ViewFlags & ViewBracketForcesBit) != 0 ? 1 : 0);
    FTolDist->setText(ShownKeeping(s.Activation.ToleranceDistance, "0.000"));
    FTolAngle->setText(ShownKeeping(ToDegrees(s.Activation.ToleranceAngle), "0.00"));
    FAutoStop->setChecked(s.Activation.AutoStop);
    FRefineLoads->setChecked(s.Activation.RefineLoads);
    FWireInBracket->SetItemIndex(s.Activation.TargetMode);
    FToothGroup->Load(s.Tooth);
    {
        // Shown below, once both lists are set.
        const QSignalBlocker materials(FWMaterial);
        const QSignalBlocker sections(FWCrossSect);
        FWMaterial->setCurrentIndex(ItemOfName(FWMaterial, s.Stock.Material.Name));
        FWCrossSect->setCurrentIndex(ItemOfName(FWCrossSect, s.Stock.Size.Name));
    }
    // A size the group cannot show keeps the group's selection.
    for (int i = 0; i < static_cast<int>(std::size(SegmentSizes)); ++i)
        if (s.SegmentSize == SegmentSizes[i]) FSegSizeGroup->SetItemIndex(i);
    FAutoRange->setChecked(s.View.StrainAutoRange);
    FViewStrain->setChecked(s.View.ViewStrain);
    FFixedRange->setText(ShownKeeping(ToDegrees(s.View.StrainMaxRange), "0.0"));
    FBestFitOnLoad->setChecked(s.BestFitOnOpen);
    SetIndexIfValid(FUndoLevelsCB, s.UndoLevels);
    FRememberRectCB->setChecked(s.RememberWindowRect);
    FWire = aWire;
    FDrawThickCB->setChecked(s.View.DrawThickness);

    WMaterialChange();
    WCrossSectChange();
}

void TTorvikOptions::TakeBack() {
    if (!FSettings) return;
    TSettings& s = *FSettings;
    s.View.DrawThickness = FDrawThickCB->isChecked();
    s.BestFitOnOpen = FBestFitOnLoad->isChecked();
    if (FUndoLevelsCB->currentIndex() >= 0) s.UndoLevels = FUndoLevelsCB->currentIndex();
    s.RememberWindowRect = FRememberRectCB->isChecked();

    if (FWire) FWire->UndoLevelChanged(s.UndoLevels);

    if (FGridDensityCB->currentIndex() >= 0) s.GridDensity = FGridDensityCB->currentIndex();
    if (FSnapGridCB->currentIndex() >= 0) s.SnapGridDensity = FSnapGridCB->currentIndex();
    s.SnapGrid = FSnapGrid->isChecked();
    s.ShowGrid = FViewGrid->isChecked();

    s.View.StrainAutoRange = FAutoRange->isChecked();
    s.View.ViewStrain = FViewStrain->isChecked();
    if (const auto range = ReadSetting(FFixedRange, FixedRangeFallback, StrainMaxRangeRange))
        s.View.StrainMaxRange = ToRadians(*range);

    int& flags = s.View.ViewFlags;
    flags = FViewM->isChecked() ? (flags | ViewMomentsBit) : (flags & ~ViewMomentsBit);
    flags = FViewF->isChecked() ? (flags | ViewForcesBit) : (flags & ~ViewForcesBit);
    flags = FForcesOn->ItemIndex() > 0 ? (flags | ViewBracketForcesBit) : (flags & ~ViewBracketForcesBit);

    if (const auto distance = ReadSetting(FTolDist, TolDistFallback, ToleranceDistanceRange))
        s.Activation.ToleranceDistance = *distance;
    if (const auto angle = ReadSetting(FTolAngle, TolAngleFallback, ToleranceAngleRange))
        s.Activation.ToleranceAngle = ToRadians(*angle);
    s.Activation.AutoStop = FAutoStop->isChecked();
    s.Activation.RefineLoads = FRefineLoads->isChecked();
    const int target = FWireInBracket->ItemIndex();
    if (target >= TargetPoint && target <= TargetSlot) s.Activation.TargetMode = target;
    FToothGroup->TakeBack(s.Tooth);

    if (FWMaterial->currentIndex() >= 0) s.Stock.Material = s.MaterialTable[FWMaterial->currentIndex()];
    if (FWCrossSect->currentIndex() >= 0) s.Stock.Size = s.CrossSectionTable[FWCrossSect->currentIndex()];

    const int size = FSegSizeGroup->ItemIndex();
    if (size >= 0) s.SegmentSize = SegmentSizes[size];
}

std::vector<TTorvikOptions::TRangeField> TTorvikOptions::RangeFields(bool aWireOnly) const {
    // In the order of the pages; the table fields only where they can be
    // typed into ("Other").
    std::vector<TRangeField> fields;
    const char* tenths = "tenths of a mm";
    if (FModulus->isEnabled()) fields.push_back({FModulus, "Modulus E", ModulusRange, "N/mm\u00b2", false});
    if (FCrossA->isEnabled())
        fields.push_back({FCrossA, "The first cross-section dimension", CrossDimensionRange, tenths, false});
    if (FCrossB->isEnabled())
        fields.push_back({FCrossB, "The second cross-section dimension", CrossDimensionRange, tenths, true});
    if (aWireOnly) return fields;
    fields.push_back({FTolDist, "Tolerance distance", ToleranceDistanceRange, "mm", false});
    fields.push_back({FTolAngle, "Tolerance angle", ToleranceAngleRange, "degrees", false});
    fields.push_back({FToothGroup->DistanceField(), "Centre of resistance distance", ResistanceDistanceRange, "mm",
                      false});
    fields.push_back({FFixedRange, "Max strain range", StrainMaxRangeRange, "degrees", false});
    return fields;
}

bool TTorvikOptions::CheckRanges(bool aWireOnly) {
    for (const TRangeField& f : RangeFields(aWireOnly)) {
        double v = 0.0;
        // Text that does not read takes its fallback silently.
        if (!TryReadLocal(f.edit->text(), v)) continue;
        if (f.range.Contains(v) || (f.zeroAllowed && v == 0.0)) continue;
        const QString text = QString::fromUtf8(f.zeroAllowed ? "%1 must be 0 for a round wire, or between %2 and %3 %4."
                                                              : "%1 must be between %2 and %3 %4.")
                                 .arg(QString::fromUtf8(f.name), FormatLocal(f.range.Min, "0.####"),
                                      FormatLocal(f.range.Max, "0.####"), QString::fromUtf8(f.unit));
        for (int i = 0; i < FPageControl1->count(); ++i)
            if (FPageControl1->widget(i)->isAncestorOf(f.edit)) FPageControl1->setCurrentIndex(i);
        if (FShowError)
            FShowError(text);
        else
            QMessageBox::critical(this, QStringLiteral("Torvik"), text);
        // The field to correct, its text selected, once the message is gone.
        f.edit->setFocus(Qt::OtherFocusReason);
        f.edit->selectAll();
        return false;
    }
    return true;
}

void TTorvikOptions::accept() {
    if (!CheckRanges(false)) return;
    TTorvikDialog::accept();
}

void TTorvikOptions::Detach() {
    FSettings = nullptr;
    FWire = nullptr;
}

void TTorvikOptions::WMaterialChange() {
    const int i = FWMaterial->currentIndex();
    if (!FSettings || i < 0) return;
    {
        const QSignalBlocker block(FModulus);
        FModulus->setText(GeneralText(FSettings->MaterialTable[i].Modulus));
    }
    FModulus->setEnabled(FWMaterial->itemText(i) == OtherItem);
    // Writing the field stores what it shows, as typing would.
    ModulusChange();
}

void TTorvikOptions::WCrossSectChange() {
    const int i = FWCrossSect->currentIndex();
    if (!FSettings || i < 0) return;
    const TWireSize size = FSettings->CrossSectionTable[i];
    {
        const QSignalBlocker blockA(FCrossA);
        const QSignalBlocker blockB(FCrossB);
        FCrossA->setText(FormatLocal(size.CrossA, "0.000"));
        FCrossB->setText(FormatLocal(size.CrossB, "0.000"));
    }
    const bool other = FWCrossSect->itemText(i) == OtherItem;
    FCrossA->setEnabled(other);
    FCrossB->setEnabled(other);
    FTenthsLbl->setEnabled(other);
    CrossAChange();
    CrossBChange();
}

void TTorvikOptions::ModulusChange() {
    const int i = FWMaterial->currentIndex();
    if (!FSettings || i < 0) return;
    FSettings->MaterialTable[i].Modulus = ReadTableOr(FModulus, ModulusFallback, ModulusFieldInRange);
}

void TTorvikOptions::CrossAChange() {
    const int i = FWCrossSect->currentIndex();
    if (!FSettings || i < 0) return;
    FSettings->CrossSectionTable[i].CrossA = ReadTableOr(FCrossA, CrossFallback, FirstSideInRange);
}

void TTorvikOptions::CrossBChange() {
    const int i = FWCrossSect->currentIndex();
    if (!FSettings || i < 0) return;
    FSettings->CrossSectionTable[i].CrossB = ReadTableOr(FCrossB, CrossFallback, SecondSideInRange);
}

void TTorvikOptions::ApplyWireButClick() {
    if (!FSettings || !FWire) return;
    // A typed modulus or dimension that no wire can have is refused before
    // anything changes.
    if (!CheckRanges(true)) return;
    if (FZeroForce) FZeroForce();
    const int material = FWMaterial->currentIndex();
    const int section = FWCrossSect->currentIndex();
    if (material < 0 || section < 0) return;
    const TWireStock stock{FSettings->MaterialTable[material], FSettings->CrossSectionTable[section]};
    // A wire of that stock already stays as it is; otherwise the change is
    // an edit of the wire that Undo takes back and a save keeps.
    if (UniformStock(*FWire) != stock) {
        if (FRecordUndo) FRecordUndo();
        ApplyStock(*FWire, stock);
    }
    FWire->Stock = stock;
    emit wireApplied();
}

void TTorvikOptions::HelpButClick() { emit helpRequested(FirstPageHelpContext + FPageControl1->currentIndex()); }

}  // namespace torvik
