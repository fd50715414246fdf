// Protects the Options command in the window: OK takes every value back with the check marks and status panels following, Cancel keeps only the table edits and Apply to Wire, and those reach the settings file; a typed number out of its range is refused.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "dialogs/radio_group.h"
#include "dialogs/torvik_dialog.h"
#include "gui_fixture.h"
#include "locale_scope.h"
#include "support/ini_file.h"
#include "wire/applied_load.h"

namespace torvik::test {
namespace {

class TOptionsCommandTest : public TGuiTest {
protected:
    void Script(std::function<int(QDialog&)> aScript) { FDialogs->dialogScripts.push_back(std::move(aScript)); }
    template <typename T>
    static T* Get(QDialog& aDialog, const char* aName) {
        T* w = aDialog.findChild<T*>(aName);
        EXPECT_NE(w, nullptr) << aName;
        return w;
    }
};

TEST_F(TOptionsCommandTest, OKTakesTheValuesBackAndTheWindowFollows) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    for (int i = 0; i < 4; ++i) form.RecordUndo();
    ASSERT_EQ(form.Design().CurrentWire->UndoCount(), 4);
    ASSERT_TRUE(form.Action("ActionUndo")->isEnabled());

    QString title;
    Script([&](QDialog& d) {
        title = d.windowTitle();
        // It opens with the window's settings.
        EXPECT_TRUE(Get<QCheckBox>(d, "ViewGrid")->isChecked());
        EXPECT_EQ(Get<QComboBox>(d, "SnapGridCB")->currentIndex(), 4);
        EXPECT_EQ(Get<TRadioGroup>(d, "WireInBracket")->ItemIndex(), TargetSlot);
        Get<QCheckBox>(d, "ViewGrid")->setChecked(false);
        Get<QCheckBox>(d, "SnapGrid")->setChecked(false);
        Get<QCheckBox>(d, "ViewStrain")->setChecked(true);
        Get<QCheckBox>(d, "AutoStop")->setChecked(false);
        Get<TRadioGroup>(d, "WireInBracket")->SetItemIndex(TargetPoint);
        Get<QComboBox>(d, "UndoLevelsCB")->setCurrentIndex(UndoNone);
        Get<QComboBox>(d, "WMaterial")->setCurrentIndex(1);
        Get<QComboBox>(d, "WCrossSect")->setCurrentIndex(3);
        Get<TRadioGroup>(d, "SegSizeGroup")->SetItemIndex(1);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(form.Action("MenuEditOptions")->isEnabled());
    Trigger("MenuEditOptions");
    EXPECT_EQ(title, "Torvik Options");

    const TSettings& s = form.Settings();
    EXPECT_FALSE(s.ShowGrid);
    EXPECT_FALSE(s.SnapGrid);
    EXPECT_TRUE(s.View.ViewStrain);
    EXPECT_FALSE(form.Action("MenuViewShowGrid")->isChecked());
    EXPECT_FALSE(form.Action("MenuViewSnaptoGrid")->isChecked());
    EXPECT_TRUE(form.Action("MenuViewStrain")->isChecked());
    EXPECT_EQ(form.findChild<QLabel*>("PanelInSlot")->text(), "Point");
    EXPECT_EQ(form.findChild<QLabel*>("PanelAuto")->text(), "Manual Stop");
    // The undo history is trimmed to the new level.
    EXPECT_EQ(form.Design().CurrentWire->UndoCount(), 0);
    EXPECT_FALSE(form.Action("ActionUndo")->isEnabled());
    // New segments get the chosen stock and size.
    EXPECT_EQ(s.Stock.Material.Name, "TMA");
    EXPECT_EQ(s.Stock.Size.Name, "0.016 x 0.016");
    EXPECT_EQ(form.Design().CurrentWire->Stock.Material.Name, "TMA");
    EXPECT_EQ(s.SegmentSize, 0.5);
    Trigger("ActionFileNew");
    EXPECT_EQ(form.Design().CurrentWire->Segment(0).material.Name, "TMA");
    EXPECT_EQ(form.Design().CurrentWire->Segment(0).length, 0.5);
}

TEST_F(TOptionsCommandTest, CancelKeepsOnlyTheTableEditsAndApplyToWire) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    FDialogs->openNames.push_back(WriteLoop("options.tvk"));
    Trigger("ActionFileOpen");
    ApplyLoad(form.Design(), 20, 10, 5);
    const TWireStock stock = form.Settings().Stock;

    Script([&](QDialog& d) {
        Get<QCheckBox>(d, "ViewGrid")->setChecked(false);
        Get<QComboBox>(d, "WMaterial")->setCurrentIndex(4);
        QLineEdit* modulus = Get<QLineEdit>(d, "Modulus");
        EXPECT_TRUE(modulus->isEnabled());
        modulus->clear();
        Get<QComboBox>(d, "WMaterial")->setCurrentIndex(2);
        Get<QComboBox>(d, "WCrossSect")->setCurrentIndex(5);
        QTest::mouseClick(Get<QPushButton>(d, "ApplyWireBut"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");

    const TSettings& s = form.Settings();
    EXPECT_TRUE(s.ShowGrid);
    EXPECT_TRUE(form.Action("MenuViewShowGrid")->isChecked());
    EXPECT_EQ(s.Stock.Material, stock.Material);
    EXPECT_EQ(s.Stock.Size, stock.Size);
    // Apply to Wire stays: the load is zero and every segment has the new stock.
    const TDesign& d = form.Design();
    EXPECT_EQ(d.RightForce.x, 0);
    EXPECT_EQ(d.LeftForce.m, 0);
    EXPECT_EQ(d.CurrentWire->MaxStrain(), 0);
    for (const TWireSeg& seg : d.CurrentWire->Segments()) {
        EXPECT_EQ(seg.material.Name, "Nitinol");
        EXPECT_EQ(seg.size.Name, "0.017 x 0.025");
    }
    EXPECT_EQ(form.findChild<QLabel*>("PanelForceRight")->text(), " F: 0.00  M: 0.00  M/F: -  M/Fx: - ");
    // And so does the cleared modulus of "Other", up to the settings file.
    EXPECT_EQ(s.MaterialTable[4].Modulus, 100000);
    FDialogs->answers.push_back(TAnswer::No);
    ASSERT_TRUE(form.close());
    TIniFile ini;
    ASSERT_TRUE(ini.Load(FPaths.SettingsFilePath));
    EXPECT_EQ(ini.ReadString("Wire", "Material 4", ""), "Other, 100000");
    FForm.reset();
}

TEST_F(TOptionsCommandTest, AClearedModulusOfOtherReachesTheSettingsFileAfterCancel) {
    QDir().mkpath(QFileInfo(SettingsFile()).absolutePath());
    WriteText(SettingsFile(), "[General]\nVersion=" + QString::fromStdString(GetProgramVersion()) +
                                  "\n[Wire]\nMaterial 4=Other, 80000\n");
    TMainForm& form = Start();
    ASSERT_EQ(form.Settings().MaterialTable[4].Modulus, 80000);
    Script([&](QDialog& d) {
        Get<QComboBox>(d, "WMaterial")->setCurrentIndex(4);
        EXPECT_EQ(Get<QLineEdit>(d, "Modulus")->text(), "80000");
        Get<QLineEdit>(d, "Modulus")->clear();
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(form.Settings().MaterialTable[4].Modulus, 100000);
    ASSERT_TRUE(form.close());
    TIniFile ini;
    ASSERT_TRUE(ini.Load(FPaths.SettingsFilePath));
    EXPECT_EQ(ini.ReadString("Wire", "Material 4", ""), "Other, 100000");
    FForm.reset();
}

TEST_F(TOptionsCommandTest, ANumberOutOfItsRangeIsRefusedWithItsFieldAndRangeAndUnreadableTextFallsBack) {
    TLocaleScope locale(TLocaleScope::Comma());
    TMainForm& form = Start();
    FDialogs->openNames.push_back(WriteLoop("options.tvk"));
    Trigger("ActionFileOpen");
    ApplyLoad(form.Design(), 20, 10, 5);
    const TSettings before = form.Settings();

    // 150 mm: OK is refused with one message in the user's format, the
    // field has the focus on its page, and nothing changed; a corrected
    // value then goes through.
    Script([&](QDialog& d) {
        QSignalSpy accepted(&d, &QDialog::accepted);
        Get<QTabWidget>(d, "PageControl1")->setCurrentIndex(0);
        Get<QCheckBox>(d, "ViewGrid")->setChecked(false);
        Get<QLineEdit>(d, "TolDist")->setText("150");
        QTest::mouseClick(Get<QPushButton>(d, "OKBtn"), Qt::LeftButton);
        EXPECT_EQ(accepted.count(), 0);
        EXPECT_EQ(d.focusWidget(), Get<QLineEdit>(d, "TolDist"));
        EXPECT_EQ(Get<QTabWidget>(d, "PageControl1")->currentIndex(), 2);
        EXPECT_EQ(form.Settings().Activation.ToleranceDistance, before.Activation.ToleranceDistance);
        EXPECT_TRUE(form.Settings().ShowGrid);
        Get<QLineEdit>(d, "TolDist")->setText("0,05");
        QTest::mouseClick(Get<QPushButton>(d, "OKBtn"), Qt::LeftButton);
        EXPECT_EQ(accepted.count(), 1);
        return d.result();
    });
    Trigger("MenuEditOptions");
    auto errors = FDialogs->Of("error");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Tolerance distance must be between 0 and 100 mm.");
    EXPECT_EQ(form.Settings().Activation.ToleranceDistance, 0.05);
    EXPECT_FALSE(form.Settings().ShowGrid);

    // The other typed numbers likewise, each naming its own range.
    const std::pair<const char*, const char*> refused[] = {
        {"TolAngle", "Tolerance angle must be between 0 and 180 degrees."},
        {"CRDistance", "Centre of resistance distance must be between 0,01 and 100 mm."},
        {"FixedRange", "Max strain range must be between 0,1 and 180 degrees."},
    };
    for (const auto& [field, message] : refused) {
        Script([field = field](QDialog& d) {
            Get<QLineEdit>(d, field)->setText("-1");
            QTest::mouseClick(Get<QPushButton>(d, "OKBtn"), Qt::LeftButton);
            EXPECT_EQ(d.focusWidget(), Get<QLineEdit>(d, field)) << field;
            return int(QDialog::Rejected);
        });
        Trigger("MenuEditOptions");
        errors = FDialogs->Of("error");
        EXPECT_EQ(errors.back().text, message) << field;
    }
    EXPECT_EQ(form.Settings().Tooth.Distance, before.Tooth.Distance);

    // Apply to Wire refuses a side of "Other" that no wire can have before it
    // zeroes the load or touches the wire.
    Script([&](QDialog& d) {
        Get<QComboBox>(d, "WCrossSect")->setCurrentIndex(7);
        Get<QLineEdit>(d, "CrossA")->setText("500");
        QTest::mouseClick(Get<QPushButton>(d, "ApplyWireBut"), Qt::LeftButton);
        EXPECT_EQ(d.focusWidget(), Get<QLineEdit>(d, "CrossA"));
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(FDialogs->Of("error").back().text,
              "The first cross-section dimension must be between 0,01 and 100 tenths of a mm.");
    EXPECT_EQ(form.Design().RightForce.x, 20);
    EXPECT_EQ(form.Design().CurrentWire->Segment(3).size, before.Stock.Size);

    // Text that does not read as a number still takes its fallback silently.
    const std::size_t shown = FDialogs->Of("error").size();
    Script([&](QDialog& d) {
        Get<QLineEdit>(d, "TolDist")->setText("abc");
        QTest::mouseClick(Get<QPushButton>(d, "OKBtn"), Qt::LeftButton);
        return d.result();
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(FDialogs->Of("error").size(), shown);
    EXPECT_EQ(form.Settings().Activation.ToleranceDistance, 0.1);
}

TEST_F(TOptionsCommandTest, PagesAskForTheirHelpTopics) {
    TMainForm& form = Start();
    (void)form;
    std::vector<int> topics;
    Script([&](QDialog& d) {
        auto* pages = Get<QTabWidget>(d, "PageControl1");
        QObject::connect(static_cast<TTorvikDialog*>(&d), &TTorvikDialog::helpRequested,
                         [&](int aTopic) { topics.push_back(aTopic); });
        pages->setCurrentIndex(2);
        QTest::mouseClick(Get<QPushButton>(d, "HelpBut"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");
    EXPECT_EQ(topics, std::vector<int>({33}));
}

}  // namespace
}  // namespace torvik::test
