#pragma once
// The Print dialog: the printer (the system's printers and, always, a PDF
// file), its set-up, orientation, scale factor, margins, graphic size and
// what to print, or a bending template of the wire as bent. It lives for the whole run and keeps its fields; the
// printer it holds stays the chosen one.

#include <memory>

#include <QPrinter>

#include "dialogs/torvik_dialog.h"
#include "render/print_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace torvik {

class TPrintDlg : public TTorvikDialog {
    Q_OBJECT
public:
    // The item of PrintersCB that prints to a PDF file.
    static const QString PdfFileItem;

    explicit TPrintDlg(QWidget* aParent = nullptr);
    ~TPrintDlg() override;

    // The chosen printer; for the PDF file item a PDF printer whose file
    // name the caller sets.
    QPrinter& Printer() { return *FPrinter; }
    bool PrintsToPdfFile() const { return FPrintToFile; }
    // The fields as the user left them, numbers read in the user's locale.
    TPrintOptions Options() const;

    // Fills PrintersCB with the system's printers and the PDF file item and
    // selects the current printer.
    void FormShow();

protected:
    void showEvent(QShowEvent* aEvent) override;

private:
    void PrintersCBChange(int aIndex);
    void ButSetupClick();
    void OrientClick();
    // A template is printed at life size: the scale factor does not apply.
    void PassiveClick();

    std::unique_ptr<QPrinter> FPrinter;
    bool FPrintToFile = false;
    QComboBox* FPrintersCB = nullptr;
    QRadioButton* FOrientP = nullptr;
    QRadioButton* FOrientL = nullptr;
    QLabel* FOrientImage = nullptr;
    QLabel* FImageP = nullptr;
    QLabel* FImageL = nullptr;
    QComboBox* FScaleCB = nullptr;
    QLineEdit* FTopEd = nullptr;
    QLineEdit* FBottomEd = nullptr;
    QLineEdit* FLeftEd = nullptr;
    QLineEdit* FRightEd = nullptr;
    QLineEdit* FWidthEd = nullptr;
    QLineEdit* FHeightEd = nullptr;
    QCheckBox* FGridCB = nullptr;
    QCheckBox* FForcesCB = nullptr;
    QCheckBox* FBracketsCB = nullptr;
    QCheckBox* FForcesTextCB = nullptr;
    QCheckBox* FPassiveCB = nullptr;
};

}  // namespace torvik
