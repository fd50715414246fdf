#pragma once
// The Print command: the Print dialog, kept for the whole run with its
// fields and printer, and the printed page; printing to a PDF file asks for
// the file's name first.

#include <QObject>
#include <QString>

#include "support/file_name.h"

namespace torvik {

class TMainForm;
class TPrintDlg;

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    // Binds MenuFilePrint of aForm.
    explicit TPrintCommands(TMainForm& aForm);

    TPrintDlg& PrintDlg() { return *FPrintDlg; }

    // The PDF file proposed for the design on screen: the one printed last
    // for it, or the design's own name with ".pdf" in its folder
    // ("Untitled.pdf" in the dialogs' folder for a design never saved).
    QString ProposedPdfName() const;

private:
    void MenuFilePrintClick();

    TMainForm& FForm;
    TPrintDlg* FPrintDlg = nullptr;
    // The PDF file printed last and the design file it was printed from.
    QString FPdfFileName;
    TFileName FPdfDesign;
};

}  // namespace torvik
