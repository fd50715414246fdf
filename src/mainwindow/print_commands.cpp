#include "mainwindow/print_commands.h"

#include <QDir>
#include <QFileInfo>

#include "dialogs/design_printer.h"
#include "dialogs/print_dlg.h"
#include "mainwindow/main_form.h"
#include "mainwindow/title_rows.h"
#include "qt/file_names.h"

namespace torvik {

TPrintCommands::TPrintCommands(TMainForm& aForm) : QObject(&aForm), FForm(aForm) {
    setObjectName("PrintCommands");
    FPrintDlg = new TPrintDlg(&aForm);
    connect(FPrintDlg, &TPrintDlg::helpRequested, &aForm, [&aForm](int aTopic) { aForm.ShowHelp(aTopic); });
    FForm.Bind("MenuFilePrint", [this] { MenuFilePrintClick(); });
}

QString TPrintCommands::ProposedPdfName() const {
    const TFileName& design = FForm.CurrentFileName();
    if (!FPdfFileName.isEmpty() && FPdfDesign == design) return FPdfFileName;
    if (design.Empty()) return QDir(FForm.DialogFolder()).filePath("Untitled.pdf");
    const QFileInfo info(QtFileName(design));
    return info.dir().filePath(info.completeBaseName() + ".pdf");
}

void TPrintCommands::MenuFilePrintClick() {
    if (FForm.ExecDialog(*FPrintDlg) != QDialog::Accepted) return;
    QPrinter& printer = FPrintDlg->Printer();
    if (FPrintDlg->PrintsToPdfFile()) {
        const QString fileName =
            FForm.SaveFileBox("Print to PDF File", "PDF files (*.pdf);;All files (*)", "pdf", ProposedPdfName());
        if (fileName.isEmpty()) return;
        FPdfFileName = fileName;
        FPdfDesign = FForm.CurrentFileName();
        printer.setOutputFileName(fileName);
    }
    TDesignPrinter(FForm.Design(), FForm.CurrentViewSettings(), FForm.Settings().GridDensity,
                   WindowTitleRows(FForm))
        .Print(printer, FPrintDlg->Options());
}

}  // namespace torvik
