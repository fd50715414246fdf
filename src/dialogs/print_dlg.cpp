#include "dialogs/print_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPixmap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt/locale_numbers.h"

namespace torvik {

namespace {

constexpr int PrintHelpTopic = 19;

// A sheet of paper with a few lines of text, upright or lying.
QPixmap PagePicture(bool aLandscape) {
    const QSize sheet = aLandscape ? QSize(30, 22) : QSize(22, 30);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QRect page(QPoint((32 - sheet.width()) / 2, (32 - sheet.height()) / 2), sheet);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(page.adjusted(0, 0, -1, -1));
    p.setPen(QColor(120, 120, 160));
    for (int y = page.top() + 4; y < page.bottom() - 3; y += 3) p.drawLine(page.left() + 4, y, page.right() - 4, y);
    return pixmap;
}

template <class T>
T* Named(T* aWidget, const char* aName) {
    aWidget->setObjectName(QString::fromLatin1(aName));
    return aWidget;
}

QLineEdit* Edit(QWidget* aParent, const char* aName, const QString& aText) {
    auto* edit = Named(new QLineEdit(aText, aParent), aName);
    edit->setFixedWidth(56);
    return edit;
}

QLabel* Label(QWidget* aParent, const char* aName, const QString& aCaption, QWidget* aBuddy) {
    auto* label = Named(new QLabel(aCaption, aParent), aName);
    label->setBuddy(aBuddy);
    return label;
}

std::optional<double> Field(const QLineEdit* aEdit) {
    double value = 0.0;
    if (!TryReadLocal(aEdit->text(), value)) return std::nullopt;
    return value;
}

}  // namespace

const QString TPrintDlg::PdfFileItem = QStringLiteral("PDF File");

TPrintDlg::TPrintDlg(QWidget* aParent)
    : TTorvikDialog("PrintDlg", tr("Print"), PrintHelpTopic, aParent),
      FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    auto* column = new QVBoxLayout(this);

    auto* printerRow = new QHBoxLayout;
    FPrintersCB = Named(new QComboBox(this), "PrintersCB");
    FPrintersCB->setMinimumWidth(220);
    auto* setup = Named(new QPushButton(tr("&Setup..."), this), "ButSetup");
    setup->setAutoDefault(false);
    printerRow->addWidget(Label(this, "PrinterLbl", tr("&Printer:"), FPrintersCB));
    printerRow->addWidget(FPrintersCB, 1);
    printerRow->addWidget(setup);
    column->addLayout(printerRow);

    auto* middle = new QHBoxLayout;
    auto* orientation = Named(new QGroupBox(tr("Orientation"), this), "OrientGB");
    auto* orientRow = new QHBoxLayout(orientation);
    auto* orientButtons = new QVBoxLayout;
    FOrientP = Named(new QRadioButton(tr("P&ortrait"), orientation), "OrientP");
    FOrientL = Named(new QRadioButton(tr("Lan&dscape"), orientation), "OrientL");
    FOrientP->setChecked(true);
    orientButtons->addWidget(FOrientP);
    orientButtons->addWidget(FOrientL);
    orientRow->addLayout(orientButtons);
    FOrientImage = Named(new QLabel(orientation), "OrientImage");
    FOrientImage->setFixedSize(32, 32);
    orientRow->addWidget(FOrientImage);
    FImageP = Named(new QLabel(this), "ImageP");
    FImageP->setPixmap(PagePicture(false));
    FImageP->hide();
    FImageL = Named(new QLabel(this), "ImageL");
    FImageL->setPixmap(PagePicture(true));
    FImageL->hide();
    middle->addWidget(orientation);

    auto* scaleBox = new QVBoxLayout;
    FScaleCB = Named(new QComboBox(this), "ScaleCB");
    FScaleCB->addItem(tr("Life Size"));
    for (int k = 2; k <= 10; ++k) FScaleCB->addItem(QStringLiteral("x %1").arg(k));
    FScaleCB->setCurrentIndex(0);
    scaleBox->addWidget(Label(this, "ScaleLbl", tr("S&cale Factor:"), FScaleCB));
    scaleBox->addWidget(FScaleCB);
    scaleBox->addStretch(1);
    middle->addLayout(scaleBox);
    column->addLayout(middle);

    auto* sizes = new QHBoxLayout;
    auto* margins = Named(new QGroupBox(tr("Margins (cm):"), this), "MarginsGB");
    auto* marginGrid = new QGridLayout(margins);
    FTopEd = Edit(margins, "TopEd", "2");
    FBottomEd = Edit(margins, "BottomEd", "2");
    FLeftEd = Edit(margins, "LeftEd", "2");
    FRightEd = Edit(margins, "RightEd", "2");
    marginGrid->addWidget(Label(margins, "TopLbl", tr("&Top:"), FTopEd), 0, 0);
    marginGrid->addWidget(FTopEd, 0, 1);
    marginGrid->addWidget(Label(margins, "BottomLbl", tr("&Bottom:"), FBottomEd), 0, 2);
    marginGrid->addWidget(FBottomEd, 0, 3);
    marginGrid->addWidget(Label(margins, "LeftLbl", tr("&Left:"), FLeftEd), 1, 0);
    marginGrid->addWidget(FLeftEd, 1, 1);
    marginGrid->addWidget(Label(margins, "RightLbl", tr("&Right:"), FRightEd), 1, 2);
    marginGrid->addWidget(FRightEd, 1, 3);
    sizes->addWidget(margins);

    auto* graphic = Named(new QGroupBox(tr("Graphic Size (cm):"), this), "GraphicGB");
    auto* graphicGrid = new QGridLayout(graphic);
    FWidthEd = Edit(graphic, "WidthEd", "17");
    FHeightEd = Edit(graphic, "HeightEd", "15");
    graphicGrid->addWidget(Label(graphic, "WidthLbl", tr("&Width:"), FWidthEd), 0, 0);
    graphicGrid->addWidget(FWidthEd, 0, 1);
    graphicGrid->addWidget(Label(graphic, "HeightLbl", tr("&Height:"), FHeightEd), 1, 0);
    graphicGrid->addWidget(FHeightEd, 1, 1);
    sizes->addWidget(graphic);
    column->addLayout(sizes);

    auto* checks = new QGridLayout;
    FGridCB = Named(new QCheckBox(tr("Print &Grid"), this), "GridCB");
    FForcesCB = Named(new QCheckBox(tr("Print &Forces"), this), "ForcesCB");
    FBracketsCB = Named(new QCheckBox(tr("Print Br&ackets"), this), "BracketsCB");
    FForcesTextCB = Named(new QCheckBox(tr("Print Force &Values"), this), "ForcesTextCB");
    for (QCheckBox* box : {FGridCB, FForcesCB, FBracketsCB, FForcesTextCB}) box->setChecked(true);
    checks->addWidget(FGridCB, 0, 0);
    checks->addWidget(FForcesCB, 0, 1);
    checks->addWidget(FBracketsCB, 1, 0);
    checks->addWidget(FForcesTextCB, 1, 1);
    FPassiveCB = Named(new QCheckBox(tr("Print Pass&ive Wire"), this), "PassiveCB");
    FPassiveCB->setToolTip(tr("A bending template: the wire as bent (unloaded) at life size in black, with the "
                              "activated wire thin and grey over it."));
    checks->addWidget(FPassiveCB, 2, 0, 1, 2);
    column->addLayout(checks);

    QDialogButtonBox* buttons = NewOkCancelButtons(true);
    column->addWidget(buttons);

    connect(FPrintersCB, &QComboBox::currentIndexChanged, this, &TPrintDlg::PrintersCBChange);
    connect(setup, &QPushButton::clicked, this, &TPrintDlg::ButSetupClick);
    connect(FOrientP, &QRadioButton::toggled, this, &TPrintDlg::OrientClick);
    connect(FPassiveCB, &QCheckBox::toggled, this, &TPrintDlg::PassiveClick);
    OrientClick();
    FormShow();
    FixSize();
}

TPrintDlg::~TPrintDlg() = default;

void TPrintDlg::showEvent(QShowEvent* aEvent) {
    FormShow();
    TTorvikDialog::showEvent(aEvent);
}

void TPrintDlg::FormShow() {
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    // The printer chosen before, else the system's default printer, else
    // the PDF file.
    QString current = FPrintToFile ? QString() : FPrinter->printerName();
    if (current.isEmpty() && !FPrintToFile) current = QPrinterInfo::defaultPrinterName();
    {
        const QSignalBlocker refilling(FPrintersCB);
        FPrintersCB->clear();
        for (const QString& name : printers) FPrintersCB->addItem(name, name);
        FPrintersCB->addItem(PdfFileItem, QString());
        const int index = current.isEmpty() ? -1 : FPrintersCB->findData(current);
        FPrintersCB->setCurrentIndex(index >= 0 ? index : FPrintersCB->count() - 1);
    }
    PrintersCBChange(FPrintersCB->currentIndex());
}

void TPrintDlg::PrintersCBChange(int aIndex) {
    if (aIndex < 0) return;
    const QString name = FPrintersCB->itemData(aIndex).toString();
    // Choosing the printer again keeps its set-up.
    if (name.isEmpty() ? FPrinter->outputFormat() == QPrinter::PdfFormat
                       : FPrinter->outputFormat() == QPrinter::NativeFormat && FPrinter->printerName() == name) {
        FPrintToFile = name.isEmpty();
        return;
    }
    FPrintToFile = name.isEmpty();
    if (FPrintToFile) {
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
    } else {
        FPrinter->setOutputFormat(QPrinter::NativeFormat);
        FPrinter->setPrinterName(name);
        FPrinter->setOutputFileName(QString());
    }
}

void TPrintDlg::ButSetupClick() {
    QPageSetupDialog setup(FPrinter.get(), this);
    setup.exec();
    // The set-up may have turned the paper; the dialog shows what it will print.
    const bool landscape = FPrinter->pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? FOrientL : FOrientP)->setChecked(true);
}

void TPrintDlg::OrientClick() {
    FOrientImage->setPixmap((FOrientP->isChecked() ? FImageP : FImageL)->pixmap());
}

void TPrintDlg::PassiveClick() { FScaleCB->setEnabled(!FPassiveCB->isChecked()); }

TPrintOptions TPrintDlg::Options() const {
    TPrintOptions o;
    o.fields.top = Field(FTopEd);
    o.fields.bottom = Field(FBottomEd);
    o.fields.left = Field(FLeftEd);
    o.fields.right = Field(FRightEd);
    o.fields.width = Field(FWidthEd);
    o.fields.height = Field(FHeightEd);
    o.fields.scaleFactor = FScaleCB->currentIndex() + 1;
    o.landscape = FOrientL->isChecked();
    o.grid = FGridCB->isChecked();
    o.forces = FForcesCB->isChecked();
    o.brackets = FBracketsCB->isChecked();
    o.forceValues = FForcesTextCB->isChecked();
    o.passiveWire = FPassiveCB->isChecked();
    return o;
}

}  // namespace torvik
