#include "dialogs/sweep_form.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include "dialogs/chart_support.h"
#include "qt/locale_numbers.h"
#include "solve/sweep_table.h"
#include "support/help_topics.h"

namespace torvik {

namespace {

std::string LocalNumber(double aValue, std::string_view aMask) { return FormatLocal(aValue, aMask).toStdString(); }

// The points of one quantity, broken where a step was not activated (or
// the quantity has no value): a list per run of steps.
using TRuns = std::vector<QList<QPointF>>;

template <typename TValue>
TRuns RunsOf(const std::vector<TSweepStep>& aSteps, TValue aValue) {
    TRuns runs(1);
    for (const TSweepStep& s : aSteps) {
        const std::optional<double> v = s.loads.Activated() ? aValue(s.loads) : std::nullopt;
        if (v && std::isfinite(*v)) runs.back() << QPointF(s.value, *v);
        else if (!runs.back().isEmpty()) runs.emplace_back();
    }
    if (runs.size() > 1 && runs.back().isEmpty()) runs.pop_back();
    return runs;
}

QList<QPointF> AllOf(const TRuns& aRuns) {
    QList<QPointF> all;
    for (const QList<QPointF>& run : aRuns) all << run;
    return all;
}

TDataExtent Joined(const TDataExtent& a, const TDataExtent& b) { return {std::min(a.lo, b.lo), std::max(a.hi, b.hi)}; }

// The runs of one quantity on the chart; the legend names the first.
void AddRuns(QChart* aChart, QValueAxis* aX, QValueAxis* aY, const QString& aName, const QColor& aColour,
             const TRuns& aRuns, Qt::PenStyle aStyle) {
    for (std::size_t i = 0; i < aRuns.size(); ++i) {
        QLineSeries* series = AddLineSeries(aChart, aX, aY, aName, aColour, aRuns[i], aStyle);
        if (i == 0) continue;
        for (QLegendMarker* marker : aChart->legend()->markers(series)) marker->setVisible(false);
    }
}

}  // namespace

TSweepForm::TSweepForm(std::unique_ptr<TSweep> aSweep, QWidget* aParent)
    : TChartForm("SweepForm", tr("Parameter Sweep"), HelpSweepsFits, tr("Export Parameter Sweep"), aParent),
      FSweep(std::move(aSweep)) {
    LayOut(nullptr, "SweepSplitter");
    FillSummary();
    FillTable();
    FillChart();
}

TSweepForm::~TSweepForm() = default;

void TSweepForm::FillSummary() {
    const TSweep& w = *FSweep;
    const TSweepSettings& s = w.Settings();
    const TTemplateParameter& p = w.Parameter();
    const QString unit = QString::fromUtf8(UnitSymbol(p.Unit));
    const QString space = p.Unit == TParameterUnit::Millimetre ? " " : "";
    QString text = tr("%1: %2 from %3 to %4 in %5 steps, each activated from zero load to full engagement (target "
                      "%6).")
                       .arg(QString::fromUtf8(w.Template().Form().Caption()), QString::fromStdString(p.Caption),
                            FormatLocal(s.From, "0.####") + space + unit, FormatLocal(s.To, "0.####") + space + unit)
                       .arg(s.Steps)
                       .arg(QString::fromLatin1(TargetCaption(s.Run)));
    const int failed = w.Failures();
    text += " " + (failed == 0 ? tr("Every step was activated.")
                               : tr("%1 of %2 steps were not activated: the table says why.").arg(failed).arg(s.Steps));
    text += " " + tr("Right bracket solid, left bracket dashed.");
    FSummary->setText(text);
}

void TSweepForm::FillTable() {
    const std::vector<TSweepStep>& steps = FSweep->Steps();
    FillGrid(
        SweepColumns(FSweep->Parameter()), static_cast<int>(steps.size()),
        [&](int r) { return SweepRow(steps[static_cast<std::size_t>(r)]); },
        [&](int r, const TCurveColumn& aColumn) -> std::optional<QString> {
            const TSweepStep& step = steps[static_cast<std::size_t>(r)];
            if (aColumn.key != "message" || step.loads.made) return std::nullopt;
            // Why the values make no loop, with the user's numbers.
            TLoopTemplate t = FSweep->Template();
            t.SetValue(FSweep->Parameter().Name, step.value);
            return QString::fromStdString(t.Problem(LocalNumber));
        });
}

void TSweepForm::FillChart() {
    const std::vector<TSweepStep>& steps = FSweep->Steps();
    const TTemplateParameter& p = FSweep->Parameter();
    auto* chart = new QChart();
    chart->setTitle(tr("Loads against %1").arg(QString::fromStdString(p.Caption)));
    chart->legend()->setAlignment(Qt::AlignBottom);

    // |F| is the same at both brackets: one line.
    const TRuns force = RunsOf(steps, [](const TTemplateLoads& l) { return std::optional<double>(l.right.Force()); });
    const TRuns rightM = RunsOf(steps, [](const TTemplateLoads& l) { return std::optional<double>(l.right.m); });
    const TRuns leftM = RunsOf(steps, [](const TTemplateLoads& l) { return std::optional<double>(l.left.m); });
    const TRuns rightMf = RunsOf(steps, [](const TTemplateLoads& l) { return l.right.MomentOverForce(); });
    const TRuns leftMf = RunsOf(steps, [](const TTemplateLoads& l) { return l.left.MomentOverForce(); });

    auto* x = new QValueAxis(chart);
    x->setTitleText(QString::fromStdString(p.Caption) + " (" + QString::fromUtf8(UnitSymbol(p.Unit)) + ")");
    x->setLabelFormat("%.4g");
    const TSweepSettings& s = FSweep->Settings();
    x->setRange(std::min(s.From, s.To), std::max(s.From, s.To));
    chart->addAxis(x, Qt::AlignBottom);

    // The three value axes share their grid lines and their zero.
    const TAlignedScales aligned =
        AlignedScales({ExtentOf(AllOf(force)), Joined(ExtentOf(AllOf(rightM)), ExtentOf(AllOf(leftM))),
                       Joined(ExtentOf(AllOf(rightMf)), ExtentOf(AllOf(leftMf)))});
    const int intervals = aligned.intervals;
    const QColor blue(0, 0, 255), red(220, 0, 0), green(0, 140, 0);
    QValueAxis* forceAxis = AddValueAxis(chart, tr("Force (cN)"), blue, Qt::AlignLeft, aligned.axes[0], intervals);
    QValueAxis* momentAxis =
        AddValueAxis(chart, tr("Moment (cN·mm)"), red, Qt::AlignRight, aligned.axes[1], intervals);
    QValueAxis* ratioAxis = AddValueAxis(chart, tr("M/F (mm)"), green, Qt::AlignRight, aligned.axes[2], intervals);
    AddRuns(chart, x, forceAxis, tr("|F| (cN)"), blue, force, Qt::SolidLine);
    AddRuns(chart, x, momentAxis, tr("M right (cN·mm)"), red, rightM, Qt::SolidLine);
    AddRuns(chart, x, momentAxis, tr("M left (cN·mm)"), red, leftM, Qt::DashLine);
    AddRuns(chart, x, ratioAxis, tr("M/F right (mm)"), green, rightMf, Qt::SolidLine);
    AddRuns(chart, x, ratioAxis, tr("M/F left (mm)"), green, leftMf, Qt::DashLine);
    SetChart(chart);
}

void TSweepForm::WriteCsv(const QString& aFileName) const { WriteTextFile(aFileName, SweepCsv(*FSweep)); }

}  // namespace torvik
