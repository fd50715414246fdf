#include "mainwindow/print_commands.h"

#include <QDir>
#include <QFileInfo>

#include "dialogs/design_printer.h"
#include "dialogs/print_dlg.h"
#include "mainwindow/main_form.h"

namespace torvik {

TPrintCommands::TPrintCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("PrintCommands");
    FPrintDlg = new TPrintDlg(&aForm);
    connect(FPrintDlg, &TPrintDlg::helpRequested, &aForm, [&aForm](int aTopic) { aForm.ShowHelp(aTopic); });
    FForm.Bind("MenuFilePrint", [this] { MenuFilePrintClick(); });
}

void TPrintCommands::MenuFilePrintClick() {
    if (FForm.ExecDialog(*FPrintDlg) != QDialog::Accepted) return;
    QPrinter& printer = FPrintDlg->Printer();
    if (FPrintDlg->PrintsToPdfFile()) {
        const QString start = FPdfFileName.isEmpty() ? QDir(FForm.DialogFolder()).filePath("Torvik.pdf") : FPdfFileName;
        const QString fileName =
            FForm.SaveFileBox("Print to PDF File", "PDF files (*.pdf);;All files (*)", "pdf", start);
        if (fileName.isEmpty()) return;
        FPdfFileName = fileName;
        printer.setOutputFileName(fileName);
    }
    TDesignPrinter(FForm.Design(), FForm.CurrentViewSettings(), FForm.Settings().GridDensity)
        .Print(printer, FPrintDlg->Options());
}

}  // namespace torvik
