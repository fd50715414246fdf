// Protects the options dialog on its own: every page's values in and out in order, the table edits of "Other" with their fallbacks, Apply to Wire, and the locale.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "../gui/locale_scope.h"
#include "dialogs/radio_group.h"
#include "dialogs/torvik_options.h"
#include "wire/design.h"

namespace torvik::test {
namespace {

class TOptionsTest : public ::testing::Test {
protected:
    template <typename T>
    T* Get(const char* aName) {
        T* w = FDialog.findChild<T*>(aName);
        EXPECT_NE(w, nullptr) << aName;
        return w;
    }
    QCheckBox* Check(const char* aName) { return Get<QCheckBox>(aName); }
    QComboBox* List(const char* aName) { return Get<QComboBox>(aName); }
    QLineEdit* Edit(const char* aName) { return Get<QLineEdit>(aName); }
    TRadioGroup* Group(const char* aName) { return Get<TRadioGroup>(aName); }
    QStringList Items(const char* aName) {
        QStringList items;
        QComboBox* list = List(aName);
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        return items;
    }

    TLocaleScope FLocale{TLocaleScope::Point()};
    TTorvikOptions FDialog;
    TSettings FSettings;
};

TEST_F(TOptionsTest, PagesControlsCaptionsItemsAndHints) {
    EXPECT_EQ(FDialog.windowTitle(), "Torvik Options");
    EXPECT_EQ(FDialog.objectName(), "TorvikOptions");
    EXPECT_EQ(FDialog.HelpTopic(), 30);
    auto* pages = Get<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 4);
    EXPECT_EQ(pages->tabText(0), "General");
    EXPECT_EQ(pages->tabText(1), "Wire");
    EXPECT_EQ(pages->tabText(2), "Calculation");
    EXPECT_EQ(pages->tabText(3), "View");
    for (const char* name : {"OKBtn", "CancelBtn", "HelpBut", "ApplyWireBut"}) Get<QPushButton>(name);
    EXPECT_EQ(Get<QPushButton>("ApplyWireBut")->text(), "&Apply to Wire");

    const std::pair<const char*, const char*> checks[] = {
        {"BestFitOnLoad", "Best &Fit on Opening"}, {"RememberRectCB", "Remember Window Position"},
        {"DrawThickCB", "&Draw at true thickness"}, {"AutoStop", "&Auto Stop"},
        {"RefineLoads", "Re&fine the loads when the run stops"}, {"ViewF", "&Forces"},
        {"ViewM", "&Moments"}, {"ViewStrain", "Show &Strain"}, {"AutoRange", "Auto &Range"},
        {"ViewGrid", "View &Grid"}, {"SnapGrid", "S&nap to Grid"}};
    for (const auto& [name, caption] : checks) EXPECT_EQ(Check(name)->text(), caption);
    EXPECT_EQ(Items("UndoLevelsCB"), QStringList({"None", "5", "10", "15", "Unlimited"}));
    EXPECT_EQ(Items("GridDensityCB"), QStringList({"10", "5", "2", "1"}));
    EXPECT_EQ(Items("SnapGridCB"), QStringList({"0.1", "0.2", "0.25", "0.5", "1", "2"}));
    EXPECT_EQ(List("GridDensityCB")->currentIndex(), 0);
    EXPECT_EQ(List("SnapGridCB")->currentIndex(), 0);
    for (const char* name : {"Modulus", "CrossA", "CrossB", "TolDist", "TolAngle", "FixedRange"}) Edit(name);
    EXPECT_EQ(Get<QLabel>("TenthsLbl")->text(), "(10ths of a mm):");

    EXPECT_EQ(Group("SegSizeGroup")->title(), "&Segment Size");
    EXPECT_EQ(Group("SegSizeGroup")->Item(1)->text(), "0.5 mm");
    EXPECT_EQ(Group("SegSizeGroup")->ItemIndex(), 2);  // as created
    EXPECT_EQ(Group("WireInBracket")->title(), "Target");
    EXPECT_EQ(Group("WireInBracket")->Item(2)->text(), "Wire in &Slot (Apply Moment and Force)");
    EXPECT_EQ(Group("ForcesOn")->title(), "Forces &Applied On");
    EXPECT_EQ(Group("ForcesOn")->Item(1)->text(), "Brackets");

    EXPECT_EQ(Check("AutoStop")->toolTip(), "Automatically stop wire activation\nwhen tolerance is met.");
    EXPECT_EQ(Edit("CrossB")->toolTip(), "Labiolingual dimension of rectangular wire.\nEnter 0 for round wires.");
    EXPECT_EQ(Group("ForcesOn")->toolTip(), "Show forces and moments\n  acting on the wire\n  acting on the brackets.");
}

TEST_F(TOptionsTest, LoadsTheSettingsAndTakesThemBackOnOK) {
    TSettings& s = FSettings;
    s.GridDensity = 3;
    s.SnapGridDensity = 1;
    s.SnapGrid = false;
    s.ShowGrid = false;
    s.View.ViewFlags = ViewMomentsBit | 8;  // an unknown bit stays
    s.Activation.ToleranceDistance = 0.0125;
    s.Activation.ToleranceAngle = ToRadians(2.5);
    s.Activation.AutoStop = false;
    s.Activation.RefineLoads = false;
    s.Activation.TargetMode = TargetAngle;
    s.Stock.Material.Name = "nitinol";  // names are matched ignoring case
    s.Stock.Size.Name = "0.017 X 0.025";
    s.SegmentSize = 0.5;
    s.View.StrainAutoRange = true;
    s.View.ViewStrain = true;
    s.View.StrainMaxRange = ToRadians(3.25);
    s.BestFitOnOpen = false;
    s.UndoLevels = UndoUnlimited;
    s.RememberWindowRect = true;
    s.View.DrawThickness = false;
    FDialog.Load(s, nullptr);

    EXPECT_EQ(List("GridDensityCB")->currentIndex(), 3);
    EXPECT_FALSE(Check("SnapGrid")->isChecked());
    EXPECT_EQ(List("SnapGridCB")->currentIndex(), 1);
    EXPECT_FALSE(Check("ViewGrid")->isChecked());
    EXPECT_FALSE(Check("ViewF")->isChecked());
    EXPECT_TRUE(Check("ViewM")->isChecked());
    EXPECT_EQ(Group("ForcesOn")->ItemIndex(), 0);
    EXPECT_EQ(Edit("TolDist")->text(), "0.013");
    EXPECT_EQ(Edit("TolAngle")->text(), "2.50");
    EXPECT_FALSE(Check("AutoStop")->isChecked());
    EXPECT_FALSE(Check("RefineLoads")->isChecked());
    EXPECT_EQ(Group("WireInBracket")->ItemIndex(), TargetAngle);
    EXPECT_EQ(List("WMaterial")->currentText(), "Nitinol");
    EXPECT_EQ(Edit("Modulus")->text(), "45000");
    EXPECT_FALSE(Edit("Modulus")->isEnabled());
    EXPECT_EQ(List("WCrossSect")->currentText(), "0.017 x 0.025");
    EXPECT_EQ(Edit("CrossA")->text(), "4.318");
    EXPECT_EQ(Edit("CrossB")->text(), "6.350");
    EXPECT_FALSE(Edit("CrossA")->isEnabled());
    EXPECT_FALSE(Get<QLabel>("TenthsLbl")->isEnabled());
    EXPECT_EQ(Group("SegSizeGroup")->ItemIndex(), 1);
    EXPECT_TRUE(Check("AutoRange")->isChecked());
    EXPECT_TRUE(Check("ViewStrain")->isChecked());
    EXPECT_EQ(Edit("FixedRange")->text(), "3.3");
    EXPECT_FALSE(Check("BestFitOnLoad")->isChecked());
    EXPECT_EQ(List("UndoLevelsCB")->currentIndex(), UndoUnlimited);
    EXPECT_TRUE(Check("RememberRectCB")->isChecked());
    EXPECT_FALSE(Check("DrawThickCB")->isChecked());

    // Everything changed, then OK.
    List("GridDensityCB")->setCurrentIndex(0);
    Check("SnapGrid")->setChecked(true);
    List("SnapGridCB")->setCurrentIndex(5);
    Check("ViewGrid")->setChecked(true);
    Check("ViewF")->setChecked(true);
    Check("ViewM")->setChecked(false);
    Group("ForcesOn")->SetItemIndex(1);
    Edit("TolDist")->setText("0.05");
    Edit("TolAngle")->setText("0.5");
    Check("AutoStop")->setChecked(true);
    Check("RefineLoads")->setChecked(true);
    Group("WireInBracket")->SetItemIndex(TargetPoint);
    List("WMaterial")->setCurrentIndex(3);
    List("WCrossSect")->setCurrentIndex(6);
    Group("SegSizeGroup")->SetItemIndex(0);
    Check("AutoRange")->setChecked(false);
    Check("ViewStrain")->setChecked(false);
    Edit("FixedRange")->setText("4");
    Check("BestFitOnLoad")->setChecked(true);
    List("UndoLevelsCB")->setCurrentIndex(UndoNone);
    Check("RememberRectCB")->setChecked(false);
    Check("DrawThickCB")->setChecked(true);
    FDialog.TakeBack();

    EXPECT_EQ(s.GridDensity, 0);
    EXPECT_TRUE(s.SnapGrid);
    EXPECT_EQ(s.SnapGridDensity, 5);
    EXPECT_TRUE(s.ShowGrid);
    EXPECT_EQ(s.View.ViewFlags, ViewForcesBit | ViewBracketForcesBit | 8);
    EXPECT_EQ(s.Activation.ToleranceDistance, 0.05);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceAngle, ToRadians(0.5));
    EXPECT_TRUE(s.Activation.AutoStop);
    EXPECT_TRUE(s.Activation.RefineLoads);
    EXPECT_EQ(s.Activation.TargetMode, TargetPoint);
    EXPECT_EQ(s.Stock.Material, s.MaterialTable[3]);
    EXPECT_EQ(s.Stock.Material.Name, "Elgiloy");
    EXPECT_EQ(s.Stock.Size, s.CrossSectionTable[6]);
    EXPECT_EQ(s.SegmentSize, 1.0);
    EXPECT_FALSE(s.View.StrainAutoRange);
    EXPECT_FALSE(s.View.ViewStrain);
    EXPECT_DOUBLE_EQ(s.View.StrainMaxRange, ToRadians(4));
    EXPECT_TRUE(s.BestFitOnOpen);
    EXPECT_EQ(s.UndoLevels, UndoNone);
    EXPECT_FALSE(s.RememberWindowRect);
    EXPECT_TRUE(s.View.DrawThickness);
}

TEST_F(TOptionsTest, BracketsSetsOnlyItsBitAndUnreadableFieldsFallBackSilently) {
    FSettings.View.ViewFlags = 0;
    FDialog.Load(FSettings, nullptr);
    Group("ForcesOn")->SetItemIndex(1);
    Edit("TolDist")->setText("");
    Edit("TolAngle")->setText("1,5");  // a comma does not read in a point locale
    Edit("FixedRange")->setText("x");
    FDialog.TakeBack();
    EXPECT_EQ(FSettings.View.ViewFlags, ViewBracketForcesBit);
    EXPECT_EQ(FSettings.Activation.ToleranceDistance, 0.1);
    EXPECT_DOUBLE_EQ(FSettings.Activation.ToleranceAngle, ToRadians(1));
    EXPECT_DOUBLE_EQ(FSettings.View.StrainMaxRange, ToRadians(2));
}

TEST_F(TOptionsTest, SmallTolerancesAreNotShownAsZero) {
    // Shown in the masks, 0.0004 mm and 0.004 degrees would read "0.000" and
    // "0.00", and OK would make them tolerances of zero: runs that never stop.
    FSettings.Activation.ToleranceDistance = 0.0004;
    FSettings.Activation.ToleranceAngle = ToRadians(0.004);
    FSettings.View.StrainMaxRange = ToRadians(2);
    FDialog.Load(FSettings, nullptr);
    EXPECT_EQ(Edit("TolDist")->text(), "0.0004");
    EXPECT_EQ(Edit("TolAngle")->text(), "0.004");
    EXPECT_EQ(Edit("FixedRange")->text(), "2.0");
    FDialog.TakeBack();
    EXPECT_DOUBLE_EQ(FSettings.Activation.ToleranceDistance, 0.0004);
    EXPECT_NEAR(FSettings.Activation.ToleranceAngle, ToRadians(0.004), 1e-15);
}

TEST_F(TOptionsTest, ASegmentSizeTheGroupCannotShowKeepsItsSelection) {
    // The first time: "0.25 mm", as the dialog was created.
    FSettings.SegmentSize = 0.3;
    FDialog.Load(FSettings, nullptr);
    EXPECT_EQ(Group("SegSizeGroup")->ItemIndex(), 2);
    FDialog.TakeBack();
    EXPECT_EQ(FSettings.SegmentSize, 0.25);
    // Later: the selection the dialog had.
    FSettings.SegmentSize = 1.0;
    FDialog.Load(FSettings, nullptr);
    FSettings.SegmentSize = 0.75;
    FDialog.Load(FSettings, nullptr);
    EXPECT_EQ(Group("SegSizeGroup")->ItemIndex(), 0);
    FDialog.TakeBack();
    EXPECT_EQ(FSettings.SegmentSize, 1.0);
}

TEST_F(TOptionsTest, OnlyOtherIsEditableAndItsEditsTakeEffectAtOnceWithTheirFallbacks) {
    FDialog.Load(FSettings, nullptr);
    QComboBox* material = List("WMaterial");
    QComboBox* section = List("WCrossSect");
    for (int i = 0; i < material->count(); ++i) {
        material->setCurrentIndex(i);
        EXPECT_EQ(Edit("Modulus")->isEnabled(), material->itemText(i) == "Other") << i;
    }
    for (int i = 0; i < section->count(); ++i) {
        section->setCurrentIndex(i);
        const bool other = section->itemText(i) == "Other";
        EXPECT_EQ(Edit("CrossA")->isEnabled(), other) << i;
        EXPECT_EQ(Edit("CrossB")->isEnabled(), other) << i;
        EXPECT_EQ(Get<QLabel>("TenthsLbl")->isEnabled(), other) << i;
    }

    material->setCurrentIndex(4);
    QLineEdit* modulus = Edit("Modulus");
    modulus->selectAll();
    QTest::keyClicks(modulus, "150000");
    EXPECT_EQ(FSettings.MaterialTable[4].Modulus, 150000);
    modulus->clear();
    EXPECT_EQ(FSettings.MaterialTable[4].Modulus, 100000);
    modulus->setText("82000.5");
    EXPECT_EQ(FSettings.MaterialTable[4].Modulus, 82000.5);

    section->setCurrentIndex(7);
    Edit("CrossA")->setText("5.5");
    Edit("CrossB")->setText("0");
    EXPECT_EQ(FSettings.CrossSectionTable[7].CrossA, 5.5);
    EXPECT_EQ(FSettings.CrossSectionTable[7].CrossB, 0);
    Edit("CrossA")->setText("-");
    Edit("CrossB")->setText("wide");
    EXPECT_EQ(FSettings.CrossSectionTable[7].CrossA, 4);
    EXPECT_EQ(FSettings.CrossSectionTable[7].CrossB, 4);
    // Numbers no wire can have take the fallbacks too: the drawing and the
    // solver would fail on them, and the settings file would not keep them.
    const char* absurdSides[] = {"500000000", "0", "-2", "0.001"};
    for (const char* side : absurdSides) {
        Edit("CrossA")->setText("5.5");
        Edit("CrossB")->setText("5.5");
        Edit("CrossA")->setText(side);
        EXPECT_EQ(FSettings.CrossSectionTable[7].CrossA, 4) << side;
        Edit("CrossB")->setText(side);
        EXPECT_EQ(FSettings.CrossSectionTable[7].CrossB, std::string(side) == "0" ? 0 : 4) << side;
    }
    for (const char* value : {"1e12", "0", "-172000"}) {
        modulus->setText("82000.5");
        modulus->setText(value);
        EXPECT_EQ(FSettings.MaterialTable[4].Modulus, 100000) << value;
    }
    modulus->setText("82000.5");

    // Showing an entry writes its shown value back: three decimals.
    FSettings.CrossSectionTable[7].CrossA = 4.12345;
    section->setCurrentIndex(0);
    section->setCurrentIndex(7);
    EXPECT_EQ(Edit("CrossA")->text(), "4.123");
    EXPECT_EQ(FSettings.CrossSectionTable[7].CrossA, 4.123);
    // The other entries keep their values.
    EXPECT_EQ(FSettings.MaterialTable, [] {
        TMaterialTable t = DefaultMaterialTable();
        t[4].Modulus = 82000.5;
        return t;
    }());
}

TEST_F(TOptionsTest, ANameMatchingNoEntrySelectsTheFirstSoOKStaysInTheTable) {
    FSettings.Stock.Material.Name = "Gold";
    FSettings.Stock.Size.Name = "0.099";
    FDialog.Load(FSettings, nullptr);
    EXPECT_EQ(List("WMaterial")->currentIndex(), 0);
    EXPECT_EQ(List("WCrossSect")->currentIndex(), 0);
    EXPECT_EQ(Edit("Modulus")->text(), "172000");
    FDialog.TakeBack();
    EXPECT_EQ(FSettings.Stock.Material.Name, "Stainless Steel");
    EXPECT_EQ(FSettings.Stock.Size.Name, "0.016");
}

TEST_F(TOptionsTest, TheListsShowTheTablesNamesAsTheSettingsGaveThem) {
    FSettings.MaterialTable[2].Name = "Beta Titanium";
    FSettings.CrossSectionTable[6].Name = "Other";  // a second editable entry
    FDialog.Load(FSettings, nullptr);
    EXPECT_EQ(List("WMaterial")->itemText(2), "Beta Titanium");
    List("WCrossSect")->setCurrentIndex(6);
    EXPECT_TRUE(Edit("CrossA")->isEnabled());
}

TEST_F(TOptionsTest, ApplyToWireZeroesTheLoadThenGivesEverySegmentTheSelectedEntries) {
    TDesign design(0.25, DefaultStock());
    for (int i = 0; i < 9; ++i) design.CurrentWire->AddSeg(0.25, 0);
    int zeroed = 0;
    FDialog.SetZeroForce([&] {
        ++zeroed;
        // The segments still hold the old stock when the load is zeroed.
        EXPECT_EQ(design.CurrentWire->Segment(5).material.Name, "Stainless Steel");
    });
    QSignalSpy applied(&FDialog, &TTorvikOptions::wireApplied);
    FDialog.Load(FSettings, design.CurrentWire.get());
    List("WMaterial")->setCurrentIndex(1);
    List("WCrossSect")->setCurrentIndex(4);
    QTest::mouseClick(Get<QPushButton>("ApplyWireBut"), Qt::LeftButton);
    EXPECT_EQ(zeroed, 1);
    EXPECT_EQ(applied.count(), 1);
    for (const TWireSeg& seg : design.CurrentWire->Segments()) {
        EXPECT_EQ(seg.material, FSettings.MaterialTable[1]);
        EXPECT_EQ(seg.size, FSettings.CrossSectionTable[4]);
    }
    // The choice of material for new segments waits for OK.
    EXPECT_EQ(FSettings.Stock.Material.Name, "Stainless Steel");
}

TEST_F(TOptionsTest, NumbersShowAndReadInTheUsersLocale) {
    TLocaleScope comma(TLocaleScope::Comma());
    TTorvikOptions dialog;
    TSettings s;
    s.Activation.ToleranceDistance = 0.1;
    s.Stock.Size = s.CrossSectionTable[4];
    dialog.Load(s, nullptr);
    QStringList steps;
    auto* snap = dialog.findChild<QComboBox*>("SnapGridCB");
    for (int i = 0; i < snap->count(); ++i) steps << snap->itemText(i);
    EXPECT_EQ(steps, QStringList({"0,1", "0,2", "0,25", "0,5", "1", "2"}));
    EXPECT_EQ(dialog.findChild<QLineEdit*>("TolDist")->text(), "0,100");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("TolAngle")->text(), "1,00");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("FixedRange")->text(), "2,0");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("CrossA")->text(), "4,064");
    EXPECT_EQ(dialog.findChild<TRadioGroup*>("SegSizeGroup")->Item(2)->text(), "0,25 mm");

    auto* section = dialog.findChild<QComboBox*>("WCrossSect");
    section->setCurrentIndex(7);
    dialog.findChild<QLineEdit*>("CrossA")->setText("3,5");
    EXPECT_EQ(s.CrossSectionTable[7].CrossA, 3.5);
    dialog.findChild<QLineEdit*>("CrossA")->setText("3.5");  // not a number here
    EXPECT_EQ(s.CrossSectionTable[7].CrossA, 4);
    dialog.findChild<QLineEdit*>("TolDist")->setText("0,02");
    dialog.findChild<QLineEdit*>("TolAngle")->setText("0.5");
    dialog.TakeBack();
    EXPECT_EQ(s.Activation.ToleranceDistance, 0.02);
    EXPECT_DOUBLE_EQ(s.Activation.ToleranceAngle, ToRadians(1));
}

TEST_F(TOptionsTest, HelpOpensTheTopicOfThePageShowing) {
    QSignalSpy help(&FDialog, &TTorvikDialog::helpRequested);
    auto* pages = Get<QTabWidget>("PageControl1");
    for (int page = 0; page < 4; ++page) {
        pages->setCurrentIndex(page);
        QTest::mouseClick(Get<QPushButton>("HelpBut"), Qt::LeftButton);
    }
    ASSERT_EQ(help.count(), 4);
    for (int page = 0; page < 4; ++page) EXPECT_EQ(help.at(page).at(0).toInt(), 31 + page);
}

}  // namespace
}  // namespace torvik::test
