#include "dialogs/chart_form.h"

#include <cmath>

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/chart_support.h"
#include "qt/locale_numbers.h"

namespace torvik {

namespace {

std::string Mask(int aDecimals) { return aDecimals > 0 ? "0." + std::string(aDecimals, '0') : "0"; }

}  // namespace

TChartForm::TChartForm(const char* aName, const QString& aCaption, int aHelpTopic, const QString& aExportTitle,
                       QWidget* aParent)
    : TTorvikDialog(aName, aCaption, aHelpTopic, aParent), FExportTitle(aExportTitle) {
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    FSummary = new QLabel(this);
    FSummary->setObjectName("SummaryLabel");
    FSummary->setWordWrap(true);

    FChartView = new QChartView(new QChart(), this);
    FChartView->setObjectName("ChartView");
    FChartView->setRenderHint(QPainter::Antialiasing);
    FChartView->setMinimumSize(560, 300);
}

TChartForm::~TChartForm() = default;

void TChartForm::LayOut(QWidget* aTop, const char* aSplitterName) {
    FGrid = new QTableWidget(this);
    FGrid->setObjectName("StepsGrid");
    FGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FGrid->verticalHeader()->setVisible(false);
    FGrid->setMinimumHeight(120);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(aSplitterName);
    splitter->addWidget(aTop ? aTop : FChartView);
    splitter->addWidget(FGrid);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* buttons = new QDialogButtonBox(this);
    auto* exportBtn = buttons->addButton(tr("&Export CSV..."), QDialogButtonBox::ActionRole);
    exportBtn->setObjectName("ExportBtn");
    connect(exportBtn, &QPushButton::clicked, this, [this] { ExportBtnClick(); });
    auto* saveBtn = buttons->addButton(tr("&Save Chart..."), QDialogButtonBox::ActionRole);
    saveBtn->setObjectName("SaveChartBtn");
    connect(saveBtn, &QPushButton::clicked, this, [this] { SaveChartBtnClick(); });
    buttons->addButton(NewHelpButton(), QDialogButtonBox::HelpRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("CloseBtn");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    for (QAbstractButton* b : buttons->buttons())
        if (auto* p = qobject_cast<QPushButton*>(b)) p->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FSummary);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(900, 640);
}

QChart* TChartForm::Chart() const { return FChartView->chart(); }

void TChartForm::FillGrid(const std::vector<TCurveColumn>& aColumns, int aRows,
                          const std::function<std::vector<TCurveCell>(int aRow)>& aRow, const TCellText& aText) {
    FGrid->clear();
    FGrid->setColumnCount(static_cast<int>(aColumns.size()));
    FGrid->setRowCount(aRows);
    QStringList titles;
    for (const TCurveColumn& c : aColumns)
        titles << (c.unit.empty() ? QString::fromStdString(c.title)
                                  : QString::fromStdString(c.title) + " (" + QString::fromStdString(c.unit) + ")");
    FGrid->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < aRows; ++r) {
        const std::vector<TCurveCell> row = aRow(r);
        for (int c = 0; c < static_cast<int>(aColumns.size()); ++c) {
            const TCurveColumn& column = aColumns[static_cast<std::size_t>(c)];
            const TCurveCell& cell = row[static_cast<std::size_t>(c)];
            QString text;
            if (const std::optional<QString> own = aText ? aText(r, column) : std::nullopt) text = *own;
            else if (column.decimals < 0) text = QString::fromStdString(cell.display);
            else if (!cell.number || !std::isfinite(*cell.number)) text = "-";
            else text = FormatLocal(*cell.number, Mask(column.decimals));
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(column.decimals < 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
            FGrid->setItem(r, c, item);
        }
    }
    FGrid->resizeColumnsToContents();
}

void TChartForm::SetChart(QChart* aChart) {
    QChart* old = FChartView->chart();
    FChartView->setChart(aChart);
    delete old;
}

QString TChartForm::AskFileName(const QString& aTitle, const QString& aFilter, const QString& aSuffix) {
    if (SaveFileName) return SaveFileName(aTitle, aFilter, aSuffix);
    QFileDialog dialog(this, aTitle, QString(), aFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(aSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void TChartForm::Fail(const QString& aText) {
    if (ShowError) ShowError(aText);
    else QMessageBox::critical(this, tr("Torvik"), aText);
}

void TChartForm::ExportBtnClick() {
    const QString file = AskFileName(FExportTitle, tr("CSV files (*.csv);;All files (*)"), "csv");
    if (file.isEmpty()) return;
    try {
        WriteCsv(file);
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
    }
}

void TChartForm::SaveChartBtnClick() {
    const QString file =
        AskFileName(tr("Save Chart"), tr("PNG images (*.png);;SVG drawings (*.svg);;All files (*)"), "png");
    if (file.isEmpty()) return;
    try {
        WriteChart(file);
    } catch (const std::exception& e) {
        Fail(QString::fromUtf8(e.what()));
    }
}

void TChartForm::WriteChart(const QString& aFileName) const { WriteChartFile(*FChartView, aFileName, windowTitle()); }

}  // namespace torvik
