// Protects Run > Activation Curve...: it stops a running activation, computes
// the curve behind a progress window that can be cancelled, shows the curve
// window, and leaves the design as it was.
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "dialogs/activation_curve_form.h"
#include "dialogs/progress_form.h"
#include "gui_fixture.h"

namespace torvik::test {
namespace {

class TCurveCommandsTest : public TGuiTest {
protected:
    void OpenLoop() {
        FDialogs->openNames.push_back(WriteLoop("curve.tvk"));
        Trigger("ActionFileOpen");
        ASSERT_EQ(FForm->Design().CurrentWire->Count(), 40);
    }
    // A script for the progress window: lets it work to the end.
    static int WaitForProgress(QDialog& aDialog) {
        auto* progress = dynamic_cast<TProgressForm*>(&aDialog);
        if (!progress) return QDialog::Rejected;
        QElapsedTimer clock;
        clock.start();
        while (!progress->Finished() && clock.elapsed() < 20000) QApplication::processEvents(QEventLoop::AllEvents, 20);
        return progress->result();
    }
};

TEST_F(TCurveCommandsTest, ComputesShowsAndLeavesTheDesign) {
    TMainForm& form = Start();
    OpenLoop();
    QAction* action = form.Action("ActionActivationCurve");
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->text(), "Activation &Curve...");
    const auto* run = form.findChild<QMenu*>("MenuRun");
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(run->actions().contains(action));

    // A running activation is stopped first.
    form.Settings().Activation.AutoStop = false;
    Trigger("ActionRun");
    ASSERT_TRUE(ProcessUntil([&] { return form.Design().RightForce.x != 0.0; }));
    EXPECT_TRUE(form.Running());

    int rows = 0, progressShown = 0;
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        ++progressShown;
        EXPECT_FALSE(form.Running());
        return WaitForProgress(d);
    });
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        auto* curve = dynamic_cast<TActivationCurveForm*>(&d);
        EXPECT_NE(curve, nullptr);
        if (!curve) return QDialog::Rejected;
        rows = curve->findChild<QTableWidget*>("StepsGrid")->rowCount();
        EXPECT_TRUE(curve->Curve().Complete());
        EXPECT_EQ(curve->Curve().Settings().TargetMode, form.Settings().Activation.TargetMode);
        // Computing again with other steps goes through a progress window too.
        FDialogs->dialogScripts.push_front(WaitForProgress);
        curve->findChild<QSpinBox*>("StepsEdit")->setValue(4);
        curve->findChild<QPushButton*>("ComputeBtn")->click();
        EXPECT_EQ(curve->findChild<QTableWidget*>("StepsGrid")->rowCount(), 4);
        return QDialog::Accepted;
    });
    const double forceBefore = form.Design().RightForce.x;
    const TPointReal cornerBefore = form.Design().CurrentWire->Corner();
    Trigger("ActionActivationCurve");
    EXPECT_FALSE(form.Running());
    EXPECT_EQ(progressShown, 1);
    EXPECT_EQ(rows, 20);
    EXPECT_TRUE(FDialogs->dialogScripts.empty());
    EXPECT_TRUE(FDialogs->Of("error").empty());
    // The design keeps its load and shape.
    EXPECT_EQ(form.Design().RightForce.x, forceBefore);
    EXPECT_EQ(form.Design().CurrentWire->Corner(), cornerBefore);
    EXPECT_EQ(form.Design().RightForce.origin, form.Design().RightBracket.Origin());

    // The next curve starts with the steps last used.
    FDialogs->dialogScripts.push_back(WaitForProgress);
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        rows = d.findChild<QTableWidget*>("StepsGrid")->rowCount();
        return QDialog::Accepted;
    });
    Trigger("ActionActivationCurve");
    EXPECT_EQ(rows, 4);
}

TEST_F(TCurveCommandsTest, CancelShowsNothingAndNoPathIsSaid) {
    TMainForm& form = Start();
    OpenLoop();
    FDialogs->dialogScripts.push_back([](QDialog& d) {
        d.findChild<QPushButton*>("CancelBtn")->click();
        return d.result();
    });
    Trigger("ActionActivationCurve");
    // Only the progress window was shown.
    EXPECT_EQ(FDialogs->Of("dialog").size(), 1u);
    EXPECT_EQ(FDialogs->Of("dialog")[0].text, "ProgressForm");

    // A bracket on the unloaded wire's end, in its direction, leaves
    // nothing to follow.
    TDesign& d = form.Design();
    const TPointReal end = d.CurrentWire->Corner();
    d.RightBracket.Origin()->SetXY(end.x, end.y);
    d.RightBracket.SetDirection(d.CurrentWire->EndDirection());
    Trigger("ActionActivationCurve");
    ASSERT_EQ(FDialogs->Of("inform").size(), 1u);
    EXPECT_EQ(FDialogs->Of("inform")[0].title, "Activation Curve");
    EXPECT_EQ(FDialogs->Of("dialog").size(), 1u);
}

}  // namespace
}  // namespace torvik::test
