#pragma once
// What the chart windows (the activation curve, the parameter sweep) share:
// a summary line over a chart and the table of the steps, split, with
// Export CSV, Save Chart, Help and Close below; the table filled from the
// table's columns and cells with the user's numbers; and the commands that
// ask for a file and write the table as CSV or the chart as PNG or SVG,
// showing an error when that fails.

#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "dialogs/torvik_dialog.h"
#include "solve/load_table.h"

class QChart;
class QChartView;
class QLabel;
class QTableWidget;

namespace torvik {

class TChartForm : public TTorvikDialog {
    Q_OBJECT
public:
    ~TChartForm() override;

    // Asks for a file to write; empty when cancelled. The file dialog when
    // not set.
    std::function<QString(const QString& aTitle, const QString& aFilter, const QString& aSuffix)> SaveFileName;
    // Shows an error; a message box when not set.
    std::function<void(const QString& aText)> ShowError;

    QChart* Chart() const;

    // The commands of the buttons.
    void ExportBtnClick();
    void SaveChartBtnClick();
    // Writes the table as CSV, or the chart as PNG (any other suffix) or
    // SVG (".svg"); throws std::runtime_error with the reason on failure.
    virtual void WriteCsv(const QString& aFileName) const = 0;
    void WriteChart(const QString& aFileName) const;

protected:
    // Makes the summary and the chart view; aExportTitle titles the file
    // dialog of Export CSV.
    TChartForm(const char* aName, const QString& aCaption, int aHelpTopic, const QString& aExportTitle,
               QWidget* aParent);
    // Lays the window out once the derived window has made its own controls:
    // the summary, then aTop (the chart view when null) over the table in a
    // splitter named aSplitterName, then the buttons.
    void LayOut(QWidget* aTop, const char* aSplitterName);

    // A cell's text as the table shows it, when it is not the cell's own.
    using TCellText = std::function<std::optional<QString>(int aRow, const TCurveColumn& aColumn)>;
    // Fills the table with aRows rows of the columns' cells, numbers with
    // the user's decimal separator and "-" when undefined; aText, when set,
    // may give a cell a text of its own.
    void FillGrid(const std::vector<TCurveColumn>& aColumns, int aRows,
                  const std::function<std::vector<TCurveCell>(int aRow)>& aRow, const TCellText& aText = {});
    // Shows aChart in place of the chart shown.
    void SetChart(QChart* aChart);

    QLabel* FSummary = nullptr;
    QChartView* FChartView = nullptr;

private:
    QString AskFileName(const QString& aTitle, const QString& aFilter, const QString& aSuffix);
    void Fail(const QString& aText);

    QString FExportTitle;
    QTableWidget* FGrid = nullptr;
};

}  // namespace torvik
