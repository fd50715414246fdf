#include "dialogs/export_picture_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {
constexpr int ExportHelpTopic = 19;
}  // namespace

TExportPictureDlg::TExportPictureDlg(QWidget* aParent)
    : TTorvikDialog("ExportPictureDlg", tr("Export Picture"), ExportHelpTopic, aParent) {
    auto* column = new QVBoxLayout(this);
    auto* formats = new QGroupBox(tr("Format"), this);
    formats->setObjectName("FormatGB");
    auto* grid = new QGridLayout(formats);
    FFormatSvg = new QRadioButton(tr("&SVG picture, true size"), formats);
    FFormatSvg->setObjectName("FormatSvg");
    FFormatPdf = new QRadioButton(tr("&PDF document, true size"), formats);
    FFormatPdf->setObjectName("FormatPdf");
    FFormatPng = new QRadioButton(tr("P&NG image"), formats);
    FFormatPng->setObjectName("FormatPng");
    FFormatSvg->setChecked(true);
    FResolutionEd = new QLineEdit(QStringLiteral("300"), formats);
    FResolutionEd->setObjectName("ResolutionEd");
    FResolutionEd->setFixedWidth(56);
    auto* label = new QLabel(tr("&Resolution (dpi):"), formats);
    label->setObjectName("ResolutionLbl");
    label->setBuddy(FResolutionEd);
    grid->addWidget(FFormatSvg, 0, 0, 1, 3);
    grid->addWidget(FFormatPdf, 1, 0, 1, 3);
    grid->addWidget(FFormatPng, 2, 0);
    grid->addWidget(label, 2, 1);
    grid->addWidget(FResolutionEd, 2, 2);
    column->addWidget(formats);
    FTitleCB = new QCheckBox(tr("&Title block below the picture"), this);
    FTitleCB->setObjectName("TitleCB");
    FTitleCB->setToolTip(tr("The design's file, wire, target, activation, units and date under the 100 mm design "
                            "area; without it the picture is the design area alone."));
    FTitleCB->setChecked(true);
    column->addWidget(FTitleCB);

    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    column->addWidget(buttons);

    for (QRadioButton* button : {FFormatSvg, FFormatPdf, FFormatPng})
        connect(button, &QRadioButton::toggled, this, &TExportPictureDlg::FormatClick);
    FormatClick();
    FixSize();
}

void TExportPictureDlg::FormatClick() { FResolutionEd->setEnabled(FFormatPng->isChecked()); }

TPictureFormat TExportPictureDlg::Format() const {
    if (FFormatPng->isChecked()) return TPictureFormat::Png;
    if (FFormatPdf->isChecked()) return TPictureFormat::Pdf;
    return TPictureFormat::Svg;
}

bool TExportPictureDlg::TitleBlock() const { return FTitleCB->isChecked(); }

std::optional<int> TExportPictureDlg::Resolution() const {
    int dpi = 0;
    if (!TryReadLocalInt(FResolutionEd->text(), dpi)) return std::nullopt;
    return dpi;
}

}  // namespace torvik
