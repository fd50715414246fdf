// Protects the activation curve window and the progress window: the table
// and chart show the curve of the bracket chosen, a failed step is listed but
// not drawn, Compute replaces the curve, Export CSV and Save Chart write
// whole files or report why not, and the progress window works in slices
// until done, cancelled or failed.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QValueAxis>

#include "dialogs/activation_curve_form.h"
#include "dialogs/progress_form.h"
#include "qt/locale_numbers.h"
#include "solve/curve_table.h"

namespace torvik {
namespace {

// The L-shaped wire, its right bracket moved by (dx, dy) and turned by aTurn.
std::unique_ptr<TActivationCurve> LCurve(int aSteps, double dx, double dy, double aTurn) {
    TDesign d(0.25, DefaultStock());
    for (int i = 1; i < 20; ++i) d.CurrentWire->AddSeg(0.25, i == 19 ? Pi / 2 : 0);
    for (int i = 0; i < 20; ++i) d.CurrentWire->AddSeg(0.25, 0);
    const TPointReal tip = d.CurrentWire->Corner();
    d.RightBracket.Origin()->SetXY(tip.x + dx, tip.y + dy);
    d.RightBracket.SetDirection(d.CurrentWire->EndDirection() + aTurn);
    TCurveSettings s;
    s.Steps = aSteps;
    auto curve = std::make_unique<TActivationCurve>(d, s);
    curve->Run();
    return curve;
}

QLineSeries* Series(QChart* aChart, int i) { return qobject_cast<QLineSeries*>(aChart->series().at(i)); }

// Every value axis holds its series, and all of them have zero on the same
// tick, with as many ticks.
void ExpectValueAxesShareZero(QChart* aChart) {
    std::vector<QValueAxis*> axes;
    for (QAbstractAxis* a : aChart->axes(Qt::Vertical)) axes.push_back(qobject_cast<QValueAxis*>(a));
    ASSERT_EQ(axes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        QValueAxis* axis = axes[i];
        ASSERT_NE(axis, nullptr);
        EXPECT_EQ(axis->tickCount(), axes[0]->tickCount());
        const double zeroAt = -axis->min() / (axis->max() - axis->min());
        EXPECT_NEAR(zeroAt, -axes[0]->min() / (axes[0]->max() - axes[0]->min()), 1e-12) << i;
        for (const QPointF& p : Series(aChart, i)->points()) {
            EXPECT_GE(p.y(), axis->min()) << i;
            EXPECT_LE(p.y(), axis->max()) << i;
        }
    }
}

bool ProcessUntil(const std::function<bool()>& aDone, int aMaxMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!aDone() && clock.elapsed() < aMaxMs) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return aDone();
}

TEST(ActivationCurveFormTest, ShowsTheChosenBracketAndComputesAgain) {
    const TToothSettings tooth{8, TRootSide::Down};
    TActivationCurveForm form(LCurve(5, 0.3, -0.2, 0.02), tooth);
    const auto* grid = form.findChild<QTableWidget*>("StepsGrid");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->columnCount(), static_cast<int>(CurveColumns(true).size()));
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), "Right Fx (cN)");
    EXPECT_EQ(grid->item(4, 0)->text(), "5");
    EXPECT_EQ(grid->item(4, 18)->text(), "target met");
    const std::vector<TCurveStep>& steps = form.Curve().Steps();
    EXPECT_EQ(grid->item(2, 3)->text(), FormatLocal(steps[2].right.x, "0.000"));
    EXPECT_EQ(grid->item(0, 21)->text(),
              QString::fromLatin1(MovementName(RightCentre(steps[0], tooth).movement)));

    // The chart: force, moment and M/F of the right bracket from the
    // unloaded start, then of the left one.
    QChart* chart = form.Chart();
    ASSERT_EQ(chart->series().size(), 3);
    EXPECT_EQ(chart->title(), "Right bracket");
    EXPECT_EQ(Series(chart, 0)->count(), 6);
    EXPECT_EQ(Series(chart, 0)->at(0), QPointF(0, 0));
    EXPECT_DOUBLE_EQ(Series(chart, 0)->at(5).y(), steps[4].right.Force());
    EXPECT_DOUBLE_EQ(Series(chart, 0)->at(5).x(), steps[4].activation);
    EXPECT_DOUBLE_EQ(Series(chart, 1)->at(3).y(), steps[2].right.m);
    EXPECT_EQ(Series(chart, 2)->count(), 5);
    ExpectValueAxesShareZero(chart);
    form.findChild<QRadioButton*>("LeftBtn")->click();
    EXPECT_FALSE(form.ShowsRight());
    chart = form.Chart();
    EXPECT_EQ(chart->title(), "Left bracket");
    EXPECT_DOUBLE_EQ(Series(chart, 1)->at(3).y(), steps[2].left.m);
    EXPECT_DOUBLE_EQ(Series(chart, 2)->at(0).y(), *steps[0].left.MomentOverForce());
    ExpectValueAxesShareZero(chart);

    // Compute is off until the window can compute; then it replaces the
    // curve, and a cancelled computation keeps it.
    auto* compute = form.findChild<QPushButton*>("ComputeBtn");
    auto* edit = form.findChild<QSpinBox*>("StepsEdit");
    EXPECT_FALSE(compute->isEnabled());
    EXPECT_EQ(edit->value(), 5);
    int asked = 0;
    form.SetRecompute([&](int aSteps) -> std::unique_ptr<TActivationCurve> {
        ++asked;
        if (aSteps == 7) return nullptr;
        return LCurve(aSteps, 0.3, -0.2, 0.02);
    });
    EXPECT_TRUE(compute->isEnabled());
    edit->setValue(3);
    compute->click();
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(form.Curve().Steps().size(), 3u);
    edit->setValue(7);
    compute->click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(grid->rowCount(), 3);

    int help = -1;
    QObject::connect(&form, &TTorvikDialog::helpRequested, [&](int aTopic) { help = aTopic; });
    form.findChild<QPushButton*>("HelpBut")->click();
    EXPECT_EQ(help, HelpActivationCurve);
}

TEST(ActivationCurveFormTest, ListsAFailedStepWithoutDrawingIt) {
    // Turned by 1.25 rad in 20 steps: step 16 overstrains.
    TActivationCurveForm form(LCurve(20, 0, 0, 1.25), TToothSettings{});
    const auto* grid = form.findChild<QTableWidget*>("StepsGrid");
    EXPECT_EQ(grid->rowCount(), 16);
    EXPECT_EQ(grid->item(15, 18)->text(), "Excessive activation detected!");
    EXPECT_EQ(grid->item(15, 16)->text(), "-");  // no rate
    EXPECT_EQ(Series(form.Chart(), 0)->count(), 16);  // the start and 15 met steps
    EXPECT_NE(form.findChild<QLabel*>("SummaryLabel")->text().indexOf("The curve stops at step 16: Excessive activation detected!"),
              -1);
}

TEST(ActivationCurveFormTest, ExportsAndSavesWholeFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TToothSettings tooth{10, TRootSide::Up};
    TActivationCurveForm form(LCurve(4, 0.3, -0.2, 0), tooth);
    form.resize(800, 600);
    QStringList answers;
    QStringList errors;
    form.SaveFileName = [&](const QString&, const QString&, const QString&) {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
    form.ShowError = [&](const QString& aText) { errors << aText; };

    answers << dir.filePath("curve.csv");
    form.findChild<QPushButton*>("ExportBtn")->click();
    QFile csv(dir.filePath("curve.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), CurveCsv(form.Curve().Steps(), &tooth));

    answers << dir.filePath("chart.png") << dir.filePath("chart.svg");
    form.findChild<QPushButton*>("SaveChartBtn")->click();
    form.findChild<QPushButton*>("SaveChartBtn")->click();
    QImage png;
    ASSERT_TRUE(png.load(dir.filePath("chart.png"), "PNG"));
    EXPECT_GE(png.width(), 640);
    QFile svg(dir.filePath("chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray svgText = svg.readAll();
    EXPECT_TRUE(svgText.startsWith("<?xml"));
    EXPECT_TRUE(svgText.contains("<svg"));
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.svg.part")));
    EXPECT_TRUE(errors.isEmpty());

    // Cancelled: nothing written, nothing said. A folder that does not
    // exist: the reason, and no file.
    form.findChild<QPushButton*>("ExportBtn")->click();
    EXPECT_TRUE(errors.isEmpty());
    answers << dir.filePath("missing/curve.csv") << dir.filePath("missing/chart.svg");
    form.findChild<QPushButton*>("ExportBtn")->click();
    form.findChild<QPushButton*>("SaveChartBtn")->click();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].startsWith("Could not write")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith("Could not write")) << errors[1].toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
}

TEST(ProgressFormTest, WorksInSlicesUntilDoneCancelledOrFailed) {
    int done = 0;
    TProgressForm form(
        "Work", [&] { return ++done < 200000; },
        [&] { return TProgressForm::TProgress{done / 200000.0, QString("%1").arg(done)}; });
    EXPECT_EQ(done, 0);  // nothing before the event loop runs
    ASSERT_TRUE(ProcessUntil([&] { return form.Finished(); }));
    EXPECT_EQ(done, 200000);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(form.Error().isEmpty());
    EXPECT_EQ(form.findChild<QProgressBar*>("ProgressBar")->value(), 1000);

    int endless = 0;
    TProgressForm cancelled("Work", [&] { return ++endless > 0; }, nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return endless > 0; }));
    cancelled.findChild<QPushButton*>("CancelBtn")->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    const int atCancel = endless;
    ProcessUntil([] { return false; }, 100);
    EXPECT_EQ(endless, atCancel);

    TProgressForm failing("Work", [] () -> bool { throw std::runtime_error("no way"); }, nullptr);
    ASSERT_TRUE(ProcessUntil([&] { return failing.Finished(); }));
    EXPECT_EQ(failing.result(), QDialog::Rejected);
    EXPECT_EQ(failing.Error(), "no way");
}

}  // namespace
}  // namespace torvik
