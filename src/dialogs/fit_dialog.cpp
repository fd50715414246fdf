#include "dialogs/fit_dialog.h"

#include <cmath>
#include <limits>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"
#include "support/help_topics.h"

namespace torvik {

namespace {

constexpr const char* FieldMask = "0.####";

std::string LocalNumber(double aValue, std::string_view aMask) { return FormatLocal(aValue, aMask).toStdString(); }

double ReadField(const QLineEdit* aEdit) {
    double v = 0;
    return TryReadLocal(aEdit->text(), v) ? v : std::numeric_limits<double>::quiet_NaN();
}

constexpr TFitQuantity Quantities[] = {TFitQuantity::RightMomentOverForce, TFitQuantity::LeftMomentOverForce,
                                       TFitQuantity::RightForce};

QString UnitText(const TTemplateParameter& p) { return QString::fromUtf8(UnitSymbol(p.Unit)); }

}  // namespace

TFitSettings TFitDialog::DefaultSettings(const TLoopTemplate& aTemplate) {
    TFitSettings s;
    for (const char* name : {"gable-left", "gable-right"}) {
        const int i = aTemplate.Form().IndexOf(name);
        if (i < 0) continue;
        const TTemplateParameter& p = aTemplate.Form().Parameters()[static_cast<std::size_t>(i)];
        s.Free.push_back({p.Name, p.Min, p.Max});
    }
    s.Targets = {{TFitQuantity::RightMomentOverForce, 10, std::nullopt, DefaultFitTolerance(TFitQuantity::RightMomentOverForce)},
                 {TFitQuantity::LeftMomentOverForce, -10, std::nullopt, DefaultFitTolerance(TFitQuantity::LeftMomentOverForce)}};
    return s;
}

TFitDialog::TFitDialog(const TLoopTemplate& aTemplate, QWidget* aParent)
    : TTorvikDialog("FitDialog", tr("Fit Loop"), HelpSweepsFits, aParent), FTemplate(aTemplate) {
    auto* intro = new QLabel(tr("The fitter changes the free parameters of the %1 within their bounds until the "
                                "activated loop meets every checked target.")
                                 .arg(QString::fromUtf8(aTemplate.Form().Caption())),
                             this);
    intro->setObjectName("FitIntro");
    intro->setWordWrap(true);

    // The free parameters.
    auto* freeBox = new QGroupBox(tr("Free parameters"), this);
    auto* freeGrid = new QGridLayout(freeBox);
    freeGrid->addWidget(new QLabel(tr("Parameter"), freeBox), 0, 0);
    freeGrid->addWidget(new QLabel(tr("From"), freeBox), 0, 1);
    freeGrid->addWidget(new QLabel(tr("To"), freeBox), 0, 2);
    freeGrid->addWidget(new QLabel(tr("Design"), freeBox), 0, 4);
    for (std::size_t r = 0; r < FFree.size(); ++r) {
        TFreeRow& row = FFree[r];
        const QString n = QString::number(r + 1);
        row.parameter = new QComboBox(freeBox);
        row.parameter->setObjectName("FitFree" + n);
        row.parameter->addItem(tr("(none)"));
        for (const TTemplateParameter& p : aTemplate.Form().Parameters())
            row.parameter->addItem(QString::fromStdString(p.Caption));
        row.low = new QLineEdit(freeBox);
        row.low->setObjectName("FitLow" + n);
        row.high = new QLineEdit(freeBox);
        row.high->setObjectName("FitHigh" + n);
        row.unit = new QLabel(freeBox);
        row.unit->setMinimumWidth(row.unit->fontMetrics().horizontalAdvance("mm"));
        row.now = new QLabel(freeBox);
        row.now->setObjectName("FitNow" + n);
        const int y = static_cast<int>(r) + 1;
        freeGrid->addWidget(row.parameter, y, 0);
        freeGrid->addWidget(row.low, y, 1);
        freeGrid->addWidget(row.high, y, 2);
        freeGrid->addWidget(row.unit, y, 3);
        freeGrid->addWidget(row.now, y, 4);
        connect(row.parameter, &QComboBox::currentIndexChanged, this, [this, r] {
            if (!FFilling) FreeChosen(r);
        });
        for (QLineEdit* edit : {row.low, row.high})
            connect(edit, &QLineEdit::textChanged, this, [this] {
                if (!FFilling) Refresh();
            });
    }

    // The targets at the design's activation.
    auto* targetBox = new QGroupBox(tr("Targets"), this);
    auto* targetGrid = new QGridLayout(targetBox);
    const QString activation =
        FormatLocal(aTemplate.Value("activation"), FieldMask) + " mm";
    const QString captions[] = {tr("M/F at the &right bracket"), tr("M/F at the &left bracket"),
                                tr("|F| at the right &bracket")};
    const char* names[] = {"FitMfRight", "FitMfLeft", "FitForceRight"};
    for (std::size_t i = 0; i < FTargets.size(); ++i) {
        TTargetRow& row = FTargets[i];
        row.check = new QCheckBox(captions[i], targetBox);
        row.check->setObjectName(names[i]);
        row.value = new QLineEdit(targetBox);
        row.value->setObjectName(QString(names[i]) + "Value");
        const int y = static_cast<int>(i);
        targetGrid->addWidget(row.check, y, 0, 1, 3);
        targetGrid->addWidget(row.value, y, 3);
        targetGrid->addWidget(new QLabel(QString::fromUtf8(FitQuantityUnit(Quantities[i])), targetBox), y, 4);
        connect(row.check, &QCheckBox::toggled, this, [this] {
            if (!FFilling) Refresh();
        });
        connect(row.value, &QLineEdit::textChanged, this, [this] {
            if (!FFilling) Refresh();
        });
    }
    auto* atActivation = new QLabel(tr("at the design's activation, %1").arg(activation), targetBox);
    atActivation->setObjectName("FitActivation");
    targetGrid->addWidget(atActivation, 3, 0, 1, 5);

    // M/F over the activation range.
    FRange = new QCheckBox(tr("M/F over the activation &range, at the"), targetBox);
    FRange->setObjectName("FitRange");
    FRangeBracket = new QComboBox(targetBox);
    FRangeBracket->setObjectName("FitRangeBracket");
    FRangeBracket->addItems({tr("right bracket"), tr("left bracket")});
    targetGrid->addWidget(FRange, 4, 0, 1, 2);
    targetGrid->addWidget(FRangeBracket, 4, 2, 1, 3);
    for (std::size_t k = 0; k < 2; ++k) {
        const QString n = QString::number(k + 1);
        FRangeAt[k] = new QLineEdit(targetBox);
        FRangeAt[k]->setObjectName("FitRangeAt" + n);
        FRangeValue[k] = new QLineEdit(targetBox);
        FRangeValue[k]->setObjectName("FitRangeValue" + n);
        const int y = 5 + static_cast<int>(k);
        targetGrid->addWidget(new QLabel(tr("at an activation of"), targetBox), y, 0, Qt::AlignRight);
        targetGrid->addWidget(FRangeAt[k], y, 1);
        targetGrid->addWidget(new QLabel(tr("mm, M/F"), targetBox), y, 2, Qt::AlignRight);
        targetGrid->addWidget(FRangeValue[k], y, 3);
        targetGrid->addWidget(new QLabel("mm", targetBox), y, 4);
        for (QLineEdit* edit : {FRangeAt[k], FRangeValue[k]})
            connect(edit, &QLineEdit::textChanged, this, [this] {
                if (!FFilling) Refresh();
            });
    }
    connect(FRange, &QCheckBox::toggled, this, [this] {
        if (!FFilling) Refresh();
    });
    connect(FRangeBracket, &QComboBox::currentIndexChanged, this, [this] {
        if (!FFilling) Refresh();
    });

    auto* note = new QLabel(tr("A target is met within %1 mm (M/F) or %2 cN (|F|). M/F has the sign of its moment, as "
                               "the force read-out shows it: a loop's left M/F is mostly negative where its right "
                               "one is positive.")
                                .arg(FormatLocal(DefaultFitTolerance(TFitQuantity::RightMomentOverForce), "0.##"),
                                     FormatLocal(DefaultFitTolerance(TFitQuantity::RightForce), "0.##")),
                            this);
    note->setObjectName("FitNote");
    note->setWordWrap(true);

    FProblem = new QLabel(this);
    FProblem->setObjectName("FitProblem");
    FProblem->setWordWrap(true);
    FProblem->setStyleSheet("color: #b00000;");
    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    FOk = buttons->findChild<QPushButton*>("OKBtn");

    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(freeBox);
    column->addWidget(targetBox);
    column->addWidget(note);
    column->addWidget(FProblem);
    column->addWidget(buttons);
    setMinimumWidth(480);

    // The range's rows start around the design's activation.
    const double a = aTemplate.Value("activation");
    FFilling = true;
    FRangeAt[0]->setText(FormatLocal(std::max(0.0, a / 2), FieldMask));
    FRangeAt[1]->setText(FormatLocal(std::min(5.0, a * 1.5 > a ? a * 1.5 : a + 1), FieldMask));
    for (QLineEdit* edit : FRangeValue) edit->setText(FormatLocal(10, FieldMask));
    FTargets[2].value->setText(FormatLocal(150, FieldMask));
    FFilling = false;
    SetSettings(DefaultSettings(aTemplate));
}

void TFitDialog::SetSettings(const TFitSettings& aSettings) {
    const TLoopForm& form = FTemplate.Form();
    FFilling = true;
    std::size_t r = 0;
    for (const TFreeParameter& f : aSettings.Free) {
        const int i = form.IndexOf(f.Name);
        if (i < 0 || r >= FFree.size()) continue;
        FFree[r].parameter->setCurrentIndex(i + 1);
        FFree[r].low->setText(FormatLocal(f.Low, FieldMask));
        FFree[r].high->setText(FormatLocal(f.High, FieldMask));
        ++r;
    }
    for (; r < FFree.size(); ++r) {
        FFree[r].parameter->setCurrentIndex(0);
        FFree[r].low->clear();
        FFree[r].high->clear();
    }
    for (TTargetRow& row : FTargets) row.check->setChecked(false);
    FRange->setChecked(false);
    std::size_t ranged = 0;
    for (const TFitTarget& t : aSettings.Targets) {
        if (!t.Activation) {
            TTargetRow& row = FTargets[static_cast<std::size_t>(t.Quantity)];
            row.check->setChecked(true);
            row.value->setText(FormatLocal(t.Value, FieldMask));
        } else if (ranged < 2 && t.Quantity != TFitQuantity::RightForce) {
            FRange->setChecked(true);
            FRangeBracket->setCurrentIndex(t.Quantity == TFitQuantity::LeftMomentOverForce ? 1 : 0);
            FRangeAt[ranged]->setText(FormatLocal(*t.Activation, FieldMask));
            FRangeValue[ranged]->setText(FormatLocal(t.Value, FieldMask));
            ++ranged;
        }
    }
    FFilling = false;
    Refresh();
}

void TFitDialog::FreeChosen(std::size_t aRow) {
    const int i = FFree[aRow].parameter->currentIndex() - 1;
    FFilling = true;
    if (i >= 0) {
        // A new choice starts with the parameter's whole range.
        const TTemplateParameter& p = FTemplate.Form().Parameters()[static_cast<std::size_t>(i)];
        FFree[aRow].low->setText(FormatLocal(p.Min, FieldMask));
        FFree[aRow].high->setText(FormatLocal(p.Max, FieldMask));
    } else {
        FFree[aRow].low->clear();
        FFree[aRow].high->clear();
    }
    FFilling = false;
    Refresh();
}

TFitSettings TFitDialog::Settings() const {
    TFitSettings s;
    for (const TFreeRow& row : FFree) {
        const int i = row.parameter->currentIndex() - 1;
        if (i < 0) continue;
        s.Free.push_back({FTemplate.Form().Parameters()[static_cast<std::size_t>(i)].Name, ReadField(row.low),
                          ReadField(row.high)});
    }
    for (std::size_t i = 0; i < FTargets.size(); ++i) {
        if (!FTargets[i].check->isChecked()) continue;
        s.Targets.push_back({Quantities[i], ReadField(FTargets[i].value), std::nullopt, DefaultFitTolerance(Quantities[i])});
    }
    if (FRange->isChecked()) {
        const TFitQuantity q =
            FRangeBracket->currentIndex() == 1 ? TFitQuantity::LeftMomentOverForce : TFitQuantity::RightMomentOverForce;
        for (std::size_t k = 0; k < 2; ++k)
            s.Targets.push_back({q, ReadField(FRangeValue[k]), ReadField(FRangeAt[k]), DefaultFitTolerance(q)});
    }
    return s;
}

QString TFitDialog::Problem() const { return FProblem->text(); }

void TFitDialog::Refresh() {
    for (TFreeRow& row : FFree) {
        const int i = row.parameter->currentIndex() - 1;
        row.low->setEnabled(i >= 0);
        row.high->setEnabled(i >= 0);
        if (i < 0) {
            row.unit->clear();
            row.now->clear();
            continue;
        }
        const TTemplateParameter& p = FTemplate.Form().Parameters()[static_cast<std::size_t>(i)];
        row.unit->setText(UnitText(p));
        row.now->setText(FormatLocal(FTemplate.Value(p.Name), FieldMask) +
                         (p.Unit == TParameterUnit::Millimetre ? " " : "") + UnitText(p));
    }
    for (TTargetRow& row : FTargets) row.value->setEnabled(row.check->isChecked());
    FRangeBracket->setEnabled(FRange->isChecked());
    for (std::size_t k = 0; k < 2; ++k) {
        FRangeAt[k]->setEnabled(FRange->isChecked());
        FRangeValue[k]->setEnabled(FRange->isChecked());
    }

    const TFitSettings s = Settings();
    QString problem;
    for (const TFreeParameter& f : s.Free)
        if (std::isnan(f.Low) || std::isnan(f.High)) problem = tr("Type a number for each bound.");
    for (const TFitTarget& t : s.Targets)
        if (std::isnan(t.Value) || (t.Activation && std::isnan(*t.Activation)))
            problem = tr("Type a number for each checked target.");
    if (problem.isEmpty() && s.Free.empty()) problem = tr("Choose a parameter that may change.");
    if (problem.isEmpty() && s.Targets.empty()) problem = tr("Check a target.");
    if (problem.isEmpty()) problem = QString::fromStdString(FitProblem(FTemplate, s, LocalNumber));
    FProblem->setText(problem);
    FOk->setEnabled(problem.isEmpty());
}

}  // namespace torvik
