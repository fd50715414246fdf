// Protects the force commands in the window: Edit Force through the real editor, Zero Force, the status-panel double clicks, Zoom Forces and Show Strain.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "gui_fixture.h"
#include "locale_scope.h"
#include "qt/locale_numbers.h"
#include "wire/applied_load.h"

namespace torvik::test {
namespace {

class TForceCommandsTest : public TGuiTest {
protected:
    void OpenLoop() {
        FDialogs->openNames.push_back(WriteLoop("forces.tvk"));
        Trigger("ActionFileOpen");
        ASSERT_EQ(FForm->Design().CurrentWire->Count(), 40);
    }
    // Scripts the next dialog: fills the edits of aTexts and closes with aResult.
    void Answer(std::vector<std::pair<const char*, QString>> aTexts, int aResult) {
        FDialogs->dialogScripts.push_back([aTexts, aResult](QDialog& aDialog) {
            for (const auto& [name, text] : aTexts) {
                auto* edit = aDialog.findChild<QLineEdit*>(name);
                EXPECT_NE(edit, nullptr) << name;
                if (edit) edit->setText(text);
            }
            return aResult;
        });
    }
    TPointReal Tip() const { return FForm->Design().CurrentWire->Corner(); }
    QString Panel(const char* aName) { return FForm->findChild<QLabel*>(aName)->text(); }
};

TEST_F(TForceCommandsTest, EditForceAppliesTheTypedLoadOnOKOnly) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    OpenLoop();
    ASSERT_TRUE(form.Action("ActionForceEdit")->isEnabled());
    const TPointReal rest = Tip();

    // What the editor shows when it opens.
    ApplyLoad(form.Design(), 3, 4, 10);
    QString shownX, shownRatio, shownLeftX;
    FDialogs->dialogScripts.push_back([&](QDialog& aDialog) {
        shownX = aDialog.findChild<QLineEdit*>("XDir")->text();
        shownRatio = aDialog.findChild<QLabel*>("RightMF")->text();
        shownLeftX = aDialog.findChild<QLabel*>("LeftXDir")->text();
        return int(QDialog::Rejected);
    });
    Trigger("ActionForceEdit");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 1u);
    EXPECT_EQ(FDialogs->Of("dialog")[0].title, "Edit Force");
    EXPECT_EQ(shownX, "3.00");
    EXPECT_EQ(shownRatio, "2.00");
    EXPECT_EQ(shownLeftX, "-3.00");

    // Cancel changes nothing, whatever was typed.
    const TPointReal loaded = Tip();
    Answer({{"XDir", "40"}, {"YDir", "-5"}, {"Moment", "12"}}, QDialog::Rejected);
    Trigger("ActionForceEdit");
    EXPECT_EQ(form.Design().RightForce.x, 3);
    EXPECT_EQ(Tip().x, loaded.x);

    // OK: the load, its balance, the wire and the read-out.
    Answer({{"XDir", "40"}, {"YDir", "-5"}, {"Moment", "12"}}, QDialog::Accepted);
    Trigger("ActionForceEdit");
    const TDesign& d = form.Design();
    EXPECT_EQ(d.RightForce.x, 40);
    EXPECT_EQ(d.RightForce.y, -5);
    EXPECT_EQ(d.RightForce.m, 12);
    EXPECT_EQ(d.LeftForce.x, -40);
    EXPECT_GT(Tip().x, rest.x + 0.01);  // pulled towards +x
    EXPECT_EQ(Panel("PanelForceRight"), " F: 40.31  M: 12.00  M/F: 0.30  M/Fx: 0.30 ");
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

TEST_F(TForceCommandsTest, EditForceWithAnUnreadableFieldSaysSoAndChangesNothing) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    OpenLoop();
    ApplyLoad(form.Design(), 3, 4, 10);
    form.DrawDisplay();
    const TPointReal loaded = Tip();
    const double leftM = form.Design().LeftForce.m;
    const QString panel = Panel("PanelForceRight");

    // The first field reads, the second does not.
    Answer({{"XDir", "50"}, {"YDir", "4,5"}, {"Moment", "10"}}, QDialog::Accepted);
    Trigger("ActionForceEdit");
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_EQ(FDialogs->Of("error")[0].text, "Incorrect value entered.");
    const TDesign& d = form.Design();
    EXPECT_EQ(d.RightForce.x, 3);
    EXPECT_EQ(d.RightForce.y, 4);
    EXPECT_EQ(d.LeftForce.m, leftM);
    EXPECT_EQ(Tip().x, loaded.x);
    EXPECT_EQ(Tip().y, loaded.y);
    EXPECT_EQ(Panel("PanelForceRight"), panel);

    // A load the wire cannot take is reported and changes nothing either.
    // (The first overflows the calculation, the second bends the wire
    // beyond any drawing.)
    for (const auto& [force, moment] : {std::pair{"1e308", "0"}, std::pair{"0", "1e15"}}) {
        Answer({{"XDir", force}, {"YDir", force}, {"Moment", moment}}, QDialog::Accepted);
        Trigger("ActionForceEdit");
        EXPECT_TRUE(FDialogs->shown.back().text.startsWith("The wire cannot take this load")) << moment;
        EXPECT_EQ(d.RightForce.x, 3);
        EXPECT_EQ(d.LeftForce.m, leftM);
        EXPECT_EQ(Tip().x, loaded.x);
        EXPECT_EQ(Panel("PanelForceRight"), panel);
    }
    EXPECT_EQ(FDialogs->Of("error").size(), 3u);
}

TEST_F(TForceCommandsTest, EditForceReadsTheUsersLocale) {
    TLocaleScope locale(TLocaleScope::Comma());
    TMainForm& form = Start();
    OpenLoop();
    Answer({{"XDir", "2,5"}, {"YDir", "0"}, {"Moment", "-1,25"}}, QDialog::Accepted);
    Trigger("ActionForceEdit");
    EXPECT_EQ(form.Design().RightForce.x, 2.5);
    EXPECT_EQ(form.Design().RightForce.m, -1.25);
    EXPECT_EQ(Panel("PanelForceRight"), " F: 2,50  M: -1,25  M/F: -0,50  M/Fx: -0,50 ");
}

TEST_F(TForceCommandsTest, EditForceTakesItsOwnNegativeNumbersBackInARightToLeftLocale) {
    // Hebrew writes its minus sign with a direction mark; OK on the editor as
    // it opened keeps the load, and both ratios read the shown numbers.
    TLocaleScope locale(QLocale(QLocale::Hebrew, QLocale::Israel));
    TMainForm& form = Start();
    OpenLoop();
    ApplyLoad(form.Design(), -3, -4, -10);
    QString rightRatio, leftRatio;
    FDialogs->dialogScripts.push_back([&](QDialog& aDialog) {
        rightRatio = aDialog.findChild<QLabel*>("RightMF")->text();
        leftRatio = aDialog.findChild<QLabel*>("LeftMF")->text();
        return int(QDialog::Accepted);
    });
    Trigger("ActionForceEdit");
    EXPECT_TRUE(FDialogs->Of("error").empty());
    EXPECT_EQ(form.Design().RightForce.x, -3);
    EXPECT_EQ(form.Design().RightForce.y, -4);
    EXPECT_EQ(form.Design().RightForce.m, -10);
    EXPECT_EQ(rightRatio, FormatLocal(-2, "0.00"));
    EXPECT_NE(leftRatio, "Undefined");
}

TEST_F(TForceCommandsTest, ZeroForceReturnsTheWireToRest) {
    TMainForm& form = Start();
    OpenLoop();
    const TPointReal rest = Tip();
    ApplyLoad(form.Design(), 30, 20, -40);
    ASSERT_GT(Distance(Tip(), rest), 0.01);
    Trigger("ActionForceZero");
    const TDesign& d = form.Design();
    EXPECT_EQ(d.RightForce.x, 0);
    EXPECT_EQ(d.RightForce.m, 0);
    EXPECT_EQ(d.LeftForce.x, 0);
    EXPECT_EQ(d.LeftForce.y, 0);
    EXPECT_EQ(d.LeftForce.m, 0);
    EXPECT_NEAR(Tip().x, rest.x, 1e-12);
    EXPECT_NEAR(Tip().y, rest.y, 1e-12);
    EXPECT_EQ(d.CurrentWire->MaxStrain(), 0);
    EXPECT_EQ(Panel("PanelForceLeft"), " F: 0.00  M: 0.00  M/F: -  M/Fx: - ");
}

TEST_F(TForceCommandsTest, DoubleClicksOnTheStatusPanelsSwitchTargetAndStop) {
    TMainForm& form = Start();
    auto* inSlot = form.findChild<QLabel*>("PanelInSlot");
    auto* autoStop = form.findChild<QLabel*>("PanelAuto");
    ASSERT_EQ(form.Settings().Activation.TargetMode, TargetSlot);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseDClick(inSlot, Qt::LeftButton);
        shown << inSlot->text();
    }
    EXPECT_EQ(shown, QStringList({"Point", "Angle", "Slot"}));
    EXPECT_EQ(form.Settings().Activation.TargetMode, TargetSlot);

    QTest::mouseDClick(autoStop, Qt::LeftButton);
    EXPECT_FALSE(form.Settings().Activation.AutoStop);
    EXPECT_EQ(autoStop->text(), "Manual Stop");
    QTest::mouseDClick(autoStop, Qt::LeftButton);
    EXPECT_TRUE(form.Settings().Activation.AutoStop);
    EXPECT_EQ(autoStop->text(), "Auto Stop");
    // A single click changes nothing.
    QTest::mouseClick(autoStop, Qt::LeftButton);
    EXPECT_TRUE(form.Settings().Activation.AutoStop);
}

TEST_F(TForceCommandsTest, ZoomForcesScalesTheArrowsAndShowStrainSwitchesTheColours) {
    TMainForm& form = Start();
    auto* submenu = form.findChild<QMenu*>("MenuZoomForces");
    ASSERT_NE(submenu, nullptr);
    EXPECT_TRUE(submenu->isEnabled());
    double& scale = form.Settings().View.ForceScale;
    scale = 0.3;  // not a power of two
    Trigger("MenuViewZoomForcesIn");
    EXPECT_EQ(scale, 0.15);
    Trigger("MenuViewZoomForcesIn");
    Trigger("MenuViewZoomForcesOut");
    Trigger("MenuViewZoomForcesOut");
    EXPECT_EQ(scale, 0.3);

    ApplyLoad(form.Design(), 0, 0, 0);
    QAction* strain = form.Action("MenuViewStrain");
    ASSERT_TRUE(strain->isEnabled());
    EXPECT_FALSE(strain->isChecked());
    Trigger("MenuViewStrain");
    EXPECT_TRUE(strain->isChecked());
    EXPECT_TRUE(form.Settings().View.ViewStrain);
    Trigger("MenuViewStrain");
    EXPECT_FALSE(form.Settings().View.ViewStrain);
}

}  // namespace
}  // namespace torvik::test
