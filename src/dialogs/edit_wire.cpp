#include "dialogs/edit_wire.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"
#include "support/help_topics.h"

namespace torvik {

TEditWire::TEditWire(QWidget* aParent) : TTorvikDialog("EditWire", tr("Wire"), HelpWireInfo, aParent) {
    auto* column = new QVBoxLayout(this);
    FValues = new QGridLayout;
    FValues->setHorizontalSpacing(16);
    column->addLayout(FValues);

    FWLength = AddValue("WLength", tr("Total Wire Length:"));
    FWDistance = AddValue("WDistance", tr("Distance to Bracket:"));
    FWAngulation = AddValue("WAngulation", tr("Angulation to Bracket:"));
    FWMaxStrain = AddValue("WMaxStrain", tr("Maximum Strain:"));
    FWMinStrain = AddValue("WMinStrain", tr("Minimum Strain:"));
    FNumSegsLbl = AddValue("NumSegsLbl", tr("Number of Segments:"));
    FStockLbl = AddValue("StockLbl", tr("Material / Cross Section:"));
    // A mixed wire's runs follow on lines of their own below its first line.
    FStockLbl->setAlignment(Qt::AlignRight | Qt::AlignTop);
    if (auto* caption = qobject_cast<QLabel*>(FValues->itemAtPosition(FValues->rowCount() - 1, 0)->widget()))
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* okBtn = new QPushButton(tr("&Close"), this);
    okBtn->setObjectName("OKBtn");
    okBtn->setDefault(true);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn);
    buttons->addWidget(NewHelpButton());
    column->addSpacing(8);
    column->addLayout(buttons);
    FixSize();
}

QLabel* TEditWire::AddValue(const char* aName, const QString& aCaption) {
    const int row = FValues->count() / 2;  // a caption and a value per row
    FValues->addWidget(new QLabel(aCaption, this), row, 0);
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(aName));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for the largest figures, so the box keeps its size.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-0000.00 mm")));
    FValues->addWidget(value, row, 1);
    return value;
}

void TEditWire::Fill(const TWireInfo& aInfo) {
    FWLength->setText(FormatLocal(aInfo.TotalLength, "0.00 mm"));
    FWDistance->setText(FormatLocal(aInfo.DistanceToBracket, "0.00 mm"));
    FWAngulation->setText(FormatLocal(aInfo.AngulationToBracket, "0.00\u00b0"));
    FWMaxStrain->setText(FormatLocal(aInfo.MaxStrain, "0.00\u00b0"));
    FWMinStrain->setText(FormatLocal(aInfo.MinStrain, "0.00\u00b0"));
    FNumSegsLbl->setText(QString::number(aInfo.SegmentCount));
    FStockLbl->setText(QString::fromStdString(aInfo.Stock));
}

}  // namespace torvik
