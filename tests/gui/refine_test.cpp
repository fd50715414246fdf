// Protects the refinement of the loads in the window: after an automatic stop the wire and the read-out show full engagement, never after a manual stop; off gives the classic run exactly; a failed refinement keeps the stopped run and says why; the Options check box reaches the settings file and back.
#include <QCheckBox>
#include <QLabel>

#include "gui_fixture.h"
#include "solve/newton.h"
#include "support/ini_file.h"
#include "wire/design_file.h"

namespace torvik::test {
namespace {

class TRefineTest : public TGuiTest {
protected:
    // Opens the L-shaped wire, its end 0.36 mm from the right bracket.
    TMainForm& OpenLoop() {
        TMainForm& form = Start();
        FFile = WriteLoop("run.tvk");
        FDialogs->openNames.push_back(FFile);
        Trigger("ActionFileOpen");
        return form;
    }
    // Runs from zero load until the run ends.
    void RunFromZero(TMainForm& form) {
        Trigger("ActionForceZero");
        Trigger("ActionRun");
        ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
    }
    // The same design activated by the classic run alone, outside the window.
    std::unique_ptr<TDesign> Classic(const TActivationSettings& aSettings) {
        auto d = LoadDesign(FFile.toStdString(), 0.25, FForm->Settings().Stock);
        TActivationRun run;
        while (run.Iterate(*d, aSettings).stop == TStopReason::None) {
        }
        return d;
    }
    QString Status() const { return FForm->findChild<QLabel*>("PanelBottom")->text(); }
    QString ReadOut() const { return FForm->findChild<QLabel*>("PanelForceRight")->text(); }

    QString FFile;
};

TEST_F(TRefineTest, RefinesAfterAnAutomaticStopOnlyAndOffIsTheClassicRun) {
    TMainForm& form = OpenLoop();
    const TDesign& d = form.Design();
    TActivationSettings& s = form.Settings().Activation;
    ASSERT_TRUE(s.RefineLoads);  // on at start

    // Refined: the classic run's stop, then full engagement.
    RunFromZero(form);
    EXPECT_TRUE(FDialogs->Of("error").empty());
    auto refined = Classic(s);
    ASSERT_EQ(RefineLoads(*refined, s).end, TSolveEnd::Converged);
    EXPECT_EQ(d.RightForce.x, refined->RightForce.x);
    EXPECT_EQ(d.RightForce.m, refined->RightForce.m);
    EXPECT_EQ(d.LeftForce.m, refined->LeftForce.m);
    EXPECT_LE(EndDistance(d), 1e-6);
    EXPECT_EQ(d.CurrentWire->Corner(), refined->CurrentWire->Corner());
    EXPECT_TRUE(Status().startsWith("The loads are refined to full engagement with the right bracket (")) << Status().toStdString();
    const QString refinedReadOut = ReadOut();

    // Off: the classic numbers exactly, and the read-out shows them.
    s.RefineLoads = false;
    FForm->findChild<QLabel*>("PanelBottom")->clear();
    RunFromZero(form);
    const auto classic = Classic(s);
    EXPECT_EQ(d.RightForce.x, classic->RightForce.x);
    EXPECT_EQ(d.RightForce.y, classic->RightForce.y);
    EXPECT_EQ(d.RightForce.m, classic->RightForce.m);
    EXPECT_EQ(d.CurrentWire->Corner(), classic->CurrentWire->Corner());
    EXPECT_GT(EndDistance(d), 0.01);
    EXPECT_TRUE(Status().isEmpty()) << Status().toStdString();
    EXPECT_NE(ReadOut(), refinedReadOut);

    // A manual stop shows the loads as they stand.
    s.RefineLoads = true;
    s.AutoStop = false;
    Trigger("ActionForceZero");
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return d.RightForce.x != 0; }));
    // However far the run got by then, Stop keeps its loads and shape.
    const TForceMoment before = d.RightForce;
    const TPointReal corner = d.CurrentWire->Corner();
    Trigger("ActionStopRun");
    EXPECT_FALSE(form.Running());
    EXPECT_EQ(d.RightForce.x, before.x);
    EXPECT_EQ(d.RightForce.y, before.y);
    EXPECT_EQ(d.RightForce.m, before.m);
    EXPECT_EQ(d.CurrentWire->Corner(), corner);
    EXPECT_TRUE(Status().isEmpty()) << Status().toStdString();
}

TEST_F(TRefineTest, AFailedRefinementKeepsTheStoppedRunAndSaysWhy) {
    // The L's end turned by 1.25 rad; tolerances so generous that the run
    // stops at once, where full engagement would overstrain the wire.
    TMainForm& form = Start();
    TDesign d(0.25, DefaultStock());
    for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, i == 19 ? Pi / 2 : 0);
    for (int i = 0; i < 20; ++i) d.CurrentWire->AddSeg(0.25, 0);
    const TPointReal tip = d.CurrentWire->Corner();
    d.RightBracket.Origin()->SetXY(tip.x, tip.y);
    d.RightBracket.SetDirection(d.CurrentWire->EndDirection() + 1.25);
    FFile = Path("turned.tvk");
    SaveDesign(FFile.toStdString(), *d.CurrentWire, d.LeftBracket, d.RightBracket);
    FDialogs->openNames.push_back(FFile);
    Trigger("ActionFileOpen");
    TActivationSettings& s = form.Settings().Activation;
    s.ToleranceDistance = 5;
    s.ToleranceAngle = ToRadians(80);

    RunFromZero(form);
    EXPECT_TRUE(FDialogs->Of("error").empty());
    const auto stopped = Classic(s);
    EXPECT_EQ(form.Design().RightForce.x, stopped->RightForce.x);
    EXPECT_EQ(form.Design().RightForce.m, stopped->RightForce.m);
    EXPECT_EQ(form.Design().CurrentWire->Corner(), stopped->CurrentWire->Corner());
    EXPECT_EQ(Status(), "The loads are those of the stopped run, not refined: a segment would be bent by more than "
                        "10°.");
}

TEST_F(TRefineTest, TheOptionsCheckBoxReachesTheSettingsFileAndBack) {
    TMainForm& form = Start();
    bool shown = true;
    FDialogs->dialogScripts.push_back([&](QDialog& dialog) {
        QCheckBox* box = dialog.findChild<QCheckBox*>("RefineLoads");
        shown = box->isChecked();
        box->setChecked(false);
        return int(QDialog::Accepted);
    });
    Trigger("MenuEditOptions");
    EXPECT_TRUE(shown);
    EXPECT_FALSE(form.Settings().Activation.RefineLoads);

    EXPECT_TRUE(form.close());
    FForm.reset();
    TIniFile ini;
    ASSERT_TRUE(ini.Load(SettingsFile().toStdString()));
    EXPECT_EQ(ini.ReadString("Calculation", "Refine Loads", ""), "0");

    Start();
    FDialogs->dialogScripts.push_back([&](QDialog& dialog) {
        shown = dialog.findChild<QCheckBox*>("RefineLoads")->isChecked();
        return int(QDialog::Rejected);
    });
    Trigger("MenuEditOptions");
    EXPECT_FALSE(shown);
    EXPECT_FALSE(FForm->Settings().Activation.RefineLoads);
}

}  // namespace
}  // namespace torvik::test
