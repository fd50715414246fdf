#include "dialogs/sweep_dialog.h"

#include <cmath>
#include <limits>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
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

QLabel* UnitLabel(QWidget* aParent) {
    auto* unit = new QLabel(aParent);
    // Both units take the same room, so that the fields line up.
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance("mm"));
    return unit;
}

}  // namespace

TSweepDialog::TSweepDialog(const TLoopTemplate& aTemplate, QWidget* aParent)
    : TTorvikDialog("SweepDialog", tr("Parameter Sweep"), HelpSweepsFits, aParent), FTemplate(aTemplate) {
    auto* intro = new QLabel(tr("One parameter of the %1 varies; the others keep the design's values. Each step's "
                                "loop is activated from zero load to full engagement.")
                                 .arg(QString::fromUtf8(aTemplate.Form().Caption())),
                             this);
    intro->setObjectName("SweepIntro");
    intro->setWordWrap(true);

    FParameter = new QComboBox(this);
    FParameter->setObjectName("SweepParameter");
    for (const TTemplateParameter& p : aTemplate.Form().Parameters())
        FParameter->addItem(QString::fromStdString(p.Caption) + " (" + QString::fromUtf8(UnitSymbol(p.Unit)) + ")");
    FFrom = new QLineEdit(this);
    FFrom->setObjectName("SweepFrom");
    FTo = new QLineEdit(this);
    FTo->setObjectName("SweepTo");
    FFromUnit = UnitLabel(this);
    FToUnit = UnitLabel(this);
    FSteps = new QSpinBox(this);
    FSteps->setObjectName("SweepSteps");
    FSteps->setRange(2, MaxSweepSteps);
    FRange = new QLabel(this);
    FRange->setObjectName("SweepRange");
    FRange->setWordWrap(true);

    const auto withUnit = [this](QLineEdit* aEdit, QLabel* aUnit) {
        auto* row = new QHBoxLayout;
        row->addWidget(aEdit);
        row->addWidget(aUnit);
        return row;
    };
    auto* fields = new QFormLayout;
    auto* parameterLabel = new QLabel(tr("&Parameter:"), this);
    parameterLabel->setBuddy(FParameter);
    fields->addRow(parameterLabel, FParameter);
    auto* fromLabel = new QLabel(tr("&From:"), this);
    fromLabel->setBuddy(FFrom);
    fields->addRow(fromLabel, withUnit(FFrom, FFromUnit));
    auto* toLabel = new QLabel(tr("&To:"), this);
    toLabel->setBuddy(FTo);
    fields->addRow(toLabel, withUnit(FTo, FToUnit));
    auto* stepsLabel = new QLabel(tr("&Steps:"), this);
    stepsLabel->setBuddy(FSteps);
    fields->addRow(stepsLabel, FSteps);

    FProblem = new QLabel(this);
    FProblem->setObjectName("SweepProblem");
    FProblem->setWordWrap(true);
    FProblem->setStyleSheet("color: #b00000;");

    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    FOk = buttons->findChild<QPushButton*>("OKBtn");

    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addLayout(fields);
    column->addWidget(FRange);
    column->addWidget(FProblem);
    column->addWidget(buttons);
    setMinimumWidth(420);

    connect(FParameter, &QComboBox::currentIndexChanged, this, [this] {
        if (!FFilling) ParameterChosen();
    });
    for (QLineEdit* edit : {FFrom, FTo})
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!FFilling) Refresh();
        });
    connect(FSteps, &QSpinBox::valueChanged, this, [this] {
        if (!FFilling) Refresh();
    });
    const int height = aTemplate.Form().IndexOf("height");
    SetSettings(DefaultSweep(aTemplate, aTemplate.Form().Parameters()[static_cast<std::size_t>(std::max(height, 0))].Name));
}

const TTemplateParameter& TSweepDialog::Parameter() const {
    return FTemplate.Form().Parameters()[static_cast<std::size_t>(std::max(FParameter->currentIndex(), 0))];
}

void TSweepDialog::SetSettings(const TSweepSettings& aSettings) {
    const int index = FTemplate.Form().IndexOf(aSettings.Parameter);
    if (index < 0) return;
    FFilling = true;
    FParameter->setCurrentIndex(index);
    FFrom->setText(FormatLocal(aSettings.From, FieldMask));
    FTo->setText(FormatLocal(aSettings.To, FieldMask));
    FSteps->setValue(aSettings.Steps);
    FFilling = false;
    Refresh();
}

void TSweepDialog::ParameterChosen() {
    TSweepSettings s = DefaultSweep(FTemplate, Parameter().Name, FSteps->value());
    SetSettings(s);
}

TSweepSettings TSweepDialog::Settings() const {
    TSweepSettings s;
    s.Parameter = Parameter().Name;
    s.From = ReadField(FFrom);
    s.To = ReadField(FTo);
    s.Steps = FSteps->value();
    return s;
}

QString TSweepDialog::Problem() const { return FProblem->text(); }

void TSweepDialog::Refresh() {
    const TTemplateParameter& p = Parameter();
    const QString unit = QString::fromUtf8(UnitSymbol(p.Unit));
    FFromUnit->setText(unit);
    FToUnit->setText(unit);
    const QString space = p.Unit == TParameterUnit::Millimetre ? " " : "";
    FRange->setText(tr("%1 can be from %2 to %3; the design has %4.")
                        .arg(QString::fromStdString(p.Caption), FormatLocal(p.Min, FieldMask) + space + unit,
                             FormatLocal(p.Max, FieldMask) + space + unit,
                             FormatLocal(FTemplate.Value(p.Name), FieldMask) + space + unit));
    const TSweepSettings s = Settings();
    QString problem;
    if (std::isnan(s.From)) problem = tr("Type a number for From.");
    else if (std::isnan(s.To)) problem = tr("Type a number for To.");
    else problem = QString::fromStdString(SweepProblem(FTemplate, s, LocalNumber));
    FProblem->setText(problem);
    FOk->setEnabled(problem.isEmpty());
}

}  // namespace torvik
