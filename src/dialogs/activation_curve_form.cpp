#include "dialogs/activation_curve_form.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QValueAxis>
#include <QVBoxLayout>

#include "dialogs/chart_support.h"
#include "support/chart_scale.h"
#include "qt/locale_numbers.h"
#include "support/numbers.h"
#include "solve/curve_table.h"

namespace torvik {

namespace {

// The most steps the window computes: the table holds a row for each.
constexpr int MaxWindowSteps = 1000;

}  // namespace

TActivationCurveForm::TActivationCurveForm(std::unique_ptr<TActivationCurve> aCurve, const TToothSettings& aTooth,
                                           QWidget* aParent)
    : TChartForm("ActivationCurveForm", tr("Activation Curve"), HelpActivationCurve, tr("Export Activation Curve"),
                 aParent),
      FCurve(std::move(aCurve)),
      FTooth(aTooth) {
    auto* bracket = new QGroupBox(tr("Bracket"), this);
    bracket->setObjectName("BracketGroup");
    FRightBtn = new QRadioButton(tr("&Right"), bracket);
    FRightBtn->setObjectName("RightBtn");
    FLeftBtn = new QRadioButton(tr("&Left"), bracket);
    FLeftBtn->setObjectName("LeftBtn");
    FRightBtn->setChecked(true);
    auto* bracketLayout = new QVBoxLayout(bracket);
    bracketLayout->addWidget(FRightBtn);
    bracketLayout->addWidget(FLeftBtn);
    connect(FRightBtn, &QRadioButton::toggled, this, [this] { FillChart(); });

    auto* stepsLabel = new QLabel(tr("S&teps:"), this);
    FStepsEdit = new QSpinBox(this);
    FStepsEdit->setObjectName("StepsEdit");
    FStepsEdit->setRange(1, MaxWindowSteps);
    stepsLabel->setBuddy(FStepsEdit);
    auto* compute = new QPushButton(tr("&Compute"), this);
    compute->setObjectName("ComputeBtn");
    compute->setAutoDefault(false);
    FComputeBtn = compute;
    connect(compute, &QPushButton::clicked, this, [this] { ComputeBtnClick(); });

    auto* side = new QVBoxLayout;
    side->addWidget(bracket);
    side->addWidget(stepsLabel);
    side->addWidget(FStepsEdit);
    side->addWidget(compute);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(FChartView, 1);
    top->addLayout(side);
    auto* topWidget = new QWidget(this);
    topWidget->setLayout(top);
    top->setContentsMargins(0, 0, 0, 0);

    LayOut(topWidget, "CurveSplitter");

    SetCurve(std::move(FCurve));
    SetRecompute(nullptr);
}

TActivationCurveForm::~TActivationCurveForm() = default;

void TActivationCurveForm::SetCurve(std::unique_ptr<TActivationCurve> aCurve) {
    if (!aCurve) return;
    FCurve = std::move(aCurve);
    FStepsEdit->setValue(std::min(FCurve->Settings().Steps, MaxWindowSteps));
    FillSummary();
    FillTable();
    FillChart();
}

void TActivationCurveForm::SetRecompute(TRecompute aRecompute) {
    FRecompute = std::move(aRecompute);
    FStepsEdit->setEnabled(static_cast<bool>(FRecompute));
    FComputeBtn->setEnabled(static_cast<bool>(FRecompute));
}

bool TActivationCurveForm::ShowsRight() const { return FRightBtn->isChecked(); }

void TActivationCurveForm::FillSummary() {
    const TActivationCurve& c = *FCurve;
    QString text = tr("%1 steps over %2 mm and %3°, target %4, tolerances %5 mm and %6°.")
                       .arg(c.Settings().Steps)
                       .arg(FormatLocal(c.PathLength(), "0.000"))
                       .arg(FormatLocal(ToDegrees(c.PathTurn()), "0.00"))
                       .arg(QString::fromLatin1(TargetCaption(c.RunSettings())))
                       .arg(FormatLocal(c.Settings().ToleranceDistance,
                                        MaskKeepingValue(c.Settings().ToleranceDistance, "0.####")))
                       .arg(FormatLocal(ToDegrees(c.Settings().ToleranceAngle),
                                        MaskKeepingValue(ToDegrees(c.Settings().ToleranceAngle), "0.####")));
    if (c.Complete()) {
        text += " " + tr("Every step met its target.");
    } else if (!c.Steps().empty()) {
        const TCurveStep& last = c.Steps().back();
        text += " " + tr("The curve stops at step %1: %2").arg(last.index).arg(QString::fromStdString(StepEndText(last.end)));
        if (!last.detail.empty()) text += " (" + QString::fromStdString(last.detail) + ")";
    }
    text += " " + tr("Centres of resistance %1 mm from the brackets, roots %2.")
                      .arg(FormatLocal(FTooth.Distance, "0.##"))
                      .arg(FTooth.Roots == TRootSide::Up ? tr("up") : tr("down"));
    FSummary->setText(text);
}

void TActivationCurveForm::FillTable() {
    const std::vector<TCurveColumn> columns = CurveColumns(true);
    const std::vector<TCurveStep>& steps = FCurve->Steps();
    FillGrid(columns, static_cast<int>(steps.size()),
             [&](int r) { return CurveRow(steps[static_cast<std::size_t>(r)], &FTooth); });
}

void TActivationCurveForm::FillChart() {
    const bool right = ShowsRight();
    auto* chart = new QChart();
    chart->setTitle(right ? tr("Right bracket") : tr("Left bracket"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Along the path in mm; a path that only turns is drawn against its turn.
    const bool byTurn = FCurve->PathLength() == 0;
    QList<QPointF> force, moment, ratio;
    force << QPointF(0, 0);
    moment << QPointF(0, 0);
    for (const TCurveStep& s : FCurve->Steps()) {
        if (s.end != TStepEnd::Met) continue;
        const TBracketLoad& l = right ? s.right : s.left;
        const double a = byTurn ? ToDegrees(s.turn) : s.activation;
        force << QPointF(a, l.Force());
        moment << QPointF(a, l.m);
        if (const auto q = l.MomentOverForce()) ratio << QPointF(a, *q);
    }
    auto* x = new QValueAxis(chart);
    x->setTitleText(byTurn ? tr("Activation (°)") : tr("Activation (mm)"));
    x->setLabelFormat("%.3g");
    double last = 0;
    for (const QPointF& p : force) last = std::max(last, std::abs(p.x()));
    x->setRange(0, last > 0 ? last : 1);
    x->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    // The three value axes share their grid lines and their zero.
    const TAlignedScales aligned = AlignedScales({ExtentOf(force), ExtentOf(moment), ExtentOf(ratio)});
    const std::vector<TAxisScale>& scales = aligned.axes;
    const int intervals = aligned.intervals;
    const QColor blue(0, 0, 255), red(220, 0, 0), green(0, 140, 0);
    AddLineSeries(chart, x, AddValueAxis(chart, tr("Force (cN)"), blue, Qt::AlignLeft, scales[0], intervals),
                  tr("|F| (cN)"), blue, force);
    AddLineSeries(chart, x, AddValueAxis(chart, tr("Moment (cN·mm)"), red, Qt::AlignRight, scales[1], intervals),
                  tr("M (cN·mm)"), red, moment);
    AddLineSeries(chart, x, AddValueAxis(chart, tr("M/F (mm)"), green, Qt::AlignRight, scales[2], intervals),
                  tr("M/F (mm)"), green, ratio);
    SetChart(chart);
}

void TActivationCurveForm::ComputeBtnClick() {
    if (!FRecompute) return;
    std::unique_ptr<TActivationCurve> curve = FRecompute(FStepsEdit->value());
    if (curve) SetCurve(std::move(curve));
}

void TActivationCurveForm::WriteCsv(const QString& aFileName) const {
    WriteTextFile(aFileName, CurveCsv(FCurve->Steps(), &FTooth));
}

}  // namespace torvik
