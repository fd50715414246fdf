// Protects Run > Parameter Sweep... and Run > Fit Loop...: enabled only for a design that keeps a template (and the explanation otherwise), the sweep's and the fit's dialogs in the user's locale, the work on a worker thread behind a progress window that Cancel ends with nothing changed, the sweep window's table and chart, and the fit report whose OK makes the fitted loop the design as one undo step.
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "dialog_script.h"
#include "dialogs/fit_dialog.h"
#include "dialogs/fit_report_form.h"
#include "dialogs/progress_form.h"
#include "dialogs/sweep_dialog.h"
#include "dialogs/sweep_form.h"
#include "gui_fixture.h"
#include "locale_scope.h"
#include "mainwindow/sweep_fit_commands.h"
#include "solve/loop_template.h"

namespace torvik::test {
namespace {

class TSweepFitCommandsTest : public TGuiTest {
protected:
    // Opens a T-loop of 0.017 x 0.025 TMA, 13 mm high, activated 0.5 mm.
    void OpenTLoop() {
        TLoopTemplate t(*FindLoopForm("t-loop"));
        t.Stock = {DefaultMaterialTable()[1], DefaultCrossSectionTable()[5]};
        t.SetValue("height", 13);
        t.SetValue("activation", 0.5);
        const QString file = Path("t.tvk");
        SaveDesign(file.toStdString(), *t.Generate());
        FDialogs->openNames.push_back(file);
        Trigger("ActionFileOpen");
        ASSERT_TRUE(FForm->Design().Template);
    }
    bool Enabled(const char* aAction) {
        emit FForm->findChild<QMenu*>("MenuRun")->aboutToShow();
        return FForm->Action(aAction)->isEnabled();
    }
    // A script for the progress window: lets the worker run to its end, or
    // cancels it at once.
    static std::function<int(QDialog&)> Progress(bool aCancel = false) {
        return [aCancel](QDialog& aDialog) {
            auto* progress = dynamic_cast<TProgressForm*>(&aDialog);
            if (!progress) {
                ADD_FAILURE() << "not the progress window: " << aDialog.objectName().toStdString();
                return int(QDialog::Rejected);
            }
            if (aCancel) {
                progress->findChild<QPushButton*>("CancelBtn")->click();
                return progress->result();
            }
            QElapsedTimer clock;
            clock.start();
            while (!progress->Finished() && clock.elapsed() < 20000)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
            return progress->result();
        };
    }
};

TEST_F(TSweepFitCommandsTest, SweepsAParameterOfTheTemplateOnAWorkerThread) {
    TLocaleScope comma(TLocaleScope::Comma());
    TMainForm& form = Start();
    // A design bent by hand keeps no template: the commands are off, and
    // say how to get one.
    EXPECT_FALSE(Enabled("ActionParameterSweep"));
    EXPECT_FALSE(Enabled("ActionFitLoop"));
    form.findChild<TSweepFitCommands*>("SweepFitCommands")->ParameterSweepExecute();
    ASSERT_EQ(FDialogs->Of("inform").size(), 1u);
    EXPECT_TRUE(FDialogs->Of("inform")[0].text.contains("File > New from Template..."));
    EXPECT_TRUE(FDialogs->Of("dialog").empty());

    OpenTLoop();
    EXPECT_TRUE(Enabled("ActionParameterSweep"));
    EXPECT_TRUE(Enabled("ActionFitLoop"));
    const int segments = form.Design().CurrentWire->Count();

    QString range, problem;
    int rows = 0, series = 0;
    QString summary, failedWhy;
    const QString csv = Path("sweep.csv");
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<TSweepDialog&>(d);
        // It proposes the height around the design's 13 mm, in the locale.
        EXPECT_EQ(dialog.findChild<QLineEdit*>("SweepFrom")->text(), "11");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("SweepTo")->text(), "15");
        dialog.findChild<QComboBox*>("SweepParameter")->setCurrentIndex(FindLoopForm("t-loop")->IndexOf("radius"));
        range = dialog.findChild<QLabel*>("SweepRange")->text();
        dialog.findChild<QLineEdit*>("SweepTo")->setText("3,5");
        problem = dialog.Problem();
        EXPECT_FALSE(dialog.findChild<QPushButton*>("OKBtn")->isEnabled());
        dialog.findChild<QComboBox*>("SweepParameter")->setCurrentIndex(FindLoopForm("t-loop")->IndexOf("width"));
        dialog.findChild<QLineEdit*>("SweepFrom")->setText("4,5");
        dialog.findChild<QLineEdit*>("SweepTo")->setText("12,5");
        dialog.findChild<QSpinBox*>("SweepSteps")->setValue(5);
        EXPECT_EQ(dialog.Problem(), "");
        EXPECT_TRUE(dialog.findChild<QPushButton*>("OKBtn")->isEnabled());
        return int(QDialog::Accepted);
    });
    FDialogs->dialogScripts.push_back(Progress());
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        auto& sweep = dynamic_cast<TSweepForm&>(d);
        rows = sweep.findChild<QTableWidget*>("StepsGrid")->rowCount();
        series = static_cast<int>(sweep.Chart()->series().size());
        summary = sweep.findChild<QLabel*>("SummaryLabel")->text();
        auto* grid = sweep.findChild<QTableWidget*>("StepsGrid");
        failedWhy = grid->item(0, grid->columnCount() - 1)->text();
        sweep.WriteCsv(csv);
        return int(QDialog::Accepted);
    });
    Trigger("ActionParameterSweep");
    EXPECT_EQ(range, "Bend radius can be from 0 mm to 3 mm; the design has 1 mm.");
    EXPECT_EQ(problem, "Bend radius can be from 0 mm to 3 mm: the sweep's range must lie within that.");
    // A head 4,5 mm wide is too narrow for a leg gap of 2 mm and bends of
    // 1 mm: the first step fails, the others are drawn.
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(series, 5);
    EXPECT_TRUE(summary.contains("1 of 5 steps were not activated")) << summary.toStdString();
    EXPECT_EQ(failedWhy, "The width (4,5 mm) must be at least the leg gap plus four times the bend radius (6 mm).");
    EXPECT_TRUE(ReadText(csv).startsWith("step,width_mm,right_fx_cN,"));
    EXPECT_EQ(ReadText(csv).count('\n'), 6);
    EXPECT_TRUE(FDialogs->Of("error").empty());
    // The design is as it was.
    EXPECT_EQ(form.Design().CurrentWire->Count(), segments);
    EXPECT_EQ(form.Design().CurrentWire->UndoCount(), 0);

    // The dialog starts with the last settings; Cancel in the progress
    // window shows no result.
    QString from;
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        from = d.findChild<QLineEdit*>("SweepFrom")->text();
        d.findChild<QSpinBox*>("SweepSteps")->setValue(1000);
        return int(QDialog::Accepted);
    });
    FDialogs->dialogScripts.push_back(Progress(true));
    const std::size_t shown = FDialogs->Of("dialog").size();
    Trigger("ActionParameterSweep");
    EXPECT_EQ(from, "4,5");
    EXPECT_EQ(FDialogs->Of("dialog").size(), shown + 2);
    EXPECT_EQ(FDialogs->Of("dialog").back().text, "ProgressForm");
    EXPECT_TRUE(FDialogs->Of("error").empty());
}

TEST_F(TSweepFitCommandsTest, FitsTheGablesAndOpensTheFittedLoopAsOneUndoStep) {
    TMainForm& form = Start();
    OpenTLoop();
    ASSERT_TRUE(Enabled("ActionFitLoop"));
    const int undos = form.Design().CurrentWire->UndoCount();
    const double bendBefore = form.Design().CurrentWire->Segment(40).angle;

    // Cancel in the progress window, then Cancel in the report, change
    // nothing.
    FDialogs->dialogScripts.push_back(FillDialog({}));
    FDialogs->dialogScripts.push_back(Progress(true));
    Trigger("ActionFitLoop");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 2u);
    EXPECT_EQ(FDialogs->Of("dialog").back().text, "ProgressForm");
    FDialogs->dialogScripts.push_back(FillDialog({}));
    FDialogs->dialogScripts.push_back(Progress());
    FDialogs->dialogScripts.push_back(FillDialog({}, {}, QDialog::Rejected));
    Trigger("ActionFitLoop");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 5u);
    EXPECT_EQ(FDialogs->Of("dialog").back().text, "FitReportForm");
    EXPECT_EQ(form.Design().CurrentWire->UndoCount(), undos);
    EXPECT_EQ(form.Design().Template->Value("gable-left"), 0.0);

    // The dialog's defaults: both gables free, M/F 10 mm right and -10 mm
    // left; a bound that does not read is refused.
    QString problem, verdict, met, wanted;
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<TFitDialog&>(d);
        EXPECT_EQ(dialog.findChild<QComboBox*>("FitFree1")->currentText(), "Left leg gable");
        EXPECT_EQ(dialog.findChild<QComboBox*>("FitFree2")->currentText(), "Right leg gable");
        EXPECT_EQ(dialog.findChild<QComboBox*>("FitFree3")->currentIndex(), 0);
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("FitMfRight")->isChecked());
        wanted = dialog.findChild<QLineEdit*>("FitMfLeftValue")->text();
        dialog.findChild<QLineEdit*>("FitLow1")->setText("abc");
        problem = dialog.Problem();
        EXPECT_FALSE(dialog.findChild<QPushButton*>("OKBtn")->isEnabled());
        dialog.findChild<QLineEdit*>("FitLow1")->setText("-30");
        EXPECT_TRUE(dialog.findChild<QPushButton*>("OKBtn")->isEnabled()) << dialog.Problem().toStdString();
        return int(QDialog::Accepted);
    });
    FDialogs->dialogScripts.push_back(Progress());
    FDialogs->dialogScripts.push_back([&](QDialog& d) {
        auto& report = dynamic_cast<TFitReportForm&>(d);
        verdict = report.findChild<QLabel*>("FitVerdict")->text();
        auto* grid = report.findChild<QTableWidget*>("FitTargetsGrid");
        met = grid->item(0, 7)->text() + grid->item(1, 7)->text();
        return int(QDialog::Accepted);
    });
    Trigger("ActionFitLoop");
    EXPECT_EQ(wanted, "-10");
    EXPECT_EQ(problem, "Type a number for each bound.");
    EXPECT_EQ(verdict, "<b>Every target is met.</b>");
    EXPECT_EQ(met, "yesyes");
    EXPECT_TRUE(FDialogs->Of("error").empty());

    // The design is the fitted loop, with its template; one undo step.
    const TDesign& d = form.Design();
    ASSERT_TRUE(d.Template);
    EXPECT_NEAR(*d.Template->Value("gable-left"), 11.44, 0.05);
    EXPECT_NEAR(*d.Template->Value("gable-right"), 7.51, 0.05);
    EXPECT_TRUE(MatchesTemplate(d));
    EXPECT_EQ(d.CurrentWire->UndoCount(), undos + 1);
    Trigger("ActionUndo");
    EXPECT_EQ(form.Design().CurrentWire->Segment(40).angle, bendBefore);
}

}  // namespace
}  // namespace torvik::test
