#include "dialogs/fit_report_form.h"

#include <cmath>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"
#include "support/help_topics.h"

namespace torvik {

namespace {

QString Number(const std::optional<double>& aValue, const char* aMask = "0.000") {
    return aValue && std::isfinite(*aValue) ? FormatLocal(*aValue, aMask) : QStringLiteral("-");
}

QTableWidget* NewGrid(const char* aName, const QStringList& aTitles, int aRows, QWidget* aParent) {
    auto* grid = new QTableWidget(aRows, static_cast<int>(aTitles.size()), aParent);
    grid->setObjectName(aName);
    grid->setHorizontalHeaderLabels(aTitles);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    return grid;
}

void SetCell(QTableWidget* aGrid, int aRow, int aColumn, const QString& aText, bool aNumber = true) {
    auto* item = new QTableWidgetItem(aText);
    item->setTextAlignment(aNumber ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    aGrid->setItem(aRow, aColumn, item);
}

// A table as tall as its rows.
void FitHeight(QTableWidget* aGrid) {
    aGrid->resizeColumnsToContents();
    int height = aGrid->horizontalHeader()->height() + 2 * aGrid->frameWidth();
    for (int r = 0; r < aGrid->rowCount(); ++r) height += aGrid->rowHeight(r);
    aGrid->setMinimumHeight(height);
    aGrid->setMaximumHeight(height);
}

}  // namespace

TFitReportForm::TFitReportForm(std::unique_ptr<TLoopFitter> aFitter, QWidget* aParent)
    : TTorvikDialog("FitReportForm", tr("Fit Loop"), HelpSweepsFits, aParent), FFitter(std::move(aFitter)) {
    const TFitResult& r = FFitter->Result();
    std::size_t missed = 0;
    for (const bool m : r.met) missed += m ? 0 : 1;
    FVerdict = new QLabel(this);
    FVerdict->setObjectName("FitVerdict");
    FVerdict->setWordWrap(true);
    QString verdict = r.AllMet() ? tr("Every target is met.")
                                 : tr("%1 of %2 targets missed.").arg(missed).arg(r.met.size());
    FVerdict->setText("<b>" + verdict.toHtmlEscaped() + "</b>");
    FVerdict->setStyleSheet(r.AllMet() ? "" : "color: #b00000;");

    auto* details = new QLabel(this);
    details->setObjectName("FitDetails");
    details->setWordWrap(true);
    // The verdict says it all when the fit met its aim.
    QString text = r.end == TFitEnd::Met ? QString() : QString::fromStdString(r.message) + " ";
    text += tr("%1 activations in %2 iterations, %3 s.")
                      .arg(r.solves)
                      .arg(r.iterations)
                      .arg(FormatLocal(r.seconds, "0.000"));
    if (r.end != TFitEnd::StartFailed)
        text += " " + tr("OK makes the fitted loop the design on screen, with its template; Edit > Undo brings the "
                         "design back.");
    details->setText(text);

    FTargets = NewGrid("FitTargetsGrid",
                       {tr("Target"), tr("At (mm)"), tr("Unit"), tr("Wanted"), tr("Start"), tr("Reached"),
                        tr("Tolerance"), tr("Met")},
                       static_cast<int>(FFitter->Settings().Targets.size()), this);
    FParameters = NewGrid("FitParametersGrid",
                          {tr("Parameter"), tr("Unit"), tr("From"), tr("To"), tr("Start"), tr("Found")},
                          static_cast<int>(FFitter->Settings().Free.size()), this);
    FillTargets();
    FillParameters();

    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    buttons->findChild<QPushButton*>("OKBtn")->setEnabled(r.end != TFitEnd::StartFailed);

    auto* column = new QVBoxLayout(this);
    column->addWidget(FVerdict);
    column->addWidget(details);
    column->addWidget(FTargets);
    column->addWidget(FParameters);
    column->addWidget(buttons);
    setMinimumWidth(560);
}

TFitReportForm::~TFitReportForm() = default;

void TFitReportForm::FillTargets() {
    const TFitResult& r = FFitter->Result();
    const TLoopTemplate fitted = FFitter->Fitted();
    const auto& targets = FFitter->Settings().Targets;
    for (int i = 0; i < static_cast<int>(targets.size()); ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const TFitTarget& t = targets[k];
        SetCell(FTargets, i, 0, QString::fromUtf8(FitQuantityCaption(t.Quantity)), false);
        SetCell(FTargets, i, 1, Number(t.Activation.value_or(fitted.Value("activation"))));
        SetCell(FTargets, i, 2, QString::fromUtf8(FitQuantityUnit(t.Quantity)), false);
        SetCell(FTargets, i, 3, Number(t.Value));
        SetCell(FTargets, i, 4, Number(r.startValues[k]));
        SetCell(FTargets, i, 5, Number(r.reached[k]));
        SetCell(FTargets, i, 6, Number(t.Tolerance));
        SetCell(FTargets, i, 7, r.met[k] ? tr("yes") : tr("MISSED"), false);
        if (!r.met[k]) FTargets->item(i, 7)->setForeground(QColor(0xb0, 0, 0));
    }
    FitHeight(FTargets);
}

void TFitReportForm::FillParameters() {
    const TFitResult& r = FFitter->Result();
    const TLoopForm& form = FFitter->Start().Form();
    const auto& free = FFitter->Settings().Free;
    for (int j = 0; j < static_cast<int>(free.size()); ++j) {
        const std::size_t k = static_cast<std::size_t>(j);
        const TTemplateParameter& p = form.Parameters()[static_cast<std::size_t>(form.IndexOf(free[k].Name))];
        SetCell(FParameters, j, 0, QString::fromStdString(p.Caption), false);
        SetCell(FParameters, j, 1, QString::fromUtf8(UnitSymbol(p.Unit)), false);
        SetCell(FParameters, j, 2, Number(free[k].Low));
        SetCell(FParameters, j, 3, Number(free[k].High));
        SetCell(FParameters, j, 4, Number(r.start[k]));
        SetCell(FParameters, j, 5, Number(r.found[k], "0.0000"));
    }
    FitHeight(FParameters);
}

}  // namespace torvik
