// Protects the Print command: the dialog through the seam, printing to a PDF file named after the design with its title block, kept fields, cancelling and errors.
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "dialogs/print_dlg.h"
#include "gui_fixture.h"
#include "page_raster.h"
#include "qt/file_names.h"

namespace torvik::test {
namespace {

using TPrintCommandsTest = TGuiTest;

// Chooses the PDF file item and the scale factor, and presses OK.
std::function<int(QDialog&)> PrintToPdf(int aScaleIndex, const QString& aWidth = "17") {
    return [aScaleIndex, aWidth](QDialog& aDialog) {
        EXPECT_EQ(aDialog.objectName(), "PrintDlg");
        auto* printers = aDialog.findChild<QComboBox*>("PrintersCB");
        printers->setCurrentIndex(printers->findText(TPrintDlg::PdfFileItem));
        aDialog.findChild<QComboBox*>("ScaleCB")->setCurrentIndex(aScaleIndex);
        aDialog.findChild<QLineEdit*>("WidthEd")->setText(aWidth);
        return int(QDialog::Accepted);
    };
}

bool IsPdf(const QString& aFile) {
    QFile file(aFile);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

TEST_F(TPrintCommandsTest, PrintsToAPdfFileAndKeepsTheFields) {
    TMainForm& form = Start();
    ASSERT_TRUE(form.Action("MenuFilePrint")->isEnabled());
    const QString pdf = Path("loop.pdf");

    FDialogs->dialogScripts.push_back(PrintToPdf(1));
    FDialogs->saveNames.push_back(pdf);
    Trigger("MenuFilePrint");
    ASSERT_EQ(FDialogs->Of("dialog").size(), 1u);
    EXPECT_EQ(FDialogs->Of("dialog")[0].title, "Print");
    ASSERT_EQ(FDialogs->Of("save").size(), 1u);
    EXPECT_TRUE(IsPdf(pdf));
    EXPECT_TRUE(FDialogs->Of("error").empty());
    // The page names the design, and is dated today.
    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"}).simplified();
    for (const QString& words : {QString("Design: Untitled"), QString("Target: Slot, no load"),
                                 "Date: " + QDate::currentDate().toString(Qt::ISODate)})
        EXPECT_TRUE(text.contains(words)) << words.toStdString() << "\n" << text.toStdString();

    // The dialog comes back as the user left it; the file asked for starts
    // at the last one.
    int scaleShown = -1;
    FDialogs->dialogScripts.push_back([&scaleShown](QDialog& aDialog) {
        scaleShown = aDialog.findChild<QComboBox*>("ScaleCB")->currentIndex();
        return int(QDialog::Rejected);
    });
    Trigger("MenuFilePrint");
    EXPECT_EQ(scaleShown, 1);
    EXPECT_EQ(FDialogs->Of("save").size(), 1u);  // cancelled: no file asked for

    // A cancelled file name prints nothing.
    QFile::remove(pdf);
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    Trigger("MenuFilePrint");
    ASSERT_EQ(FDialogs->folders.size(), 2u);
    EXPECT_EQ(FDialogs->folders.back(), pdf);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(TPrintCommandsTest, ProposesTheDesignsOwnName) {
    TMainForm& form = Start();
    // A design never saved: "Untitled.pdf" where the file dialogs start.
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    Trigger("MenuFilePrint");
    ASSERT_EQ(FDialogs->folders.size(), 1u);
    EXPECT_EQ(FDialogs->folders.back(), QDir(form.DialogFolder()).filePath("Untitled.pdf"));

    // An opened design: its name with ".pdf", beside it.
    const QString design = WriteLoop("Closing Loop.tvk");
    FDialogs->openNames.push_back(design);
    Trigger("ActionFileOpen");
    ASSERT_EQ(QtFileName(form.CurrentFileName()), design);
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    Trigger("MenuFilePrint");
    EXPECT_EQ(FDialogs->folders.back(), Path("Closing Loop.pdf"));

    // The file chosen for it is proposed again for the same design only.
    const QString chosen = Path("sheet.pdf");
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    FDialogs->saveNames.push_back(chosen);
    Trigger("MenuFilePrint");
    ASSERT_TRUE(IsPdf(chosen));
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    Trigger("MenuFilePrint");
    EXPECT_EQ(FDialogs->folders.back(), chosen);
    FDialogs->answers.push_back(TAnswer::No);
    Trigger("ActionFileNew");
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    Trigger("MenuFilePrint");
    EXPECT_EQ(FDialogs->folders.back(), QDir(form.DialogFolder()).filePath("Untitled.pdf"));
}

TEST_F(TPrintCommandsTest, APageThatCannotBeLaidOutIsAnError) {
    TMainForm& form = Start();
    const QString pdf = Path("absurd.pdf");
    FDialogs->dialogScripts.push_back(PrintToPdf(0, "99999999999"));
    FDialogs->saveNames.push_back(pdf);
    Trigger("MenuFilePrint");
    ASSERT_EQ(FDialogs->Of("error").size(), 1u);
    EXPECT_FALSE(QFile::exists(pdf));
    // The design is untouched and the window goes on.
    EXPECT_EQ(form.Design().CurrentWire->Count(), 1);
    FDialogs->dialogScripts.push_back(PrintToPdf(0));
    FDialogs->saveNames.push_back(pdf);
    Trigger("MenuFilePrint");
    EXPECT_TRUE(IsPdf(pdf));
}

}  // namespace
}  // namespace torvik::test
