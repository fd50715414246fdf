#pragma once
// The Print command: the Print dialog, kept for the whole run with its
// fields and printer, and the printed page; printing to a PDF file asks for
// the file's name first.

#include <QObject>
#include <QString>

namespace torvik {

class TMainForm;
class TPrintDlg;

class TPrintCommands : public QObject {
    Q_OBJECT
public:
    // Binds MenuFilePrint of aForm.
    explicit TPrintCommands(TMainForm& aForm);

    TPrintDlg& PrintDlg() { return *FPrintDlg; }

private:
    void MenuFilePrintClick();

    TMainForm& FForm;
    TPrintDlg* FPrintDlg = nullptr;
    // The PDF file printed last, proposed again.
    QString FPdfFileName;
};

}  // namespace torvik
