// Protects the force read-out: the panel texts for every kind of load and locale, their sizes, their tooltips with units and signs, and when the panels are rewritten around a run.
#include <QFontMetrics>
#include <QLabel>

#include "gui_fixture.h"
#include "locale_scope.h"
#include "mainwindow/force_readout.h"
#include "render/load_units.h"
#include "qt/locale_numbers.h"
#include "wire/applied_load.h"

namespace torvik::test {
namespace {

QString Readout(double x, double y, double m, const QLocale& aLocale = TLocaleScope::Point()) {
    return ForceReadoutText(TForceMoment(nullptr, x, y, m), aLocale);
}

TEST(ForceReadoutText, ShowsForceMomentAndBothRatios) {
    EXPECT_EQ(Readout(-10, 0, 50), " F: 10.00  M: 50.00  M/F: 5.00  M/Fx: 5.00 ");
    EXPECT_EQ(Readout(0, 20, -30), " F: 20.00  M: -30.00  M/F: -1.50  M/Fx: - ");
    EXPECT_EQ(Readout(0, 0, 0), " F: 0.00  M: 0.00  M/F: -  M/Fx: - ");
    // The ratios are those of the unrounded values.
    EXPECT_EQ(Readout(0.004, 0, 1), " F: 0.00  M: 1.00  M/F: 250.00  M/Fx: 250.00 ");
    // M/Fx divides by |Fx|: both ratios carry the moment's sign.
    EXPECT_EQ(Readout(3, -4, -10), " F: 5.00  M: -10.00  M/F: -2.00  M/Fx: -3.33 ");
    EXPECT_EQ(Readout(-3, -4, -10), " F: 5.00  M: -10.00  M/F: -2.00  M/Fx: -3.33 ");
    // A moment without a force.
    EXPECT_EQ(Readout(0, 0, 12.345), " F: 0.00  M: 12.35  M/F: -  M/Fx: - ");
    // A ratio too large to write is undefined rather than a failed redraw.
    EXPECT_EQ(Readout(1e-310, 0, 1e300), " F: 0.00  M: " + FormatLocal(1e300, "0.00", TLocaleScope::Point()) +
                                             "  M/F: -  M/Fx: - ");
}

TEST(ForceReadoutText, FollowsTheUsersLocale) {
    const QLocale comma = TLocaleScope::Comma();
    EXPECT_EQ(Readout(-10, 0, 50, comma), " F: 10,00  M: 50,00  M/F: 5,00  M/Fx: 5,00 ");
    EXPECT_EQ(Readout(0, 20, -30, comma), " F: 20,00  M: -30,00  M/F: -1,50  M/Fx: - ");
    TLocaleScope scope(comma);
    EXPECT_EQ(ForceReadoutText(TForceMoment(nullptr, 0.004, 0, 1)), " F: 0,00  M: 1,00  M/F: 250,00  M/Fx: 250,00 ");
}

class TForceReadoutTest : public TGuiTest {
protected:
    QLabel* Panel(const char* aName) { return FForm->findChild<QLabel*>(aName); }
    void ExpectPanelsShow(const QString& aLeft, const QString& aRight) {
        EXPECT_EQ(Panel("PanelForceLeft")->text(), aLeft);
        EXPECT_EQ(Panel("PanelForceRight")->text(), aRight);
    }
};

TEST_F(TForceReadoutTest, PanelsShowTheLoadsSizedToTheirTexts) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    ExpectPanelsShow(" F: 0.00  M: 0.00  M/F: -  M/Fx: - ", " F: 0.00  M: 0.00  M/F: -  M/Fx: - ");

    // Right bracket at (20, 10), left at (10, 10): the load (0, 20, -30)
    // balances as (0, -20, -170).
    ApplyLoad(form.Design(), 0, 20, -30);
    form.DrawDisplay();
    QApplication::processEvents();
    ExpectPanelsShow(" F: 20.00  M: -170.00  M/F: -8.50  M/Fx: - ", " F: 20.00  M: -30.00  M/F: -1.50  M/Fx: - ");

    const QFontMetrics metrics = form.fontMetrics();
    QLabel* left = Panel("PanelForceLeft");
    QLabel* right = Panel("PanelForceRight");
    EXPECT_EQ(left->width(), metrics.horizontalAdvance(left->text()));
    EXPECT_EQ(right->width(), metrics.horizontalAdvance(right->text()));
    EXPECT_EQ(form.findChild<QWidget*>("PanelForces")->height(), metrics.height() + 7);
    // Left and right in the bar.
    EXPECT_LT(left->geometry().right(), right->geometry().left());
    // The units and the sense of the signs, which the texts leave out, are
    // in the panels' tooltips, on one line, after the sentence on stale loads
    // (these were set, not found by a run).
    ASSERT_TRUE(form.CurrentViewSettings().LoadsStale);
    for (QLabel* panel : {left, right}) {
        const QString tip = panel->toolTip();
        EXPECT_EQ(tip.toStdString(), ForcePanelTip(true));
        const QString units = tip.split('\n').last();
        EXPECT_EQ(units.toStdString(), ForcePanelTip(false));
        EXPECT_TRUE(units.startsWith("Forces in cN, moments in cN\u00B7mm, M/F and M/Fx in mm;")) << tip.toStdString();
        EXPECT_TRUE(units.contains("clockwise")) << tip.toStdString();
    }
    EXPECT_FALSE(QString::fromStdString(ForcePanelTip(false)).contains('\n'));
    EXPECT_EQ(ForcePanelTip(true),
              "These loads no longer meet the right bracket: run the activation again (F5).\n" + ForcePanelTip(false));

    // A load too large for the bar is cut off; it does not widen the window.
    const int width = form.width();
    // A vanishing force under a large moment: M/F has over 300 digits.
    ApplyLoad(form.Design(), 1e-300, 0, 1e6);
    form.DrawDisplay();
    QApplication::processEvents();
    EXPECT_EQ(form.width(), width);
    EXPECT_LE(form.minimumSizeHint().width(), width);
    EXPECT_LE(right->geometry().right(), form.findChild<QWidget*>("PanelForces")->width());
    ApplyLoad(form.Design(), 0, 20, -30);
    form.DrawDisplay();

    // The read-out shows the stored values whichever way the arrows point.
    form.Settings().View.ViewFlags &= ~ViewBracketForcesBit;
    form.DrawDisplay();
    EXPECT_EQ(right->text(), " F: 20.00  M: -30.00  M/F: -1.50  M/Fx: - ");
}

TEST_F(TForceReadoutTest, PanelsFollowTheUsersLocale) {
    TLocaleScope locale(TLocaleScope::Comma());
    TMainForm& form = Start();
    ApplyLoad(form.Design(), -10, 0, 50);
    form.DrawDisplay();
    EXPECT_EQ(Panel("PanelForceRight")->text(), " F: 10,00  M: 50,00  M/F: 5,00  M/Fx: 5,00 ");
}

TEST_F(TForceReadoutTest, PanelsKeepTheirTextsDuringARunAndShowTheFinalLoadsAfterIt) {
    TLocaleScope locale(TLocaleScope::Point());
    TMainForm& form = Start();
    FDialogs->openNames.push_back(WriteLoop("readout.tvk"));
    Trigger("ActionFileOpen");
    const QString zero = " F: 0.00  M: 0.00  M/F: -  M/Fx: - ";
    ExpectPanelsShow(zero, zero);

    // A run without automatic stop: the panels keep the loads of the last
    // idle redraw however far it goes, and Stop shows the final ones.
    form.Settings().Activation.AutoStop = false;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Design().RightForce.x != 0.0; }));
    ExpectPanelsShow(zero, zero);
    Trigger("ActionStopRun");
    const TDesign& d = form.Design();
    ExpectPanelsShow(ForceReadoutText(d.LeftForce), ForceReadoutText(d.RightForce));
    EXPECT_NE(Panel("PanelForceRight")->text(), zero);

    // The automatic stop shows the final loads too.
    Trigger("ActionForceZero");
    form.Settings().Activation.AutoStop = true;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return !form.Running(); }));
    ASSERT_NE(d.RightForce.x, 0.0);
    ExpectPanelsShow(ForceReadoutText(d.LeftForce), ForceReadoutText(d.RightForce));
    EXPECT_NE(Panel("PanelForceRight")->text(), zero);
}

}  // namespace
}  // namespace torvik::test
