// Protects the "Wire Slides in Slot" switch: its Run menu item, the status panel, its own settings section, and runs that use the sliding slot and return to the fixed one.
#include <QLabel>

#include "gui_fixture.h"
#include "settings/settings.h"
#include "support/ini_file.h"

namespace torvik::test {
namespace {

class TEngagementTest : public TGuiTest {
protected:
    QString PanelText() const { return FForm->findChild<QLabel*>("PanelInSlot")->text(); }

    // Opens a straight 15 mm wire with a 2 degree V-bend 1.5 mm from the left
    // bracket; the right bracket on the left one's line, 15 mm away.
    void OpenVBend() {
        TDesign d(0.25, DefaultStock());
        for (int i = 1; i < 60; ++i) d.CurrentWire->AddSeg(0.25, i == 5 ? ToRadians(2) : 0);
        d.RightBracket.Origin()->SetXY(25, 10);
        const QString file = Path("v.tvk");
        SaveDesign(file.toStdString(), *d.CurrentWire, d.LeftBracket, d.RightBracket);
        FDialogs->openNames.push_back(file);
        Trigger("ActionFileOpen");
        ASSERT_EQ(FForm->Design().CurrentWire->Count(), 60);
    }
};

TEST_F(TEngagementTest, MenuItemPanelAndSettings) {
    TMainForm& form = Start();
    QAction* slides = form.Action("MenuRunWireSlides");
    ASSERT_NE(slides, nullptr);
    EXPECT_EQ(slides->text(), "Wire Slides in Slot");
    EXPECT_TRUE(slides->isCheckable());
    EXPECT_TRUE(slides->isEnabled());
    EXPECT_FALSE(slides->isChecked());  // off at start
    EXPECT_EQ(PanelText(), "Slot");

    Trigger("MenuRunWireSlides");
    EXPECT_TRUE(slides->isChecked());
    EXPECT_TRUE(form.Settings().Activation.WireSlides);
    EXPECT_EQ(PanelText(), "Slot (sliding)");
    // The panel is wide enough for the longer name.
    QLabel* panel = form.findChild<QLabel*>("PanelInSlot");
    EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance("Slot (sliding)"));
    // The switch concerns the slot only; the three targets stay as they are.
    form.Settings().Activation.TargetMode = TargetPoint;
    form.ApplySettings();
    EXPECT_EQ(PanelText(), "Point");
    EXPECT_TRUE(slides->isChecked());
    form.Settings().Activation.TargetMode = TargetSlot;
    form.ApplySettings();
    EXPECT_EQ(PanelText(), "Slot (sliding)");

    // Kept in a section of its own; the target key is unchanged.
    EXPECT_TRUE(form.close());
    FForm.reset();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(SettingsFile().toStdString()));
    EXPECT_EQ(ini.KeyNames("Engagement"), std::vector<std::string>{"Wire Slides in Slot"});
    EXPECT_EQ(ini.ReadString("Engagement", "Wire Slides in Slot", ""), "1");
    EXPECT_EQ(ini.ReadString("Calculation", "Target", ""), "2");

    TMainForm& again = Start();
    EXPECT_TRUE(again.Action("MenuRunWireSlides")->isChecked());
    EXPECT_EQ(PanelText(), "Slot (sliding)");
    Trigger("MenuRunWireSlides");
    EXPECT_FALSE(again.Settings().Activation.WireSlides);
    EXPECT_EQ(PanelText(), "Slot");
}

TEST(EngagementSettingsTest, OlderFilesReadAsFixedSlot) {
    TSettings s;
    TIniFile old;
    old.Parse("[Calculation]\r\nTarget=2\r\n");
    ReadSettings(old, s);
    EXPECT_FALSE(s.Activation.WireSlides);
    TIniFile on;
    on.Parse("[Engagement]\r\nWire Slides in Slot=1\r\n");
    ReadSettings(on, s);
    EXPECT_TRUE(s.Activation.WireSlides);
    TIniFile bad;
    bad.Parse("[Engagement]\r\nWire Slides in Slot=yes\r\n");
    ReadSettings(bad, s);
    EXPECT_FALSE(s.Activation.WireSlides);

    // Writing adds the section and leaves the others' keys as they were.
    TIniFile written;
    written.Parse("[General]\r\nVersion=1.0.0.0\r\n");
    WriteSettings(written, s, "Default");
    EXPECT_EQ(written.ReadString("Engagement", "Wire Slides in Slot", ""), "0");
    EXPECT_EQ(written.KeyNames("Calculation"), (std::vector<std::string>{"Auto Stop", "Tolerance Distance",
                                                                         "Tolerance Angle", "Target", "Refine Loads"}));
}

TEST_F(TEngagementTest, RunsSlideWhileCheckedAndReturnToTheBracket) {
    TMainForm& form = Start();
    OpenVBend();
    Trigger("MenuRunWireSlides");
    TDesign& d = form.Design();
    const TPointRef bracketPoint = d.RightBracket.Origin();
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
    EXPECT_TRUE(FDialogs->Of("error").empty());
    // In the slot, free along it: no force along the slot, the load where
    // the wire end sits, the bracket where it was.
    EXPECT_LE(std::abs(EndOffsetAcross(d)), form.Settings().Activation.ToleranceDistance);
    EXPECT_LE(EndAngle(d), form.Settings().Activation.ToleranceAngle);
    EXPECT_EQ(d.RightForce.x, 0.0);
    EXPECT_GT(std::abs(d.RightForce.y), 1.0);
    EXPECT_FALSE(d.LoadAtBracket());
    EXPECT_EQ(d.RightBracket.Origin(), bracketPoint);
    EXPECT_EQ(*bracketPoint, TPointReal(25, 10));
    // (The point is the foot of the wire end as the last iteration began.)
    EXPECT_NEAR(d.RightForce.origin->x, d.CurrentWire->Corner().x, 1e-3);
    EXPECT_EQ(d.RightForce.origin->y, 10);
    // The left bracket balances the load where it acts.
    const TPointReal& p = *d.RightForce.origin;
    EXPECT_NEAR(d.LeftForce.m, -d.RightForce.m + (10 - p.x) * d.RightForce.y, 1e-9);

    // Unchecked, the next run returns the load to the bracket's point.
    Trigger("MenuRunWireSlides");
    form.Settings().Activation.AutoStop = false;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return d.LoadAtBracket(); }));
    Trigger("ActionStopRun");
    EXPECT_EQ(d.RightForce.origin, bracketPoint);
    EXPECT_EQ(*bracketPoint, TPointReal(25, 10));
}

}  // namespace
}  // namespace torvik::test
